// qmllint disable unqualified
import QtQuick

// Double-click speed (placeholder).
Panel {
    id: doubleRate

    property int doubleRateValue: 5

    signal doubleRateChange(int value)
    signal clickDoubleRate()

    function init(isSendData) {
        doubleRateValue = Number(ui_View.getDoubleClickSpeed())
        if (isSendData)
            ui_View.setDoubleClickSpeed(doubleRateValue)
    }

    title: mainIten.mainLang[11]
    bodyHeight: 60

    SpeedGauge {
        value: doubleRate.doubleRateValue
        onPicked: function(value) {
            doubleRate.clickDoubleRate()
            doubleRate.doubleRateValue = value
            doubleRate.doubleRateChange(value)
        }
    }
}
