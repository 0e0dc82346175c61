// qmllint disable unqualified
import QtQuick

// The button list: one row per mouse button with the label of its assignment. Rows are
// chosen with the pointer or with the arrow keys; a click, Enter or Space opens the function
// menu for the row.
Panel {
    id: keyMatrix

    property var keyMatrixLang: ["Macro: ", "Deactivated", "Keyboard Key-", "Button Assignment", "Button ", "Fire Key"]
    readonly property var defalutValue: ["0100f000", "0100f100", "0100f200", "0100f400", "0100f300", "07000100",
        "07000200", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
        "04000100", "04000200"]
    // 16 entries of four bytes; a macro entry's slot is held 0-based.
    property var modKeys: defalutValue.map(e => digitsToEntry(e))
    property var rowNames: []
    property int hoverIndex: -1
    // The row that has the keyboard; -1 while the list has none.
    property int focusIndex: -1

    signal enterBtn(int index)
    signal leaveBtn()
    signal clickKeyMatrix(int index)

    function digitsToEntry(digits) {
        const entry = []
        for (let i = 0; i < 8; i += 2)
            entry.push(parseInt(digits.substr(i, 2), 16))
        return entry
    }

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
        if (entry[0] === 0 && entry[1] === 0 && entry[3] === 0)
            return keyMatrixLang[2] + _KeyCodeString.keycodeTostr(entry[2])
        if (entry[0] === 11 && entry[1] === 240)
            return keyMatrixLang[5]
        return _KeyCodeString.entryLabel(entryText(entry), mainIten.language === 1)
    }

    // A stored entry as the page holds it. One that is missing, short or not made of whole
    // numbers is the button's default: zeros would switch the button off, and keeping the
    // previous profile's entry would show and send a value this profile never had.
    function storedEntry(index, stored) {
        if (!stored || stored.length < 4)
            return digitsToEntry(defalutValue[index])
        const entry = []
        for (let b = 0; b < 4; ++b) {
            const n = Number(stored[b])
            if (!Number.isInteger(n))
                return digitsToEntry(defalutValue[index])
            entry.push(n & 255)
        }
        return entry
    }

    function wireBytes() {
        const bytes = []
        for (const entry of modKeys)
            bytes.push(entry[0], entry[1], entry[0] === 0x09 ? (entry[2] + 1) & 255 : entry[2], entry[3])
        return bytes
    }

    function init(isSendData) {
        const names = []
        for (let r = 0; r < 9; ++r)
            names.push(keyMatrixLang[4] + (r + 1))
        rowNames = names
        const keys = []
        const sent = []
        for (let i = 0; i < 16; ++i) {
            const entry = storedEntry(i, ui_View.getKeydefine(i))
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
        keys[index] = [tmp0, tmp1, tmp2, tmp3].map(b => Number(b) & 255)
        modKeys = keys
    }

    function deleteMacroProc(macroName) {
        for (let i = 0; i < 9; ++i) {
            if (keyCodetoText(modKeys[i]) === keyMatrixLang[0] + macroName) {
                const keys = modKeys.slice()
                keys[i] = digitsToEntry(defalutValue[i])
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

    // Gives the keyboard to a row (the menu hands it back here when it closes).
    function focusRow(index) {
        const row = rowRepeater.itemAt(Math.max(0, Math.min(mouseMain.keyCount - 1, index)))
        if (row)
            row.forceActiveFocus()
    }

    title: keyMatrixLang[3]
    bodyHeight: 9 * 21 + 10

    Column {
        x: 6
        y: 6
        spacing: 4
        Repeater {
            id: rowRepeater
            model: mouseMain.keyCount
            Row {
                id: keyRow
                required property int index
                spacing: 8
                activeFocusOnTab: true
                onActiveFocusChanged: {
                    if (activeFocus) {
                        keyMatrix.focusIndex = keyRow.index
                        keyMatrix.enterBtn(keyRow.index)
                    } else if (keyMatrix.focusIndex === keyRow.index) {
                        keyMatrix.focusIndex = -1
                        keyMatrix.leaveBtn()
                    }
                }
                Keys.onUpPressed: keyMatrix.focusRow(keyRow.index - 1)
                Keys.onDownPressed: keyMatrix.focusRow(keyRow.index + 1)
                Keys.onReturnPressed: keyMatrix.clickKeyMatrix(keyRow.index)
                Keys.onEnterPressed: keyMatrix.clickKeyMatrix(keyRow.index)
                Keys.onSpacePressed: keyMatrix.clickKeyMatrix(keyRow.index)
                Rectangle {
                    width: 86
                    height: 17
                    color: "#161616"
                    border.width: 1
                    border.color: "#626262"
                    Text {
                        anchors.centerIn: parent
                        text: keyRow.index < keyMatrix.rowNames.length ? keyMatrix.rowNames[keyRow.index]
                                                                      : keyMatrix.keyMatrixLang[4] + (keyRow.index + 1)
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
                    border.color: keyRow.activeFocus ? "#fa6726" : "#4e3434"
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
                        objectName: "keyRow" + keyRow.index
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
