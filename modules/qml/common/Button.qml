import QtQuick

// A flat button that lights up under the pointer.
Item {
    id: button

    property string textValue
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color textColor: "#ffffff"

    signal clicked()

    width: 192
    height: 38

    Rectangle {
        anchors.fill: parent
        color: "#737373"
        opacity: area.containsMouse ? 1 : 0.1
    }

    Text {
        anchors.centerIn: parent
        width: parent.width - 6
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: button.textValue
        color: button.textColor
        font.family: button.fontFamily
        font.pixelSize: button.fontSize
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
