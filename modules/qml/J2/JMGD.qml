// qmllint disable unqualified
import QtQuick

// Lift-off height: "2mm" or "3mm".
Panel {
    id: jmgd

    // 0 = "2mm", 1 = "3mm".
    property int selModel: 0

    function choose(index) {
        selModel = index
        ui_View.mouseSetJMGD(index === 0 ? 2 : 3)
    }

    // "2mm" only for a stored 2; resending hands the stored value back as it is, and a
    // profile without one sends 0.
    function init(isSendData) {
        const x = ui_View.getData("sensor/jmgd")
        selModel = Number(x) === 2 ? 0 : 1
        if (isSendData) {
            const value = Number(x)
            ui_View.mouseSetJMGD(x === undefined || x === null || isNaN(value) ? 0 : value)
        }
    }

    title: mainIten.mainLang[31]
    bodyHeight: 36

    Row {
        x: 14
        y: 10
        spacing: 40
        Repeater {
            model: ["2mm", "3mm"]
            RadioItem {
                required property int index
                required property string modelData
                objectName: "jmgd" + index
                text: modelData
                checked: jmgd.selModel === index
                activeFocusOnTab: jmgd.isOpen
                onClicked: jmgd.choose(index)
            }
        }
    }
}
