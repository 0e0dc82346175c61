pragma ComponentBehavior: Bound
import QtQuick

// A five-step level slider (0..4). A click, or a drag, chooses the level under the pointer on
// release; only a release on another level than the press started from reports a choice. The
// owner keeps `value` and sets it from levelChosen.
Item {
    id: slider

    property int value: 4
    readonly property var handleX: [4, 34, 63, 93, 122]
    readonly property alias pressed: area.pressed
    // The level at the press, while the handle is held.
    property int pressValue: -1
    // Where the held handle is drawn; it follows the pointer between the two ends.
    property real dragX: 0
    readonly property real handlePos: area.pressed ? dragX : handleX[Math.max(0, Math.min(4, value))]

    signal levelChosen(int level)

    function levelAt(x) {
        if (x < 34)
            return 0
        if (x < 63)
            return 1
        if (x < 93)
            return 2
        if (x < 122)
            return 3
        return 4
    }

    // The keyboard's step: one level at a time, chosen at once.
    function step(delta) {
        const level = Math.max(0, Math.min(4, value + delta))
        if (level !== value)
            levelChosen(level)
    }

    width: 132
    height: 16
    opacity: enabled ? 1 : 0.35

    Rectangle {
        x: 4
        anchors.verticalCenter: parent.verticalCenter
        width: 124
        height: 3
        radius: 1
        color: "#2a2a2c"
        Rectangle {
            width: slider.handlePos
            height: parent.height
            radius: 1
            color: "#c3212b"
        }
    }

    Repeater {
        model: 5
        Rectangle {
            required property int index
            x: slider.handleX[index] + 3
            y: 12
            width: 1
            height: 3
            color: "#5a5a5a"
        }
    }

    Rectangle {
        objectName: "levelHandle"
        x: slider.handlePos
        anchors.verticalCenter: parent.verticalCenter
        width: 7
        height: 12
        radius: 2
        color: "#e0e0e0"
        border.width: 1
        border.color: "#303030"
    }

    MouseArea {
        id: area
        anchors.fill: parent
        anchors.topMargin: -3
        anchors.bottomMargin: -3
        preventStealing: true
        onPressed: function(mouse) {
            slider.pressValue = slider.value
            slider.dragX = Math.max(4, Math.min(122, mouse.x - 3))
        }
        onPositionChanged: function(mouse) {
            slider.dragX = Math.max(4, Math.min(122, mouse.x - 3))
        }
        onReleased: function(mouse) {
            const level = slider.levelAt(mouse.x)
            const from = slider.pressValue
            slider.pressValue = -1
            if (level !== from)
                slider.levelChosen(level)
        }
        onCanceled: slider.pressValue = -1
    }
}
