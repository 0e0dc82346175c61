pragma ComponentBehavior: Bound
import QtQuick

// The colour picker of the DPI stages: six preset swatches and a hue bar with a slider. It
// takes the keyboard while open: Left and Right move the slider, 1..6 pick a preset, Enter
// and Escape close it and hand the focus back.
Rectangle {
    id: colorBar

    property string fontFamily: "微软雅黑"
    property string currentColor: "#ff0000"
    readonly property var presets: ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#0000ff", "#ff00ff"]
    readonly property int barWidth: 128
    readonly property alias sliderX: slider.x

    // Where the keyboard focus was when the picker opened.
    property Item focusBack: null

    signal colorPicked(string colour)

    // The colour at slider position p of the hue bar.
    function colorAt(p) {
        const w = Math.floor(barWidth / 6)
        const s = Math.floor((p + 2) / w)
        const t = Math.floor(((p + 2) - s * w) * 255 / w)
        let rgb
        switch (s) {
        case 0: rgb = [255, t, 0]; break
        case 1: rgb = [255 - t, 255, 0]; break
        case 2: rgb = [0, 255, t]; break
        case 3: rgb = [0, 255 - t, 255]; break
        case 4: rgb = [t, 0, 255]; break
        case 5: rgb = [255, 0, 255 - t]; break
        default: rgb = [255, 0, 0]; break
        }
        return "#" + rgb.map(v => ("0" + v.toString(16)).slice(-2)).join("")
    }

    // Red, green and blue of "#rrggbb"; an unreadable text gives [-1, -1, -1].
    function channels(colour) {
        const text = String(colour)
        if (!/^#[0-9a-fA-F]{6}$/.test(text))
            return [-1, -1, -1]
        return [parseInt(text.substr(1, 2), 16), parseInt(text.substr(3, 2), 16), parseInt(text.substr(5, 2), 16)]
    }

    // The slider position that shows `colour`; the first matching rule decides.
    function sliderXFor(colour) {
        const c = channels(colour)
        const r = c[0], g = c[1], b = c[2]
        const d = 128 / 6
        const v = d / 256
        let pos = 0
        if (r === 255 && b === 0)
            pos = v * g
        else if (r === 0 && b === 255)
            pos = 3 * d + v * (255 - g)
        else if (g === 255 && b === 0)
            pos = d + v * (255 - r)
        else if (g === 0 && b === 255)
            pos = 4 * d + v * r
        else if (r === 0 && g === 255)
            pos = 2 * d + v * b
        else if (r === 255 && g === 0)
            pos = 5 * d + v * (255 - b)
        return Math.trunc(pos - 2)
    }

    function clampSlider(x) {
        return Math.max(-2, Math.min(barWidth - 3, x))
    }

    function open(colour) {
        currentColor = channels(colour)[0] < 0 ? "#ff0000" : String(colour).toLowerCase()
        slider.x = sliderXFor(colour)
        const previous = Window.activeFocusItem
        focusBack = previous && previous !== colorBar ? previous : null
        visible = true
        forceActiveFocus()
    }

    function close() {
        visible = false
        if (focusBack)
            focusBack.forceActiveFocus()
        focusBack = null
    }

    function pickAt(p) {
        currentColor = colorAt(p)
        colorPicked(currentColor)
    }

    function pickPreset(index) {
        currentColor = presets[index]
        slider.x = sliderXFor(currentColor)
        colorPicked(currentColor)
    }

    width: 160
    height: 103
    color: "#1c1c1c"
    border.width: 1
    border.color: "#c0c0c0"

    Keys.onPressed: function(event) {
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Right) {
            const step = (event.modifiers & Qt.ShiftModifier) ? 10 : 2
            slider.x = clampSlider(slider.x + (event.key === Qt.Key_Right ? step : -step))
        } else if (event.key >= Qt.Key_1 && event.key <= Qt.Key_6) {
            pickPreset(event.key - Qt.Key_1)
        } else if (event.key === Qt.Key_Escape || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            close()
        } else {
            return
        }
        event.accepted = true
    }
    Keys.onReleased: function(event) {
        if (!event.isAutoRepeat && (event.key === Qt.Key_Left || event.key === Qt.Key_Right)) {
            event.accepted = true
            pickAt(slider.x)
        }
    }

    // Swallows clicks so that they do not reach the background under the popup.
    MouseArea {
        anchors.fill: parent
    }

    Text {
        x: 8
        y: 5
        // Laid out only when shown, so that an English session loads no CJK font for it.
        text: colorBar.visible ? "颜色选择" : ""
        color: "#ffffff"
        font.family: colorBar.fontFamily
        font.pixelSize: 11
    }

    Row {
        x: 8
        y: 26
        spacing: 7
        Repeater {
            model: colorBar.presets.length
            Rectangle {
                required property int index
                width: 9
                height: 9
                color: colorBar.presets[index]
                border.width: 1
                border.color: "#60ffffff"
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onClicked: colorBar.pickPreset(parent.index)
                }
            }
        }
    }

    Row {
        x: 8
        y: 44
        spacing: 6
        Text {
            text: colorBar.visible ? "自定义颜色" : ""
            color: "#ffffff"
            font.family: colorBar.fontFamily
            font.pixelSize: 10
        }
        Rectangle {
            y: 2
            width: 9
            height: 9
            color: colorBar.currentColor
            border.width: 1
            border.color: "#60ffffff"
        }
        Text {
            readonly property var rgb: colorBar.channels(colorBar.currentColor)
            text: rgb[0] + "  " + rgb[1] + "  " + rgb[2]
            color: "#c0c0c0"
            font.family: colorBar.fontFamily
            font.pixelSize: 10
        }
    }

    Item {
        id: hue
        x: 16
        y: 74
        width: colorBar.barWidth
        height: 10

        Rectangle {
            anchors.fill: parent
            radius: 2
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0 / 6; color: "#ff0000" }
                GradientStop { position: 1 / 6; color: "#ffff00" }
                GradientStop { position: 2 / 6; color: "#00ff00" }
                GradientStop { position: 3 / 6; color: "#00ffff" }
                GradientStop { position: 4 / 6; color: "#0000ff" }
                GradientStop { position: 5 / 6; color: "#ff00ff" }
                GradientStop { position: 6 / 6; color: "#ff0000" }
            }
        }

        MouseArea {
            anchors.fill: parent
            anchors.topMargin: -3
            anchors.bottomMargin: -3
            onClicked: function(mouse) {
                slider.x = colorBar.clampSlider(Math.round(mouse.x) - 2)
                colorBar.pickAt(slider.x)
            }
        }

        Rectangle {
            id: slider
            objectName: "colorSlider"
            x: -2
            y: -3
            width: 5
            height: 16
            radius: 1
            color: "#ffffff"
            border.width: 1
            border.color: "#303030"

            MouseArea {
                anchors.fill: parent
                anchors.margins: -2
                drag.target: slider
                drag.axis: Drag.XAxis
                drag.minimumX: -2
                drag.maximumX: colorBar.barWidth - 3
                drag.threshold: 0
                onReleased: colorBar.pickAt(slider.x)
            }
        }
    }
}
