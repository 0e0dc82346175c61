// qmllint disable unqualified
import QtQuick

// The mouse picture with its two views (placeholder: the button highlights come later).
Item {
    id: mouse

    property int selectKey: -1
    property int keyCount: 9
    property bool isSide: false

    Image {
        x: 497 - width / 2
        y: mouse.isSide ? 170 : 92
        asynchronous: true
        source: mainIten.skinImage("mouse", mouse.isSide ? "mouseSide.png" : "mouseTop.png")
    }

    Row {
        x: 497 - width / 2
        y: 548
        spacing: 30
        Repeater {
            model: 2
            Text {
                required property int index
                readonly property bool active: mouse.isSide === (index === 1)
                text: mainIten.mainLang[17 + index]
                color: active ? "#fa6726" : "#a0a0a0"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMiddleSize
                font.bold: active
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -4
                    onClicked: {
                        mainIten.focusControl()
                        mouse.isSide = parent.index === 1
                    }
                }
            }
        }
    }
}
