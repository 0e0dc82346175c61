import QtQuick

// The window buttons at the top right: help, minimise, close.
Row {
    id: menuUp

    property int skin_No: 1

    // 2 help, 0 minimise, 1 close.
    signal btnClicked(int btnIndex)

    function icon(name) {
        return "qrc:/index/modules/img/skin" + skin_No + "/index/" + name + ".png"
    }

    spacing: 2

    IconButton {
        normalSource: menuUp.icon("help")
        hoverSource: menuUp.icon("help_h")
        onClicked: menuUp.btnClicked(2)
    }
    IconButton {
        normalSource: menuUp.icon("min")
        hoverSource: menuUp.icon("min_h")
        onClicked: menuUp.btnClicked(0)
    }
    IconButton {
        normalSource: menuUp.icon("close")
        hoverSource: menuUp.icon("close_h")
        onClicked: menuUp.btnClicked(1)
    }
}
