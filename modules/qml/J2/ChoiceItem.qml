// qmllint disable unqualified
import QtQuick

// An option with its text: a square check mark, or a round mark (`round`) for one of a group.
// Clicking it, or Space while it has the keyboard focus, emits clicked(); the owner decides
// what `isSelect` becomes.
Item {
    id: choice

    property string text
    property bool isSelect: false
    property bool round: false

    signal clicked()

    width: mark.width + 6 + label.implicitWidth
    height: Math.max(16, label.implicitHeight)
    activeFocusOnTab: enabled
    opacity: enabled ? 1 : 0.5
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()

    Rectangle {
        id: mark
        anchors.verticalCenter: parent.verticalCenter
        width: 12
        height: 12
        radius: choice.round ? 6 : 2
        color: "#101011"
        border.width: 1
        border.color: choice.activeFocus ? "#ff3b3b" : (choice.isSelect ? "#c3212b" : "#5a5a5a")
        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: choice.round ? 3 : 1
            color: "#ff3b3b"
            visible: choice.isSelect
        }
    }

    Text {
        id: label
        x: mark.width + 6
        anchors.verticalCenter: parent.verticalCenter
        text: choice.text
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
        font.underline: choice.activeFocus
    }

    MouseArea {
        anchors.fill: parent
        onClicked: {
            choice.forceActiveFocus()
            choice.clicked()
        }
    }
}
