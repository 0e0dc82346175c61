// qmllint disable unqualified
// dpiSettingMain and rightColumn are the main screen's, ui_View is published by the window
// controller.
import QtQuick
import "../basic"

// Lighting: the effect, its level and the light's colour. The colour section doubles as the
// colour editor of the DPI stage square chosen on the DPI page, which it follows.
Panel {
    id: lightControl

    property alias selModel: modelLayout.selModel
    // The level of each effect's slider, 0..4.
    property var levels: [4, 4, 4, 4]
    property int settingColorR: 255
    property int settingColorG: 0
    property int settingColorB: 0
    readonly property color settingColor: Qt.rgba(settingColorR / 255, settingColorG / 255, settingColorB / 255, 1)
    readonly property var presets: ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#00ffff", "#ff00ff", "#ffffff", "#ffffff"]
    readonly property alias huePos: hueHandle.x
    readonly property alias colorSectionX: colorSection.x

    signal clickLightControl()
    signal setLED(int effect, int option1, int option2, int colorR, int colorG, int colorB)

    function hex2(v) {
        return ("0" + (Number(v) & 255).toString(16)).slice(-2)
    }

    function setLEDProc() {
        setLED(selModel + 1, levels[selModel], 0, settingColorR, settingColorG, settingColorB)
    }

    function setLevel(model, level) {
        const list = levels.slice()
        list[model] = level
        levels = list
    }

    // Shows "#rrggbb" in the swatch and the numbers; anything else shows the default red.
    function showColor(colour) {
        const text = /^#[0-9a-fA-F]{6}$/.test(String(colour)) ? String(colour) : "#ff0000"
        settingColorR = parseInt(text.substr(1, 2), 16)
        settingColorG = parseInt(text.substr(3, 2), 16)
        settingColorB = parseInt(text.substr(5, 2), 16)
    }

    // The colour at hue position pos (the handle's x), in six segments of the 128-pixel bar.
    function colorAt(pos) {
        const s = Math.floor(128 / 6)
        const k = Math.floor((pos + 2) / s)
        const f = Math.floor(((pos + 2) - k * s) * 255 / s)
        let rgb
        switch (k) {
        case 0: rgb = [255, f, 0]; break
        case 1: rgb = [255 - f, 255, 0]; break
        case 2: rgb = [0, 255, f]; break
        case 3: rgb = [0, 255 - f, 255]; break
        case 4: rgb = [f, 0, 255]; break
        case 5: rgb = [255, 0, 255 - f]; break
        default: rgb = [255, 0, 0]; break
        }
        return "#" + rgb.map(hex2).join("")
    }

    function colorProc(pos) {
        const colour = colorAt(pos)
        hueHandle.x = Math.max(-2, Math.min(125, pos))
        dpiSettingMain.setColor(colour)
        showColor(colour)
        setLEDProc()
    }

    function initPos(colour) {
        showColor(colour)
        const r = settingColorR, g = settingColorG, b = settingColorB
        const d = 128 / 6
        const u = d / 256
        let x = 0
        if (r === 255 && b === 0)
            x = u * g
        else if (r === 0 && b === 255)
            x = 3 * d + u * (255 - g)
        else if (g === 255 && b === 0)
            x = d + u * (255 - r)
        else if (g === 0 && b === 255)
            x = 4 * d + u * r
        else if (r === 0 && g === 255)
            x = 2 * d + u * b
        else if (r === 255 && g === 0)
            x = 5 * d + u * (255 - b)
        hueHandle.x = Math.floor(x - 2)
    }

    // The DPI page opened the colour of stage `dpiSelect`: show it under that stage, send nothing.
    // The section stays whole inside the panel, which clips it: the fourth stage's place would
    // hide its left end (the red preset and the start of the hue bar).
    function showStageColor(dpiSelect, dpiColor) {
        const offsets = [25, 61, 98, -17, 20]
        const x = dpiSelect >= 0 && dpiSelect < offsets.length ? offsets[dpiSelect] : 58
        colorSection.x = Math.max(0, Math.min(width - colorSection.width, x))
        initPos(dpiColor)
    }

    function init(isSendData) {
        // A record shorter than the page's needs keeps the page's defaults for what it lacks.
        const stored = ui_View.ui_8DH_GetRGBLedEffect()
        const at = (i, fallback) => i < stored.length ? Number(stored[i]) : fallback
        const effect = at(0, 0)
        initPos("#" + hex2(at(3, 255)) + hex2(at(4, 0)) + hex2(at(5, 0)))
        const model = effect >= 1 && effect <= 3 ? effect - 1 : 3
        const list = [4, 4, 4, 4]
        list[model] = Math.max(0, Math.min(4, at(1, 4)))
        levels = list
        selModel = model
        if (isSendData)
            setLEDProc()
    }

    title: mainIten.mainLang[4]
    bodyHeight: 200

    Column {
        id: modelLayout

        property int selModel: 3

        x: 8
        y: 8
        spacing: 4

        Repeater {
            model: 4
            Item {
                id: effectRow

                required property int index
                readonly property bool isSelected: modelLayout.selModel === index

                objectName: "lightEffect" + index
                width: 226
                height: Math.max(22, radio.height + 6)
                activeFocusOnTab: true

                function choose() {
                    lightControl.clickLightControl()
                    modelLayout.selModel = index
                    lightControl.setLEDProc()
                }

                Keys.onPressed: function(event) {
                    if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                        effectRow.choose()
                        event.accepted = true
                    } else if (effectRow.isSelected && (event.key === Qt.Key_Left || event.key === Qt.Key_Right)) {
                        level.step(event.key === Qt.Key_Left ? -1 : 1)
                        event.accepted = true
                    }
                }

                FocusMark {
                    shown: effectRow.activeFocus
                }

                RadioItem {
                    id: radio
                    x: 4
                    anchors.verticalCenter: parent.verticalCenter
                    text: mainIten.mainLang[5 + effectRow.index]
                    checked: effectRow.isSelected
                    onClicked: effectRow.choose()
                }

                LevelSlider {
                    id: level
                    objectName: "lightLevel" + effectRow.index
                    x: 92
                    anchors.verticalCenter: parent.verticalCenter
                    enabled: effectRow.isSelected
                    value: lightControl.levels[effectRow.index]
                    onPressedChanged: {
                        rightColumn.interactive = !pressed
                        if (pressed)
                            lightControl.clickLightControl()
                    }
                    onLevelChosen: function(chosen) {
                        lightControl.setLevel(effectRow.index, chosen)
                        lightControl.setLEDProc()
                    }
                }
            }
        }
    }

    // Colour: the swatch with its numbers, the preset squares and the hue bar.
    Item {
        id: colorSection
        x: 58
        y: 130
        width: 128
        height: 64

        Text {
            y: 1
            text: mainIten.mainLang[30]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMinSize
        }

        Row {
            anchors.right: parent.right
            spacing: 5
            Rectangle {
                objectName: "settingColor"
                y: 1
                width: 18
                height: 12
                color: lightControl.settingColor
                border.width: 1
                border.color: "#60ffffff"
            }
            Repeater {
                model: [lightControl.settingColorR, lightControl.settingColorG, lightControl.settingColorB]
                Text {
                    required property int modelData
                    width: 20
                    horizontalAlignment: Text.AlignRight
                    text: modelData
                    color: "#c0c0c0"
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }
            }
        }

        Row {
            y: 22
            spacing: 10
            Repeater {
                model: lightControl.presets.length
                Rectangle {
                    id: preset

                    required property int index

                    function pick() {
                        lightControl.clickLightControl()
                        lightControl.initPos(lightControl.presets[index])
                        lightControl.setLEDProc()
                    }

                    objectName: "lightPreset" + index
                    // The last two squares are kept for more presets but not shown.
                    visible: index < 6
                    width: 12
                    height: 12
                    color: lightControl.presets[index]
                    border.width: 1
                    border.color: "#60ffffff"
                    activeFocusOnTab: visible

                    Keys.onPressed: function(event) {
                        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                            preset.pick()
                            event.accepted = true
                        }
                    }

                    FocusMark {
                        shown: preset.activeFocus
                    }

                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -2
                        onClicked: preset.pick()
                    }
                }
            }
        }

        Item {
            id: hueBar
            objectName: "lightHueBar"
            y: 46
            width: 128
            height: 10
            activeFocusOnTab: true

            // Arrows move the handle; the colour is taken when the key is let go, as on release
            // of a drag.
            Keys.onPressed: function(event) {
                const step = event.modifiers & Qt.ShiftModifier ? 8 : 1
                if (event.key === Qt.Key_Left || event.key === Qt.Key_Right) {
                    const dx = event.key === Qt.Key_Left ? -step : step
                    hueHandle.x = Math.max(-2, Math.min(125, hueHandle.x + dx))
                    event.accepted = true
                } else if (event.key === Qt.Key_Home || event.key === Qt.Key_End) {
                    hueHandle.x = event.key === Qt.Key_Home ? -2 : 125
                    event.accepted = true
                }
            }
            Keys.onReleased: function(event) {
                const keys = [Qt.Key_Left, Qt.Key_Right, Qt.Key_Home, Qt.Key_End]
                if (keys.indexOf(event.key) >= 0 && !event.isAutoRepeat) {
                    lightControl.colorProc(hueHandle.x)
                    event.accepted = true
                }
            }

            FocusMark {
                shown: hueBar.activeFocus
            }

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

            Rectangle {
                id: hueHandle
                objectName: "lightHueHandle"
                x: -2
                y: -3
                width: 5
                height: 16
                radius: 1
                color: "#ffffff"
                border.width: 1
                border.color: "#303030"
            }

            // A click takes the colour under the pointer; a drag moves the handle and takes
            // its colour on release.
            MouseArea {
                anchors.fill: parent
                anchors.topMargin: -4
                anchors.bottomMargin: -4
                preventStealing: true
                onPressed: function(mouse) {
                    rightColumn.interactive = false
                    lightControl.clickLightControl()
                    hueHandle.x = Math.max(-2, Math.min(125, Math.round(mouse.x) - 2))
                }
                onPositionChanged: function(mouse) {
                    hueHandle.x = Math.max(-2, Math.min(125, Math.round(mouse.x) - 2))
                }
                onReleased: {
                    rightColumn.interactive = true
                    lightControl.colorProc(hueHandle.x)
                }
                onCanceled: rightColumn.interactive = true
            }
        }
    }
}
