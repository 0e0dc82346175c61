// qmllint disable unqualified
import QtQuick

// A framed one-line number field; `editingDone` when it loses the keyboard focus or Enter
// is pressed.
Rectangle {
    id: numberField

    property alias text: input.text
    property alias readOnly: input.readOnly
    property int low: 0
    property int high: 255
    readonly property alias input: input

    signal editingDone()

    function endEditing() {
        if (input.activeFocus)
            input.focus = false
    }

    width: 80
    height: 22
    color: "#101011"
    border.width: 1
    border.color: input.activeFocus ? "#c3212b" : "#5a5a5a"
    opacity: enabled ? 1 : 0.5

    TextInput {
        id: input
        anchors.fill: parent
        anchors.margins: 4
        activeFocusOnTab: true
        selectByMouse: true
        clip: true
        validator: IntValidator { bottom: numberField.low; top: numberField.high }
        color: readOnly ? "#b0b0b0" : mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
        onActiveFocusChanged: if (!activeFocus && !readOnly) numberField.editingDone()
        onAccepted: focus = false
    }
}
