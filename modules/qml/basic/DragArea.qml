// qmllint disable unqualified
// ui_Ctl is published by the window controller after the pages are loaded.
import QtQuick

// Drags the frameless window: while the left button is held, the window moves by the
// pointer's offset from where it went down, which brings the pointer back to that point.
MouseArea {
    id: dragArea

    property real pressX: 0
    property real pressY: 0

    signal areaPressed()

    acceptedButtons: Qt.LeftButton
    onPressed: function(mouse) {
        pressX = mouse.x
        pressY = mouse.y
        dragArea.areaPressed()
    }
    onPositionChanged: function(mouse) {
        if (!pressed)
            return
        const dx = Math.round(mouse.x - pressX)
        const dy = Math.round(mouse.y - pressY)
        if (dx !== 0)
            ui_Ctl.onXChanged(dx)
        if (dy !== 0)
            ui_Ctl.onYChanged(dy)
    }
}
