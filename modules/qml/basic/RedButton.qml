import QtQuick

// The red push button of the dialogs and of the bottom bar.
Rectangle {
    id: redButton

    property string textValue
    property string fontFamily: "微软雅黑"
    property int fontSize: 12

    signal clicked()

    width: 88
    height: 25
    radius: 2
    color: area.containsMouse ? "#761212" : "#4f1717"
    border.width: 1
    border.color: "#4e3434"

    Text {
        anchors.centerIn: parent
        text: redButton.textValue
        color: "#ffffff"
        font.family: redButton.fontFamily
        font.pixelSize: redButton.fontSize
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: redButton.clicked()
    }
}
