// qmllint disable unqualified
import QtQuick

// Lift-off height.
Panel {
    id: jmgd

    // 0 = "2mm", 1 = "3mm".
    property int selModel: 0

    function init(isSendData) {
        const x = ui_View.getData("sensor/jmgd")
        selModel = Number(x) === 2 ? 0 : 1
        if (isSendData)
            ui_View.mouseSetJMGD(x === undefined || isNaN(Number(x)) ? 0 : Number(x))
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
                text: modelData
                checked: jmgd.selModel === index
                onClicked: {
                    jmgd.selModel = index
                    ui_View.mouseSetJMGD(index === 0 ? 2 : 3)
                }
            }
        }
    }
}
