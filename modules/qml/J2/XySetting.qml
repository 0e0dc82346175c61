// qmllint disable unqualified
import QtQuick

// X and Y sensitivity: two ten-step sliders, position p meaning (p + 1) x 20 on the mouse.
Panel {
    id: xySetting

    property int xValue: 4
    property int yValue: 4

    // Only "0".."8" are positions of their own; anything else stored shows as the top one.
    function position(stored) {
        const text = String(stored)
        return /^[0-8]$/.test(text) ? Number(text) : 9
    }

    function send() {
        ui_View.ui_0EH_SetXYSensitive((xValue + 1) * 20, (yValue + 1) * 20)
    }

    function store() {
        ui_View.setXYSensitive(0, xValue)
        ui_View.setXYSensitive(1, yValue)
        send()
    }

    function init(isSendData) {
        xValue = position(ui_View.getXYSensitive(0))
        yValue = position(ui_View.getXYSensitive(1))
        xSlider.reset()
        ySlider.reset()
        if (isSendData)
            send()
    }

    title: mainIten.mainLang[0]
    bodyHeight: 78

    Column {
        y: 8
        spacing: 6
        Repeater {
            model: 2
            Item {
                id: axis
                required property int index
                readonly property int value: index === 0 ? xySetting.xValue : xySetting.yValue
                width: 242
                height: 30
                Text {
                    x: 12
                    text: mainIten.mainLang[1 + axis.index]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }
                Text {
                    anchors.right: parent.right
                    anchors.rightMargin: 10
                    text: (axis.value + 1) * 20
                    color: "#b0b0b0"
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }
            }
        }
    }

    XyStepSlider {
        id: xSlider
        objectName: "xSlider"
        x: 12
        y: 22
        value: xySetting.xValue
        activeFocusOnTab: xySetting.isOpen
        onStepped: function(value) { xySetting.xValue = value }
        onPicked: xySetting.store()
    }

    XyStepSlider {
        id: ySlider
        objectName: "ySlider"
        x: 12
        y: 58
        value: xySetting.yValue
        activeFocusOnTab: xySetting.isOpen
        onStepped: function(value) { xySetting.yValue = value }
        onPicked: xySetting.store()
    }
}
