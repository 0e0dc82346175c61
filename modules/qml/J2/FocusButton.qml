// qmllint disable unqualified
import QtQuick

// The red push button of the dialog pages, also worked from the keyboard: Tab reaches it,
// Space or Enter presses it.
Rectangle {
    id: focusButton

    property string textValue

    signal clicked()

    width: 88
    height: 25
    radius: 2
    activeFocusOnTab: true
    opacity: enabled ? 1 : 0.4
    color: area.containsMouse || activeFocus ? "#761212" : "#4f1717"
    border.width: 1
    border.color: activeFocus ? "#ff3b3b" : "#4e3434"
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    Text {
        anchors.centerIn: parent
        text: focusButton.textValue
        color: "#ffffff"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: focusButton.clicked()
    }
}
