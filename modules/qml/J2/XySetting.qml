// qmllint disable unqualified
import QtQuick

// X and Y sensitivity (placeholder: shows the stored steps).
Panel {
    id: xySetting

    // Positions 0..9 of the two ten-step sliders.
    property int xValue: 4
    property int yValue: 4
    readonly property var handleX: [10, 30, 52, 74, 95, 116, 137, 159, 180, 199]

    function position(stored) {
        const text = String(stored)
        return /^[0-8]$/.test(text) ? Number(text) : 9
    }

    function send() {
        ui_View.ui_0EH_SetXYSensitive((xValue + 1) * 20, (yValue + 1) * 20)
    }

    function init(isSendData) {
        xValue = position(ui_View.getXYSensitive(0))
        yValue = position(ui_View.getXYSensitive(1))
        if (isSendData)
            send()
    }

    title: mainIten.mainLang[0]
    bodyHeight: 78

    Column {
        y: 10
        spacing: 12
        Repeater {
            model: 2
            Item {
                id: axis
                required property int index
                readonly property int value: index === 0 ? xySetting.xValue : xySetting.yValue
                width: 242
                height: 22
                Text {
                    x: 12
                    text: mainIten.mainLang[1 + axis.index]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }
                Rectangle {
                    x: 22
                    y: 16
                    width: 200
                    height: 3
                    radius: 1
                    color: "#2a2a2c"
                    Rectangle {
                        width: xySetting.handleX[axis.value] + 3
                        height: parent.height
                        radius: 1
                        color: "#c3212b"
                    }
                    Rectangle {
                        x: xySetting.handleX[axis.value] - 3
                        y: -4
                        width: 7
                        height: 11
                        radius: 2
                        color: "#e0e0e0"
                    }
                }
                Text {
                    anchors.right: parent.right
                    anchors.rightMargin: 8
                    text: (axis.value + 1) * 20
                    color: "#b0b0b0"
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }
            }
        }
    }
}
