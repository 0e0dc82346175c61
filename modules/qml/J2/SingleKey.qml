// qmllint disable unqualified
import QtQuick

// The single-key dialog: the next key pressed anywhere becomes the selected button's key.
PageDialog {
    id: singleKey

    // The key field, and the key it names.
    property string keyText: ""
    property int keyCode: -1
    // Opened from the keyboard: Enter confirms and Escape cancels instead of being captured.
    property bool keyboardMode: false
    // What the field held before the last captured press, and when that press came, so that
    // the Enter or Escape that works the dialog does not stay in the field.
    property string previousText: ""
    property int previousCode: -1
    property int lastUsage: -1
    property double lastTime: 0

    signal closeSure()

    function showUI(withKeyboard) {
        keyboardMode = withKeyboard
        visible = true
        forceActiveFocus()
    }

    // Only presses change the field: with a combination the key pressed last is the one meant,
    // whichever finger lets go last.
    function detectKeyboard(isDown, usbCode) {
        if (!isDown)
            return
        previousText = keyText
        previousCode = keyCode
        lastUsage = usbCode
        lastTime = Date.now()
        keyCode = usbCode
        keyText = _KeyCodeString.keycodeTostr(usbCode)
    }

    // The key that worked the dialog was captured into the field just before: take it back.
    function dropControlKey(usages) {
        if (usages.indexOf(lastUsage) >= 0 && Date.now() - lastTime < 500) {
            keyText = previousText
            keyCode = previousCode
            lastUsage = -1
        }
    }

    function accept() {
        if (keyText !== "") {
            // The captured code itself: two keys share the name "\ |".
            const code = _KeyCodeString.keycodeTostr(keyCode) === keyText ? keyCode : _KeyCodeString.strTokeycode(keyText)
            keyMatrixMain.modifyData(mouseMain.selectKey, 0, 0, code, 0)
            keyMatrixMain.refreashUI()
        }
        closeSure()
    }

    objectName: "singleKey"
    width: 300
    height: 170
    title: screenItem.macroKeyLang[7]
    okText: screenItem.macroKeyLang[5]
    cancelText: screenItem.macroKeyLang[6]
    onCloseClicked: closeSure()
    onOkClicked: accept()
    onCancelClicked: closeSure()

    // Every key is the dialog's while it is open: none may reach the pages under the mask.
    Keys.onPressed: function(event) {
        event.accepted = true
        if (!keyboardMode || event.isAutoRepeat)
            return
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            dropControlKey([0x28, 0x58])
            accept()
        } else if (event.key === Qt.Key_Escape) {
            dropControlKey([0x29])
            closeSure()
        }
    }

    Text {
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: screenItem.macroKeyLang[8]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Rectangle {
        objectName: "singleKeyField"
        y: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: 180
        height: 30
        radius: 2
        color: "#0e0e0f"
        border.width: 1
        border.color: singleKey.activeFocus ? "#fa6726" : "#4e3434"
        Text {
            anchors.centerIn: parent
            text: singleKey.keyText
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
            font.bold: true
        }
        MouseArea {
            anchors.fill: parent
            onClicked: singleKey.forceActiveFocus()
        }
    }
}
