// qmllint disable unqualified
// The pages read the main screen's fonts through its id, mainIten.
import QtQuick

// The title bar of every side panel; a click anywhere on it, or Enter or Space while it has
// the keyboard focus, opens or closes the panel.
Rectangle {
    id: frame

    property string title

    signal openCloseMenu()
    signal clickFrame()

    function toggle() {
        openCloseMenu()
        clickFrame()
    }

    width: 242
    height: 18
    color: "#1a1a1a"
    activeFocusOnTab: true
    border.width: activeFocus ? 1 : 0
    border.color: "#8f2020"

    Keys.onReturnPressed: toggle()
    Keys.onEnterPressed: toggle()
    Keys.onSpacePressed: toggle()

    Rectangle {
        width: 2
        height: parent.height
        color: "#c3212b"
    }

    Text {
        x: 7
        anchors.verticalCenter: parent.verticalCenter
        text: frame.title
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
        font.bold: true
    }

    Text {
        anchors.right: parent.right
        anchors.rightMargin: 7
        anchors.verticalCenter: parent.verticalCenter
        text: "—"
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    MouseArea {
        anchors.fill: parent
        onClicked: frame.toggle()
    }
}
