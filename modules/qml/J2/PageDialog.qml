// qmllint disable unqualified
import QtQuick
import "../basic"

// A dialog page over the main screen's mask: a title band with a close icon, a body, and
// optionally OK and Cancel. It can be dragged by its body but stays inside the window.
Rectangle {
    id: dialog

    property string title
    property string okText
    property string cancelText
    // The area that the page is dragged within; a page built by a Loader names the screen.
    property Item dragBounds: parent
    default property alias content: body.data

    signal closeClicked()
    signal okClicked()
    signal cancelClicked()

    visible: false
    radius: 6
    color: "#171718"
    border.width: 1
    border.color: "#6f2929"

    MouseArea {
        anchors.fill: parent
        drag.target: dialog
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: dialog.dragBounds ? dialog.dragBounds.width - dialog.width : 0
        drag.maximumY: dialog.dragBounds ? dialog.dragBounds.height - dialog.height : 0
    }

    Rectangle {
        width: parent.width
        height: 30
        radius: 6
        gradient: Gradient {
            GradientStop { position: 0; color: "#761212" }
            GradientStop { position: 1; color: "#4f1717" }
        }
        Rectangle {
            y: parent.height - 6
            width: parent.width
            height: 6
            color: "#4f1717"
        }
        Text {
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: dialog.title
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
            font.bold: true
        }
        IconButton {
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            extraArea: 3
            normalSource: mainIten.skinImage("profile", "close.png")
            hoverSource: mainIten.skinImage("profile", "close_h.png")
            onClicked: dialog.closeClicked()
        }
    }

    Item {
        id: body
        x: 12
        y: 40
        width: parent.width - 24
        height: parent.height - 40 - (dialog.okText !== "" ? 44 : 12)
    }

    Row {
        visible: dialog.okText !== ""
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        spacing: 12
        RedButton {
            objectName: dialog.objectName + "Ok"
            textValue: dialog.okText
            fontFamily: mainIten.fontFamily
            onClicked: dialog.okClicked()
        }
        RedButton {
            objectName: dialog.objectName + "Cancel"
            textValue: dialog.cancelText
            fontFamily: mainIten.fontFamily
            onClicked: dialog.cancelClicked()
        }
    }
}
