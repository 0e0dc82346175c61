// qmllint disable unqualified
import QtQuick

// The Slow .. Fast half dial of the pointer-speed and double-click panels. The pivot sits at
// (half the width, 70); the pointer's angle around it gives 0 on the left horizontal, 1..10
// across the dial and 11 exactly on the right horizontal.
Item {
    id: gauge

    property int value: 5
    readonly property int pivotX: width / 2
    readonly property int pivotY: 70
    // Picture 10 also stands for 11.
    readonly property int picture: Math.max(0, Math.min(10, value))

    signal dialPressed()
    signal dialMoved(int value)
    signal dialReleased()

    function angleAt(x, y) {
        const dy = Math.max(0, pivotY - y)
        if (x < pivotX) {
            const dx = pivotX - x
            if (dy === 0)
                return 0
            if (dx === 0)
                return 90
            return Math.floor(Math.atan(dy / dx) * 180 / Math.PI)
        }
        const dx = x - pivotX
        if (dy === 0)
            return 180
        if (dx === 0)
            return 90
        return 90 + Math.floor(Math.atan(dx / dy) * 180 / Math.PI)
    }

    function valueAt(x, y) {
        const angle = angleAt(x, y)
        return angle === 0 ? 0 : Math.floor(angle / 18) + 1
    }

    function track(x, y) {
        const v = valueAt(x, y)
        if (v !== value)
            dialMoved(v)
    }

    width: 242
    height: 92
    activeFocusOnTab: true

    Keys.onPressed: function(event) {
        let v = value
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Down)
            v = Math.max(0, value - 1)
        else if (event.key === Qt.Key_Right || event.key === Qt.Key_Up)
            v = Math.min(11, value + 1)
        else
            return
        event.accepted = true
        if (v !== value)
            dialMoved(v)
    }
    Keys.onReleased: function(event) {
        if (!event.isAutoRepeat && [Qt.Key_Left, Qt.Key_Down, Qt.Key_Right, Qt.Key_Up].indexOf(event.key) >= 0) {
            event.accepted = true
            dialReleased()
        }
    }

    Canvas {
        id: dial
        anchors.fill: parent
        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            const cx = gauge.pivotX, cy = gauge.pivotY, r = 54
            ctx.lineWidth = 10
            for (let i = 0; i < 10; ++i) {
                ctx.beginPath()
                ctx.strokeStyle = i < gauge.picture ? "#e0262f" : "#3a2323"
                ctx.arc(cx, cy, r, Math.PI + i * Math.PI / 10 + 0.03, Math.PI + (i + 1) * Math.PI / 10 - 0.03, false)
                ctx.stroke()
            }
            const a = Math.PI + gauge.picture * Math.PI / 10
            ctx.beginPath()
            ctx.strokeStyle = gauge.activeFocus ? "#ffffff" : "#d0d0d0"
            ctx.lineWidth = 2
            ctx.moveTo(cx, cy)
            ctx.lineTo(cx + (r - 12) * Math.cos(a), cy + (r - 12) * Math.sin(a))
            ctx.stroke()
            ctx.beginPath()
            ctx.fillStyle = "#761212"
            ctx.arc(cx, cy, 5, 0, 2 * Math.PI, false)
            ctx.fill()
        }
        Connections {
            target: gauge
            function onPictureChanged() { dial.requestPaint() }
            function onActiveFocusChanged() { dial.requestPaint() }
        }
    }

    Text {
        x: gauge.pivotX - 54 - width / 2
        y: gauge.pivotY + 6
        text: mainIten.mainLang[13]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMinSize
    }
    Text {
        x: gauge.pivotX + 54 - width / 2
        y: gauge.pivotY + 6
        text: mainIten.mainLang[14]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMinSize
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: gauge.pivotY + 6
        text: gauge.value
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMiddleSize
        font.bold: true
    }

    MouseArea {
        anchors.fill: parent
        preventStealing: true
        onPressed: function(mouse) {
            gauge.forceActiveFocus()
            gauge.dialPressed()
            gauge.track(mouse.x, mouse.y)
        }
        onPositionChanged: function(mouse) {
            if (pressed)
                gauge.track(mouse.x, mouse.y)
        }
        onReleased: gauge.dialReleased()
    }
}
