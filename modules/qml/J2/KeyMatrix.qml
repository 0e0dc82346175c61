// qmllint disable unqualified
import QtQuick

// Button assignment list (placeholder: shows and sends the stored matrix; the full labels
// come with the key assignment pages).
Panel {
    id: keyMatrix

    property var keyMatrixLang: ["Macro: ", "Deactivated", "Keyboard Key-", "Button Assignment", "Button ", "Fire Key"]
    readonly property var defalutValue: ["0100f000", "0100f100", "0100f200", "0100f400", "0100f300", "07000100",
        "07000200", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
        "04000100", "04000200"]
    // 16 entries of four bytes; a macro entry's slot is held 0-based.
    property var modKeys: defalutValue.map(e => [0, 2, 4, 6].map(i => parseInt(e.substr(i, 2), 16)))
    property int hoverIndex: -1
    readonly property var names: ({
        "0100f000": "Left Button", "0100f100": "Right Button", "0100f200": "Middle Button",
        "0100f300": "Back", "0100f400": "Forward", "07000100": "DPI +", "07000200": "DPI -",
        "07000300": "DPI LOOP", "0a070000": "Fn"
    })

    signal enterBtn(int index)
    signal leaveBtn()
    signal clickKeyMatrix(int index)

    function entryText(entry) {
        return entry.map(b => ("0" + (Number(b) & 255).toString(16)).slice(-2)).join("")
    }

    function keyCodetoText(entry) {
        if (entry[0] === 0x09)
            return keyMatrixLang[0] + String(ui_View.getMacroKey(entry[2]) || "")
        if (entry[0] === 0x0a)
            return "Fn"
        if (entry.every(b => b === 0))
            return keyMatrixLang[1]
        if (entry[0] === 11 && entry[1] === 240)
            return keyMatrixLang[5]
        return names[entryText(entry)] || entryText(entry)
    }

    function wireBytes() {
        const bytes = []
        for (const entry of modKeys)
            bytes.push(entry[0], entry[1], entry[0] === 0x09 ? entry[2] + 1 : entry[2], entry[3])
        return bytes
    }

    function init(isSendData) {
        const keys = []
        const sent = []
        for (let i = 0; i < 16; ++i) {
            const stored = ui_View.getKeydefine(i)
            const entry = [0, 1, 2, 3].map(b => b < stored.length ? Number(stored[b]) & 255 : 0)
            sent.push(...entry)
            if (entry[0] === 0x09)
                entry[2] = (entry[2] + 255) & 255
            keys.push(entry)
        }
        modKeys = keys
        if (isSendData)
            ui_View.ui_07H_SetKeyMatrix(sent)
    }

    function refreashUI() {
        modKeys = modKeys.slice()
        ui_View.ui_07H_SetKeyMatrix(wireBytes())
    }

    function modifyData(index, tmp0, tmp1, tmp2, tmp3) {
        if (index < 0 || index > 15)
            return
        const isLeft = e => e[0] === 0x01 && e[2] === 0xf0
        if (isLeft(modKeys[index]) && modKeys.filter(isLeft).length < 2)
            return
        const keys = modKeys.slice()
        keys[index] = [tmp0, tmp1, tmp2, tmp3]
        modKeys = keys
    }

    function deleteMacroProc(macroName) {
        for (let i = 0; i < 9; ++i) {
            if (keyCodetoText(modKeys[i]) === keyMatrixLang[0] + macroName) {
                const keys = modKeys.slice()
                keys[i] = [0, 2, 4, 6].map(p => parseInt(defalutValue[i].substr(p, 2), 16))
                modKeys = keys
                refreashUI()
            }
        }
    }

    function getx(index) {
        return 249
    }

    function gety(index) {
        return index >= 0 && index <= 7 ? 131 + 21 * index : 299
    }

    title: keyMatrixLang[3]
    bodyHeight: 9 * 21 + 10

    Column {
        x: 6
        y: 6
        spacing: 4
        Repeater {
            model: mouseMain.keyCount
            Row {
                id: keyRow
                required property int index
                spacing: 8
                Rectangle {
                    width: 86
                    height: 17
                    color: "#161616"
                    border.width: 1
                    border.color: "#626262"
                    Text {
                        anchors.centerIn: parent
                        text: keyMatrix.keyMatrixLang[4] + (keyRow.index + 1)
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontMinSize + 1
                    }
                }
                Rectangle {
                    width: 130
                    height: 17
                    color: mouseMain.selectKey === keyRow.index || keyMatrix.hoverIndex === keyRow.index ? "#761212" : "#4f1717"
                    border.width: 1
                    border.color: "#4e3434"
                    Text {
                        anchors.centerIn: parent
                        width: parent.width - 6
                        horizontalAlignment: Text.AlignHCenter
                        elide: Text.ElideRight
                        text: keyMatrix.keyCodetoText(keyMatrix.modKeys[keyRow.index])
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontMinSize + 1
                    }
                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                        onEntered: {
                            keyMatrix.hoverIndex = keyRow.index
                            keyMatrix.enterBtn(keyRow.index)
                        }
                        onExited: {
                            keyMatrix.hoverIndex = -1
                            keyMatrix.leaveBtn()
                        }
                        onClicked: keyMatrix.clickKeyMatrix(keyRow.index)
                    }
                }
            }
        }
    }
}
