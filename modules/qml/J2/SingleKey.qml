// qmllint disable unqualified
import QtQuick

// The single-key dialog (placeholder: shows the captured usage code).
PageDialog {
    id: singleKey

    property int usbCode: -1

    signal closeSure()

    function detectKeyboard(isDown, usbCode) {
        singleKey.usbCode = usbCode
    }

    width: 300
    height: 170
    title: macroKeyMain.macroKeyLang[7]
    okText: macroKeyMain.macroKeyLang[5]
    cancelText: macroKeyMain.macroKeyLang[6]
    onCloseClicked: closeSure()
    onOkClicked: closeSure()
    onCancelClicked: closeSure()

    Text {
        text: macroKeyMain.macroKeyLang[8] + (singleKey.usbCode >= 0 ? "   0x" + singleKey.usbCode.toString(16) : "")
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }
}
