// qmllint disable unqualified
import QtQuick

// The system's double-click speed, 0..11 on the dial.
Panel {
    id: doubleRate

    property int doubleRateValue: 5

    signal doubleRateChange(int value)
    signal clickDoubleRate()

    function init(isSendData) {
        unavailable = ui_View.getPointerSettingUnavailable("doubleClickSpeed")
        doubleRateValue = Number(ui_View.getDoubleClickSpeed())
        if (isSendData)
            ui_View.setDoubleClickSpeed(doubleRateValue)
    }

    title: mainIten.mainLang[11]
    bodyHeight: 96

    SpeedGauge {
        objectName: "doubleRateGauge"
        y: 2
        value: doubleRate.doubleRateValue
        activeFocusOnTab: doubleRate.isOpen
        onDialPressed: doubleRate.clickDoubleRate()
        onDialMoved: function(value) { doubleRate.doubleRateValue = value }
        onDialReleased: doubleRate.doubleRateChange(doubleRate.doubleRateValue)
    }
}
