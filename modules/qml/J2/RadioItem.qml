// qmllint disable unqualified
import QtQuick

// A round option mark with its text; Space or Enter chooses it while it has the focus. Pages
// that want it in the Tab chain say so with activeFocusOnTab.
Item {
    id: radioItem

    property string text
    property bool checked: false

    signal clicked()

    width: mark.width + 6 + label.implicitWidth
    height: Math.max(14, label.implicitHeight)

    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    Rectangle {
        id: mark
        anchors.verticalCenter: parent.verticalCenter
        width: 12
        height: 12
        radius: 6
        color: "#101011"
        border.width: 1
        border.color: radioItem.checked || radioItem.activeFocus ? "#c3212b" : "#5a5a5a"
        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: 3
            color: "#ff3b3b"
            visible: radioItem.checked
        }
    }

    Text {
        id: label
        x: mark.width + 6
        anchors.verticalCenter: parent.verticalCenter
        text: radioItem.text
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
        font.underline: radioItem.activeFocus
    }

    MouseArea {
        anchors.fill: parent
        onClicked: radioItem.clicked()
    }
}
