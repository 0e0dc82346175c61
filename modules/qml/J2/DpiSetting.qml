// qmllint disable unqualified
import QtQuick

// DPI stages (placeholder: shows and sends the stored stages; the sliders come later).
Panel {
    id: dpiSetting

    property int dpiCount: 6
    property var dpiValues: [16000, 16000, 16000, 16000, 16000, 16000, 16000, 16000]
    property var dpiSelects: [true, true, true, true, true, true, true, true]
    property var dpiColors: ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#00ffff", "#ff00ff", "#ff00ff", "#ff00ff"]
    property int selectRect: -1

    signal clickDpiSetting()
    signal dpiValueChange(int dpiIndex, string dpiData)
    signal dpiSelectChange(int dpiIndex)
    signal openColorBar(int dpiSelect, string dpiColor)
    signal dpiColorChange(string cl0, string cl1, string cl2, string cl3, string cl4, string cl5)

    function valueForDpi() {
        return dpiValues.slice()
    }

    function valueForDpiSelect() {
        return dpiSelects.map(s => s ? 1 : 0)
    }

    function dpiValueToDpiSet() {
        return dpiValues.map(v => Math.floor(v / 50))
    }

    function colorBytes() {
        const bytes = []
        for (const c of dpiColors)
            bytes.push(parseInt(c.substr(1, 2), 16), parseInt(c.substr(3, 2), 16), parseInt(c.substr(5, 2), 16))
        return bytes
    }

    function setColor(colorValue) {
        if (selectRect >= 0 && selectRect < 8) {
            const colors = dpiColors.slice()
            colors[selectRect] = colorValue
            dpiColors = colors
        }
        dpiColorChange(dpiColors[0], dpiColors[1], dpiColors[2], dpiColors[3], dpiColors[4], dpiColors[5])
    }

    function hex2(v) {
        return ("0" + (Number(v) & 255).toString(16)).slice(-2)
    }

    function init(isSendData) {
        const values = ui_View.ui_91H_GetDPISet()
        if (values.length >= 8)
            dpiValues = values.slice(0, 8).map(v => Number(v))
        const selects = ui_View.ui_91H_GetDPISelect()
        if (selects.length >= 8)
            dpiSelects = selects.slice(0, 8).map(v => Number(v) !== 0)
        const colors = ui_View.ui_90H_GetLED8StageColor(1)
        if (colors.length >= 24) {
            const list = []
            for (let i = 0; i < 8; ++i)
                list.push("#" + hex2(colors[3 * i]) + hex2(colors[3 * i + 1]) + hex2(colors[3 * i + 2]))
            dpiColors = list
        }
        if (isSendData) {
            dpiSelectChange(0)
            ui_View.mouseSetDPIColor(1, colorBytes())
        }
    }

    onDpiColorChange: ui_View.mouseSetDPIColor(1, colorBytes())

    title: mainIten.mainLang[3]
    bodyHeight: 238

    Row {
        x: 12
        y: 10
        spacing: 8
        Repeater {
            model: dpiSetting.dpiCount
            Item {
                id: stage
                required property int index
                readonly property int dpi: Number(dpiSetting.dpiValues[index])
                width: 30
                height: 222

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: stage.dpi
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }
                Rectangle {
                    id: track
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 18
                    width: 7
                    height: 154
                    radius: 3
                    color: "#2a2a2c"
                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        radius: 3
                        height: Math.max(0, Math.min(154, (stage.dpi - 200) * 154 / (mainIten.curDev === 0 ? 17800 : 15800)))
                        gradient: Gradient {
                            GradientStop { position: 0; color: "#ff3b3b" }
                            GradientStop { position: 1; color: "#761212" }
                        }
                    }
                }
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 180
                    width: 22
                    height: 14
                    radius: 2
                    color: dpiSetting.dpiSelects[stage.index] ? "#761212" : "#2a2a2c"
                    border.width: 1
                    border.color: "#4e3434"
                    Text {
                        anchors.centerIn: parent
                        text: stage.index + 1
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontMinSize
                    }
                }
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 206
                    width: 8
                    height: 8
                    color: dpiSetting.dpiColors[stage.index]
                    border.width: dpiSetting.selectRect === stage.index ? 1 : 0
                    border.color: "#ffffff"
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -4
                        onClicked: {
                            dpiSetting.clickDpiSetting()
                            dpiSetting.selectRect = stage.index
                            dpiSetting.openColorBar(stage.index, dpiSetting.dpiColors[stage.index])
                        }
                    }
                }
            }
        }
    }
}
