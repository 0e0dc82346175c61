// qmllint disable unqualified
import QtQuick

// One DPI stage's vertical slider: a 7 x 170 column whose bar travels 154 pixels (top at
// y 8, bottom at y 162). The stage's DPI is held by the page and only drawn here, so that a
// stored value shows and goes back to the mouse exactly, whatever pixel it falls on.
Item {
    id: slider

    property int dpiValue: 16000
    readonly property int minDpi: mainIten.curModel.dpiMinimum
    readonly property int dpiStep: mainIten.curModel.dpiStep
    readonly property int range: mainIten.curModel.dpiMaximum - minDpi
    readonly property int maxDpi: dpiAt(154)
    readonly property real filled: Math.max(0, Math.min(154, (dpiValue - minDpi) * 154 / range))
    readonly property bool pressed: area.pressed

    // The shown DPI changes while the pointer moves; `sliderMove` asks for it to be sent.
    signal moved(int dpi)
    signal sliderMove(int dpi)
    signal sliderPressed()

    // The value at the start of a press or key stroke: released on another, it is sent.
    property int sentDpi: 0
    property bool fromHandle: false

    function dpiAt(h) {
        return Math.floor((range * h / 154 + minDpi) / dpiStep) * dpiStep
    }

    function heightAt(y) {
        const travel = y < 8 ? 0 : (y > 162 ? 154 : y - 8)
        return 154 - travel
    }

    function show(dpi) {
        if (dpi !== dpiValue)
            moved(dpi)
    }

    function commit() {
        if (dpiValue !== sentDpi) {
            sentDpi = dpiValue
            sliderMove(dpiValue)
        }
    }

    // Keyboard steps go to the next multiple of the model's step in the wanted direction.
    function step(delta) {
        const next = delta > 0 ? Math.floor(dpiValue / dpiStep) * dpiStep + delta
                               : Math.ceil(dpiValue / dpiStep) * dpiStep + delta
        show(Math.max(minDpi, Math.min(maxDpi, next)))
    }

    width: 7
    height: 170
    activeFocusOnTab: true

    Keys.onPressed: function(event) {
        if (!event.isAutoRepeat)
            sentDpi = dpiValue
        switch (event.key) {
        case Qt.Key_Up: case Qt.Key_Right: step(dpiStep); break
        case Qt.Key_Down: case Qt.Key_Left: step(-dpiStep); break
        case Qt.Key_PageUp: step(1000); break
        case Qt.Key_PageDown: step(-1000); break
        case Qt.Key_Home: show(minDpi); break
        case Qt.Key_End: show(maxDpi); break
        default: return
        }
        event.accepted = true
    }
    Keys.onReleased: function(event) {
        if (!event.isAutoRepeat && [Qt.Key_Up, Qt.Key_Right, Qt.Key_Down, Qt.Key_Left, Qt.Key_PageUp,
                                    Qt.Key_PageDown, Qt.Key_Home, Qt.Key_End].indexOf(event.key) >= 0) {
            commit()
            event.accepted = true
        }
    }

    Rectangle {
        id: track
        y: 8
        width: parent.width
        height: 154
        radius: 3
        color: "#2a2a2c"
        border.width: slider.activeFocus ? 1 : 0
        border.color: "#c3212b"

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: slider.filled
            radius: 3
            gradient: Gradient {
                GradientStop { position: 0; color: "#ff3b3b" }
                GradientStop { position: 1; color: "#761212" }
            }
        }
    }

    Rectangle {
        id: handle
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8 + 154 - slider.filled - height / 2
        width: 15
        height: 7
        radius: 2
        color: area.pressed || slider.activeFocus ? "#ffffff" : "#d0d0d0"
        border.width: 1
        border.color: "#761212"
    }

    MouseArea {
        id: area
        // Wider than the bar, so that a person need not hit its seven pixels.
        x: -11
        width: parent.width + 22
        height: parent.height
        preventStealing: true
        onPressed: function(mouse) {
            slider.forceActiveFocus()
            slider.sliderPressed()
            slider.sentDpi = slider.dpiValue
            slider.fromHandle = Math.abs(mouse.y - (handle.y + handle.height / 2)) <= handle.height
            if (!slider.fromHandle) {
                slider.show(slider.dpiAt(slider.heightAt(mouse.y)))
                slider.commit()
            }
        }
        onPositionChanged: function(mouse) {
            if (pressed)
                slider.show(slider.dpiAt(slider.heightAt(mouse.y)))
        }
        onReleased: slider.commit()
        onCanceled: slider.commit()
    }
}
