// qmllint disable unqualified
import QtQuick

// A ten-step horizontal slider. The handle's x for the positions 0..9 is fixed; a pointer
// puts position 9 one pixel further right than loading does.
Item {
    id: slider

    property int value: 4
    readonly property var positions: [10, 30, 52, 74, 95, 116, 137, 159, 180, 199]
    readonly property var bounds: [30, 52, 74, 95, 116, 137, 159, 180, 200]
    // Position 9 was set by the pointer.
    property bool pointerNine: false
    readonly property int handleX: value === 9 && pointerNine ? 200 : positions[Math.max(0, Math.min(9, value))]

    // `stepped` asks the page to show a position; `picked` when the pointer or a key leaves the
    // slider on another position than it found.
    signal stepped(int value)
    signal picked(int value)

    property int startValue: 0

    function valueAt(x) {
        for (let i = 0; i < bounds.length; ++i) {
            if (x < bounds[i])
                return i
        }
        return 9
    }

    function reset() {
        pointerNine = false
    }

    function track(x) {
        const v = valueAt(x)
        pointerNine = true
        if (v !== value)
            stepped(v)
    }

    function finish() {
        if (value !== startValue)
            picked(value)
    }

    width: 212
    height: 16
    activeFocusOnTab: true

    Keys.onPressed: function(event) {
        if (event.key !== Qt.Key_Left && event.key !== Qt.Key_Right)
            return
        event.accepted = true
        if (!event.isAutoRepeat)
            startValue = value
        const v = Math.max(0, Math.min(9, value + (event.key === Qt.Key_Right ? 1 : -1)))
        pointerNine = false
        if (v !== value)
            stepped(v)
    }
    Keys.onReleased: function(event) {
        if (!event.isAutoRepeat && (event.key === Qt.Key_Left || event.key === Qt.Key_Right)) {
            event.accepted = true
            finish()
        }
    }

    Rectangle {
        x: 10
        y: 7
        width: 190
        height: 3
        radius: 1
        color: "#2a2a2c"
        Rectangle {
            width: slider.handleX - 10
            height: parent.height
            radius: 1
            color: "#c3212b"
        }
    }

    Repeater {
        model: slider.positions
        Rectangle {
            required property int modelData
            x: modelData
            y: 12
            width: 1
            height: 3
            color: "#5a5a5a"
        }
    }

    Rectangle {
        objectName: "xyHandle"
        x: slider.handleX - 3
        y: 2
        width: 7
        height: 12
        radius: 2
        color: area.pressed || slider.activeFocus ? "#ffffff" : "#d0d0d0"
        border.width: 1
        border.color: slider.activeFocus ? "#c3212b" : "#761212"
    }

    MouseArea {
        id: area
        anchors.fill: parent
        preventStealing: true
        onPressed: function(mouse) {
            slider.forceActiveFocus()
            slider.startValue = slider.value
            slider.track(mouse.x)
        }
        onPositionChanged: function(mouse) {
            if (pressed)
                slider.track(mouse.x)
        }
        onReleased: slider.finish()
    }
}
