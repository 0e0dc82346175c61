// qmllint disable unqualified
import QtQuick

// The eight DPI stages: a slider, a select button and a colour square each. All eight are
// stored and sent; `dpiCount` of them are shown.
Panel {
    id: dpiSetting

    property int dpiCount: 6
    readonly property int defaultDpi: 16000
    readonly property var defaultColors: ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#00ffff", "#ff00ff",
        "#ff00ff", "#ff00ff"]
    property var dpiValues: [16000, 16000, 16000, 16000, 16000, 16000, 16000, 16000]
    property var dpiSelects: [true, true, true, true, true, true, true, true]
    property var dpiColors: defaultColors.slice()
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
        if (selectRect < 0 || selectRect > 7)
            return
        const colors = dpiColors.slice()
        colors[selectRect] = colorValue
        dpiColors = colors
        dpiColorChange(dpiColors[0], dpiColors[1], dpiColors[2], dpiColors[3], dpiColors[4], dpiColors[5])
    }

    function setStage(index, dpi) {
        const values = dpiValues.slice()
        values[index] = dpi
        dpiValues = values
    }

    function toggleSelect(index) {
        const selects = dpiSelects.slice()
        selects[index] = !selects[index]
        dpiSelects = selects
        clickDpiSetting()
        dpiSelectChange(index)
    }

    function chooseColor(index) {
        clickDpiSetting()
        selectRect = index
        openColorBar(index, dpiColors[index])
    }

    function hex2(v) {
        return ("0" + (Number(v) & 255).toString(16)).slice(-2)
    }

    // A stored stage that is missing or no number shows the page's default; one outside the
    // sensor's range is brought to its nearest end, so that the mouse never gets a stage the
    // slider cannot show.
    function usableDpi(v) {
        const dpi = Math.floor(Number(v))
        if (v === undefined || v === null || v === "" || isNaN(dpi))
            return defaultDpi
        return Math.max(mainIten.curModel.dpiMinimum, Math.min(mainIten.curModel.dpiMaximum, dpi))
    }

    function init(isSendData) {
        const stored = ui_View.ui_91H_GetDPISet()
        const values = []
        for (let i = 0; i < 8; ++i)
            values.push(usableDpi(stored[i]))
        if (!mainIten.isPowerOn && mainIten.adoptMouseValues) {
            // The mouse keeps its stages across programs: at the first start its own win.
            const device = ui_View.mouseReadDPISet()
            let differ = false
            for (let i = 0; i < 8 && i < device.length; ++i) {
                if (Number(device[i]) !== Number(stored[i])) {
                    values[i] = usableDpi(device[i])
                    differ = true
                }
            }
            if (differ || isSendData) {
                ui_View.ui_11H_SetDPISetTmp(values)
                isSendData = false
            }
        }
        dpiValues = values

        const selects = ui_View.ui_91H_GetDPISelect()
        const flags = []
        for (let i = 0; i < 8; ++i)
            flags.push(i < selects.length ? Number(selects[i]) === 1 : true)
        dpiSelects = flags

        const bytes = ui_View.ui_90H_GetLED8StageColor(1)
        const colors = []
        for (let i = 0; i < 8; ++i) {
            colors.push(3 * i + 2 < bytes.length
                        ? "#" + hex2(bytes[3 * i]) + hex2(bytes[3 * i + 1]) + hex2(bytes[3 * i + 2])
                        : defaultColors[i])
        }
        dpiColors = colors

        if (isSendData) {
            dpiSelectChange(0)
            ui_View.mouseSetDPIColor(1, colorBytes())
        }
    }

    onDpiColorChange: ui_View.mouseSetDPIColor(1, colorBytes())

    title: mainIten.mainLang[3]
    bodyHeight: 238

    Row {
        x: 4
        y: 2
        Repeater {
            model: 8
            Item {
                id: stage
                objectName: "dpiStage" + index
                required property int index
                readonly property int dpi: Number(dpiSetting.dpiValues[index])
                visible: index < dpiSetting.dpiCount
                width: 36
                height: 236

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 2
                    text: stage.dpi
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }

                DpiSlider {
                    objectName: "dpiSlider" + stage.index
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 16
                    dpiValue: stage.dpi
                    activeFocusOnTab: dpiSetting.isOpen && stage.visible
                    onSliderPressed: dpiSetting.clickDpiSetting()
                    onMoved: function(dpi) { dpiSetting.setStage(stage.index, dpi) }
                    onSliderMove: function(dpi) { dpiSetting.dpiValueChange(stage.index, String(dpi)) }
                }

                Rectangle {
                    objectName: "dpiSelect" + stage.index
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 194
                    width: 24
                    height: 15
                    radius: 2
                    activeFocusOnTab: dpiSetting.isOpen && stage.visible
                    color: dpiSetting.dpiSelects[stage.index] ? "#761212" : "#2a2a2c"
                    border.width: 1
                    border.color: activeFocus ? "#ffffff" : "#4e3434"
                    Keys.onSpacePressed: dpiSetting.toggleSelect(stage.index)
                    Keys.onReturnPressed: dpiSetting.toggleSelect(stage.index)
                    Keys.onEnterPressed: dpiSetting.toggleSelect(stage.index)
                    Text {
                        anchors.centerIn: parent
                        text: stage.index + 1
                        color: dpiSetting.dpiSelects[stage.index] ? mainIten.fontColor : "#808080"
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontMinSize
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            parent.forceActiveFocus()
                            dpiSetting.toggleSelect(stage.index)
                        }
                    }
                }

                Rectangle {
                    objectName: "dpiColor" + stage.index
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 218
                    width: 8
                    height: 8
                    visible: stage.index < 3 || stage.index < dpiSetting.dpiCount
                    activeFocusOnTab: dpiSetting.isOpen && visible
                    color: dpiSetting.dpiColors[stage.index]
                    border.width: dpiSetting.selectRect === stage.index || activeFocus ? 1 : 0
                    border.color: "#ffffff"
                    Keys.onSpacePressed: dpiSetting.chooseColor(stage.index)
                    Keys.onReturnPressed: dpiSetting.chooseColor(stage.index)
                    Keys.onEnterPressed: dpiSetting.chooseColor(stage.index)
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -5
                        onClicked: {
                            parent.forceActiveFocus()
                            dpiSetting.chooseColor(stage.index)
                        }
                    }
                }
            }
        }
    }
}
