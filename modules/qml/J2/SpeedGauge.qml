// qmllint disable unqualified
import QtQuick

// The Slow .. Fast scale of the pointer-speed and double-click panels (placeholder look).
Item {
    id: gauge

    property int value: 5

    signal picked(int value)

    width: 242
    height: 60

    Text {
        x: 14
        y: 8
        text: mainIten.mainLang[13]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMinSize
    }
    Text {
        anchors.right: parent.right
        anchors.rightMargin: 14
        y: 8
        text: mainIten.mainLang[14]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMinSize
    }
    Row {
        x: 14
        y: 30
        spacing: 3
        Repeater {
            model: 11
            Rectangle {
                required property int index
                width: 16
                height: 6 + index * 1.4
                anchors.bottom: parent ? parent.bottom : undefined
                radius: 1
                color: index < gauge.value ? "#c3212b" : "#2a2a2c"
                MouseArea {
                    anchors.fill: parent
                    anchors.topMargin: -20
                    onClicked: gauge.picked(parent.index + 1)
                }
            }
        }
    }
}
