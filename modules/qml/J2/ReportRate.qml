// qmllint disable unqualified
import QtQuick

// Report rate (placeholder: shows the rate and lets a quadrant be chosen).
Panel {
    id: reportRate

    // 1 = 1000 Hz, 2 = 500 Hz, 4 = 250 Hz, 8 = 125 Hz.
    property int reportValue: 1

    signal clickReportRate()

    function init(isSendData) {
        const v = Number(ui_View.ui_81H_GetReportRate())
        reportValue = Math.max(1, Math.min(8, isNaN(v) ? 1 : v))
        if (isSendData)
            ui_View.mouseSetReportRate(reportValue)
    }

    title: mainIten.mainLang[9]
    bodyHeight: 96

    Grid {
        x: 16
        y: 12
        columns: 2
        spacing: 8
        Repeater {
            // Left-top 8, right-top 1, left-bottom 4, right-bottom 2.
            model: [8, 1, 4, 2]
            Rectangle {
                id: quadrant
                required property int modelData
                readonly property bool chosen: reportRate.reportValue === modelData
                                                || (modelData === 8 && [1, 2, 4].indexOf(reportRate.reportValue) < 0)
                width: 101
                height: 30
                radius: 3
                color: chosen ? "#761212" : "#4f1717"
                border.width: 1
                border.color: chosen ? "#c3212b" : "#4e3434"
                Text {
                    anchors.centerIn: parent
                    text: (1000 / quadrant.modelData) + " Hz"
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
                MouseArea {
                    anchors.fill: parent
                    onPressed: reportRate.reportValue = quadrant.modelData
                    onReleased: reportRate.clickReportRate()
                }
            }
        }
    }
}
