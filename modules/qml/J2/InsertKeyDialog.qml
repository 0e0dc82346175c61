// qmllint disable unqualified
import QtQuick
import "../basic"

// The insert-key dialog of the macro editor, over the editor's own mask: each captured key
// shows its name in the field; OK hands the name back. Every key typed while it is open is a
// candidate for the field, so none of them works the dialog: OK is clicked. It has no cancel:
// OK with no key inserts nothing.
Rectangle {
    id: insertKey

    property string title
    property string okText
    property string keyName

    signal accepted(string keyName)

    function open() {
        keyName = ""
        visible = true
        box.forceActiveFocus()
    }

    function close() {
        visible = false
        accepted(keyName)
    }

    visible: false
    color: "#90000000"

    // The mask takes every click meant for the editor below.
    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        id: box
        anchors.centerIn: parent
        width: 240
        height: 130
        radius: 4
        color: "#1c1c1c"
        border.width: 1
        border.color: "#8f2020"
        Keys.onPressed: function(event) { event.accepted = true }

        Text {
            x: 12
            y: 8
            text: insertKey.title
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
            font.bold: true
        }

        Rectangle {
            objectName: "insertKeyField"
            x: 20
            y: 44
            width: 200
            height: 24
            color: "#101011"
            border.width: 1
            border.color: "#5a5a5a"
            Text {
                anchors.centerIn: parent
                text: insertKey.keyName
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
        }

        RedButton {
            id: okButton
            objectName: "insertKeyOk"
            anchors.horizontalCenter: parent.horizontalCenter
            y: 92
            textValue: insertKey.okText
            fontFamily: mainIten.fontFamily
            onClicked: insertKey.close()
        }
    }
}
