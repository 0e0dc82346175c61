// qmllint disable unqualified
import QtQuick

// The macro editor (placeholder: lists the macro names).
PageDialog {
    id: macroEditor

    property var macroEditorLang: ["Macro Manager", "Macro", "Sequence", "Options", "Start Record", "Stop Record",
        "Rec Time", "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button",
        "Insert Middle Button", "Insert Right Button", "Insert Delay", "Insert Keys", "Cancel the record ?", ""]
    property bool isInputting: false
    property bool isInsertting: false
    property alias macroListModel: macroNumberModel

    signal deleteMacroSignal(string macroName)

    function init() {
        let names = ui_View.getNameList(0)
        if (names.length === 2 && names[1] === "loadertobrel")
            names = [names[0]]
        macroNumberModel.clear()
        for (let i = 0; i < names.length; ++i)
            macroNumberModel.append({ macroName: String(names[i]), no: i, macroType: 0 })
    }

    function detectKeyboard(isDown, usbCode) {
    }

    function detectInput(isDown, usbCode) {
    }

    function macroEditorFocus() {
        forceActiveFocus()
    }

    function sendMacro(index, macroName) {
    }

    function autoSave() {
    }

    width: 560
    height: 420
    title: macroEditorLang[0]
    okText: macroEditorLang[10]
    cancelText: macroEditorLang[11]
    onCloseClicked: visible = false
    onOkClicked: visible = false
    onCancelClicked: visible = false
    onVisibleChanged: if (!visible) mainMask.visible = false

    ListModel {
        id: macroNumberModel
    }

    Text {
        text: macroEditor.macroEditorLang[1]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    ListView {
        y: 24
        width: 160
        height: 300
        clip: true
        model: macroNumberModel
        delegate: Text {
            required property string macroName
            text: macroName
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
    }
}
