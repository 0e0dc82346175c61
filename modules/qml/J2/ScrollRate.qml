// qmllint disable unqualified
import QtQuick

// Wheel scroll lines (placeholder: the number field comes later).
Panel {
    id: scrollRate

    // 1..100 lines, or 1000 for one screen at a time.
    property int lines: 0
    property bool textInputFocus: false

    signal linesChange(int linesValue)
    signal clickScrollRate()

    function init(isSendData) {
        lines = Number(ui_View.getVerticalScrollLines())
        if (isSendData)
            ui_View.setVerticalScrollLines(lines)
    }

    title: mainIten.mainLang[12]
    bodyHeight: 62

    Column {
        x: 14
        y: 10
        spacing: 10
        Row {
            spacing: 10
            RadioItem {
                text: mainIten.mainLang[15]
                checked: scrollRate.lines !== 1000
                onClicked: {
                    scrollRate.clickScrollRate()
                    scrollRate.linesChange(scrollRate.lines === 1000 || scrollRate.lines < 1 ? 3 : scrollRate.lines)
                }
            }
            Rectangle {
                width: 40
                height: 16
                color: "#101011"
                border.width: 1
                border.color: "#4e3434"
                Text {
                    anchors.centerIn: parent
                    text: scrollRate.lines === 1000 ? "" : scrollRate.lines
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
            }
        }
        RadioItem {
            text: mainIten.mainLang[16]
            checked: scrollRate.lines === 1000
            onClicked: {
                scrollRate.clickScrollRate()
                scrollRate.linesChange(1000)
            }
        }
    }
}
