// qmllint disable unqualified
import QtQuick

// The system's pointer speed, 0..11 on the dial.
Panel {
    id: mouseRate

    property int mouseRateValue: 5

    signal mouseRateChange(int value)
    signal clickMouseRate()

    function init(isSendData) {
        unavailable = ui_View.getPointerSettingUnavailable("cursorSpeed")
        mouseRateValue = Number(ui_View.getCursorSpeed())
        if (isSendData)
            ui_View.setCursorSpeed(mouseRateValue)
    }

    title: mainIten.mainLang[10]
    bodyHeight: 96

    SpeedGauge {
        objectName: "mouseRateGauge"
        y: 2
        value: mouseRate.mouseRateValue
        activeFocusOnTab: mouseRate.isOpen
        onDialPressed: mouseRate.clickMouseRate()
        onDialMoved: function(value) { mouseRate.mouseRateValue = value }
        onDialReleased: mouseRate.mouseRateChange(mouseRate.mouseRateValue)
    }
}
