// qmllint disable unqualified
// ui_Ctl is published by the window controller after the pages are loaded.
import QtQuick

// Drags the frameless window. The first move with the left button held hands the drag to the
// window manager or compositor, which is the only way on Wayland; where it cannot take it, the
// window moves by the pointer's offset from where it went down, which brings the pointer back
// to that point.
MouseArea {
    id: dragArea

    property real pressX: 0
    property real pressY: 0
    // 0: not asked yet in this drag, 1: the system moves the window, 2: the page moves it.
    property int moveBy: 0

    signal areaPressed()

    acceptedButtons: Qt.LeftButton
    onPressed: function(mouse) {
        pressX = mouse.x
        pressY = mouse.y
        moveBy = 0
        dragArea.areaPressed()
    }
    onPositionChanged: function(mouse) {
        if (!pressed)
            return
        const dx = Math.round(mouse.x - pressX)
        const dy = Math.round(mouse.y - pressY)
        if (dx === 0 && dy === 0)
            return
        if (moveBy === 0)
            moveBy = ui_Ctl.startSystemMove() ? 1 : 2
        if (moveBy === 1)
            return
        if (dx !== 0)
            ui_Ctl.onXChanged(dx)
        if (dy !== 0)
            ui_Ctl.onYChanged(dy)
    }
}
