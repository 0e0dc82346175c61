// qmllint disable unqualified
import QtQuick

// Lighting (placeholder: shows and sends the stored effect; the level sliders and the hue
// bar come later).
Panel {
    id: lightControl

    property int selModel: 3
    property var levels: [4, 4, 4, 4]
    property int settingColorR: 255
    property int settingColorG: 0
    property int settingColorB: 0

    signal clickLightControl()
    signal setLED(int effect, int option1, int option2, int colorR, int colorG, int colorB)

    function setLEDProc() {
        setLED(selModel + 1, levels[selModel], 0, settingColorR, settingColorG, settingColorB)
    }

    function init(isSendData) {
        const stored = ui_View.ui_8DH_GetRGBLedEffect()
        const effect = stored.length > 0 ? Number(stored[0]) : 0
        const model = effect >= 1 && effect <= 3 ? effect - 1 : 3
        const list = [4, 4, 4, 4]
        if (stored.length > 1)
            list[model] = Math.max(0, Math.min(4, Number(stored[1])))
        levels = list
        selModel = model
        if (stored.length >= 6) {
            settingColorR = Number(stored[3]) & 255
            settingColorG = Number(stored[4]) & 255
            settingColorB = Number(stored[5]) & 255
        }
        if (isSendData)
            setLEDProc()
    }

    title: mainIten.mainLang[4]
    bodyHeight: 150

    Column {
        x: 14
        y: 12
        spacing: 9
        Repeater {
            model: 4
            RadioItem {
                required property int index
                text: mainIten.mainLang[5 + index].replace("\n", "")
                checked: lightControl.selModel === index
                onClicked: {
                    lightControl.clickLightControl()
                    lightControl.selModel = index
                    lightControl.setLEDProc()
                }
            }
        }
    }

    Column {
        x: 150
        y: 12
        spacing: 8
        Repeater {
            model: 4
            Row {
                id: levelRow
                required property int index
                height: 14
                spacing: 3
                opacity: lightControl.selModel === levelRow.index ? 1 : 0.35
                Repeater {
                    model: 5
                    Rectangle {
                        required property int index
                        y: 3
                        width: 12
                        height: 8
                        radius: 1
                        color: index <= lightControl.levels[levelRow.index] ? "#c3212b" : "#2a2a2c"
                    }
                }
            }
        }
    }

    Row {
        x: 14
        y: 118
        spacing: 10
        Text {
            text: mainIten.mainLang[30]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        Rectangle {
            y: 1
            width: 26
            height: 14
            color: Qt.rgba(lightControl.settingColorR / 255, lightControl.settingColorG / 255,
                           lightControl.settingColorB / 255, 1)
            border.width: 1
            border.color: "#60ffffff"
        }
        Text {
            text: lightControl.settingColorR + "  " + lightControl.settingColorG + "  " + lightControl.settingColorB
            color: "#c0c0c0"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMinSize
        }
    }
}
