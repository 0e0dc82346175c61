// qmllint disable unqualified
import QtQuick

// The macro choice dialog (placeholder).
PageDialog {
    id: macroKey

    property var macroKeyLang: ["Macro Key", "Select Macro", "Macro runs once after \npressing button",
        "Macro loops until any \nbutton is pressed", "Macro loops until button \nis released", "OK", "Cancel",
        "Key", "Please assign a Key", "Null Macro"]
    property int macroType: 0

    signal closeSure()

    function showUI() {
        visible = true
    }

    function macroKeyFocus() {
        forceActiveFocus()
    }

    width: 320
    height: 220
    title: macroKeyLang[0]
    okText: macroKeyLang[5]
    cancelText: macroKeyLang[6]
    onCloseClicked: closeSure()
    onOkClicked: closeSure()
    onCancelClicked: closeSure()

    Column {
        spacing: 8
        Repeater {
            model: 3
            RadioItem {
                required property int index
                text: macroKey.macroKeyLang[2 + index].replace("\n", "")
                checked: macroKey.macroType === index
                onClicked: macroKey.macroType = index
            }
        }
    }
}
