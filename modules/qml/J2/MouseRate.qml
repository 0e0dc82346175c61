// qmllint disable unqualified
import QtQuick

// Pointer speed (placeholder).
Panel {
    id: mouseRate

    property int mouseRateValue: 5

    signal mouseRateChange(int value)
    signal clickMouseRate()

    function init(isSendData) {
        mouseRateValue = Number(ui_View.getCursorSpeed())
        if (isSendData)
            ui_View.setCursorSpeed(mouseRateValue)
    }

    title: mainIten.mainLang[10]
    bodyHeight: 60

    SpeedGauge {
        value: mouseRate.mouseRateValue
        onPicked: function(value) {
            mouseRate.clickMouseRate()
            mouseRate.mouseRateValue = value
            mouseRate.mouseRateChange(value)
        }
    }
}
