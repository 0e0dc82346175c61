import QtQuick

// The button row at the bottom right; its one button opens the factory-reset dialog.
Item {
    id: menuDown

    property string textValue
    property string fontFamily: "微软雅黑"

    signal btnClicked(int btnIndex)

    width: 78
    height: 28

    RedButton {
        anchors.fill: parent
        textValue: menuDown.textValue
        fontFamily: menuDown.fontFamily
        onClicked: menuDown.btnClicked(0)
    }
}
