// qmllint disable unqualified
import QtQuick

// Wheel scroll lines: a number of rows (1..100) or one screen at a time (1000).
Panel {
    id: scrollRate

    property int lines: 0
    property alias textInputFocus: field.focus
    // What the rows option sends; kept apart from `lines` while one screen is chosen.
    property int number: defaultRows
    readonly property int defaultRows: 3

    signal linesChange(int linesValue)
    signal clickScrollRate()

    function setNumber(n) {
        number = n
        field.text = String(n)
    }

    // The field's text as a number of rows: empty or below 1 is 1, above 100 is 100.
    function fieldNumber() {
        const n = parseInt(field.text, 10)
        return isNaN(n) || n < 1 ? 1 : Math.min(100, n)
    }

    function stepNumber(delta) {
        setNumber(Math.max(1, Math.min(100, fieldNumber() + delta)))
    }

    function commitField() {
        setNumber(fieldNumber())
        linesChange(number)
    }

    function chooseRows() {
        clickScrollRate()
        setNumber(fieldNumber())
        linesChange(number)
    }

    function chooseScreen() {
        clickScrollRate()
        linesChange(1000)
    }

    // A stored count the system cannot use (none stored reads as 0) shows and sends the
    // factory setting rather than switching the wheel off.
    function init(isSendData) {
        unavailable = ui_View.getPointerSettingUnavailable("verticalScrollLines")
        const stored = Number(ui_View.getVerticalScrollLines())
        const usable = stored === 1000 || (stored >= 1 && stored <= 100)
        lines = usable ? stored : defaultRows
        setNumber(lines === 1000 ? defaultRows : lines)
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
            spacing: 8
            RadioItem {
                objectName: "scrollRows"
                anchors.verticalCenter: parent.verticalCenter
                text: mainIten.mainLang[15]
                checked: scrollRate.lines !== 1000
                activeFocusOnTab: scrollRate.isOpen
                onClicked: scrollRate.chooseRows()
            }
            Rectangle {
                width: 40
                height: 18
                color: "#101011"
                border.width: 1
                border.color: field.activeFocus ? "#c3212b" : "#4e3434"
                TextInput {
                    id: field
                    objectName: "scrollField"
                    anchors.fill: parent
                    anchors.margins: 2
                    horizontalAlignment: TextInput.AlignHCenter
                    verticalAlignment: TextInput.AlignVCenter
                    maximumLength: 3
                    validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
                    inputMethodHints: Qt.ImhDigitsOnly
                    selectByMouse: true
                    activeFocusOnTab: scrollRate.isOpen
                    color: mainIten.fontColor
                    selectionColor: "#761212"
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                    text: "3"
                    onActiveFocusChanged: {
                        mainIten.isScrollRateFocus = activeFocus
                        if (!activeFocus)
                            scrollRate.commitField()
                    }
                    Keys.onReturnPressed: field.leave()
                    Keys.onEnterPressed: field.leave()
                    Keys.onUpPressed: scrollRate.stepNumber(1)
                    Keys.onDownPressed: scrollRate.stepNumber(-1)

                    function leave() {
                        mainIten.isScrollRateFocus = false
                        focus = false
                    }
                }
            }
            Repeater {
                model: ["−", "+"]
                Rectangle {
                    id: stepButton
                    required property int index
                    required property string modelData
                    objectName: index === 0 ? "scrollMinus" : "scrollPlus"
                    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
                    width: 18
                    height: 18
                    radius: 2
                    color: stepArea.pressed ? "#761212" : "#4f1717"
                    border.width: 1
                    border.color: "#4e3434"
                    Text {
                        anchors.centerIn: parent
                        text: stepButton.modelData
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontNormalSize
                        font.bold: true
                    }
                    MouseArea {
                        id: stepArea
                        anchors.fill: parent
                        onClicked: scrollRate.stepNumber(stepButton.index === 0 ? -1 : 1)
                    }
                }
            }
        }
        RadioItem {
            objectName: "scrollScreen"
            text: mainIten.mainLang[16]
            checked: scrollRate.lines === 1000
            activeFocusOnTab: scrollRate.isOpen
            onClicked: scrollRate.chooseScreen()
        }
    }
}
