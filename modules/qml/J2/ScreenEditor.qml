// qmllint disable unqualified
// ui_View and hid are published by the window controller; mainMask and reportRateMain are the
// main screen's.
import QtQuick
import "../basic"

// What the mouse's 96 x 39 screen shows: one of its modes, the user text or the user picture.
PageDialog {
    id: screenEditor

    // The texts live with the main screen, which loads their language at start.
    property var screenEditorLang: screenItem.screenEditorLang
    property int selectIndex: 1
    // The mouse's current DPI, which the main screen reads whenever the mouse reports a change.
    readonly property int curDPISegment: screenItem.dpiSegment
    readonly property int curDPIValue: screenItem.dpiValue
    readonly property alias dpiValueTxt: dpiLabel.text
    property alias isTooLong: errorText.isTooLong
    property alias screenText: textInput.text
    // The box chosen in picture mode: 0 the logo, 1 the user picture, -1 neither yet.
    property int pictureSelect: -1
    // One element per pixel in reading order, textValue 1 where the picture is lit.
    property ListModel previewModel: ListModel {}
    // The grid's 3744 cells are made the first time picture mode is shown.
    property bool isGridMade: false

    function sensorName() {
        return mainIten.curModel.sensorName
    }

    function reportRateText(value) {
        if (value === 1)
            return "1000Hz"
        if (value === 2)
            return "500Hz"
        if (value === 4)
            return "250Hz"
        return "125Hz"
    }

    function cmdProc(index) {
        selectIndex = index
        // The picture mode is sent by the picture boxes, once the person has chosen one.
        if (index < 6)
            hid.hid_0AH_SetLEDShow(index)
    }

    function buttonClicked(index) {
        dropTextFocus()
        cmdProc(index)
    }

    // Leaving the text field renders the text centred on the screen, if it fits.
    function textProc() {
        const text = textInput.text
        const width = Number(ui_View.ui_LED_DataVerify(text))
        if (width < 97) {
            errorText.isTooLong = false
            ui_View.ui_LED_DataProc(Math.floor((39 - 16) / 2), Math.floor((96 - width) / 2), text)
        } else {
            errorText.isTooLong = true
        }
    }

    function dropTextFocus() {
        if (textInput.focus || textInput.activeFocus)
            screenEditor.forceActiveFocus()
    }

    function fillPreview(data) {
        const list = data || []
        for (let i = 0; i < previewModel.count; ++i) {
            const r = Math.floor(i / 96)
            const entry = i % 96 + Math.floor(r / 8) * 96
            const value = entry < list.length ? (Number(list[entry]) >> (r % 8)) & 1 : 0
            if (previewModel.get(i).textValue !== value)
                previewModel.setProperty(i, "textValue", value)
        }
    }

    function selectLogo() {
        dropTextFocus()
        pictureSelect = 0
        hid.hid_0AH_SetLEDShow(0)
    }

    function selectPicture() {
        dropTextFocus()
        pictureSelect = 1
        hid.hid_0AH_SetLEDShow(6)
    }

    function addPicture() {
        selectPicture()
        const data = ui_View.getPictureValue(true)
        // Only a cancelled dialog with no stored picture gives nothing: the mouse then keeps the
        // picture it has rather than being sent a blank one.
        if (data.length === 0)
            return
        fillPreview(data)
        ui_View.setGlobalData("common/pictureData", data)
        ui_View.ui_LED_PictureDataProc(data, 1)
    }

    // `startPicture`, when given, is the stored picture as read at start.
    function init(startPicture) {
        errorText.isTooLong = false
        fillPreview(startPicture !== undefined ? startPicture : ui_View.getPictureValue(false))
    }

    function close() {
        dropTextFocus()
        visible = false
        mainMask.visible = false
    }

    // Tab and Shift+Tab go round the page's own controls only.
    function tabFrom(item, forward) {
        let next = item ? item.nextItemInFocusChain(forward) : null
        for (let p = next; p; p = p.parent) {
            if (p === screenEditor)
                return next
        }
        return forward ? screenEditor.nextItemInFocusChain(true) : lastFocusItem()
    }

    function lastFocusItem() {
        let item = screenEditor.nextItemInFocusChain(true)
        for (let i = 0; item && i < 32; ++i) {
            const next = item.nextItemInFocusChain(true)
            let inside = false
            for (let p = next; p; p = p.parent)
                inside = inside || p === screenEditor
            if (!inside || next === item)
                return item
            item = next
        }
        return item
    }

    width: 588
    height: 300
    title: screenEditorLang[0]
    onCloseClicked: close()
    onVisibleChanged: if (visible) screenEditor.forceActiveFocus()
    onSelectIndexChanged: if (selectIndex === 6) isGridMade = true

    Component.onCompleted: {
        const cells = []
        for (let i = 0; i < 96 * 39; ++i)
            cells.push({ "textValue": 0 })
        previewModel.append(cells)
    }

    Keys.onEscapePressed: close()
    Keys.onPressed: function(event) {
        if (event.key !== Qt.Key_Tab && event.key !== Qt.Key_Backtab)
            return
        const next = tabFrom(Window.activeFocusItem, event.key === Qt.Key_Tab && !(event.modifiers & Qt.ShiftModifier))
        if (next)
            next.forceActiveFocus(event.key === Qt.Key_Tab ? Qt.TabFocusReason : Qt.BacktabFocusReason)
        event.accepted = true
    }

    // A press on the page's background drops the text field's focus, and still drags the page.
    MouseArea {
        anchors.fill: parent
        onPressed: function(mouse) {
            screenEditor.dropTextFocus()
            mouse.accepted = false
        }
    }

    // The mode buttons, first in the keyboard's order.
    Column {
        x: 452
        y: 16
        spacing: 6
        Repeater {
            model: 7
            Rectangle {
                id: modeButton

                required property int index
                readonly property bool isLit: modeArea.containsMouse || screenEditor.selectIndex === index

                objectName: "screenMode" + index
                // The logo is offered in picture mode instead.
                visible: index !== 0
                width: 112
                height: 32
                radius: 2
                color: isLit ? "#761212" : "#2a2a2c"
                border.width: 1
                border.color: isLit ? "#8f2020" : "#4e3434"
                activeFocusOnTab: visible

                Keys.onPressed: function(event) {
                    if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                        screenEditor.buttonClicked(modeButton.index)
                        event.accepted = true
                    }
                }

                FocusMark {
                    shown: modeButton.activeFocus
                }

                Text {
                    anchors.centerIn: parent
                    width: parent.width - 8
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: screenEditor.screenEditorLang[modeButton.index === 6 ? 8 : modeButton.index + 1]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }

                MouseArea {
                    id: modeArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: screenEditor.buttonClicked(modeButton.index)
                }
            }
        }
    }

    Text {
        x: 4
        y: 4
        text: screenEditor.screenEditorLang[screenEditor.selectIndex + 1]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMiddleSize
        font.bold: true
    }

    // Modes 0 to 5: the screen as the mouse shows it.
    Rectangle {
        id: screenBox
        x: 112
        y: 44
        width: 192 + 24
        height: 78 + 24
        visible: screenEditor.selectIndex !== 6
        color: "#050506"
        border.width: 2
        border.color: "#505055"

        Item {
            x: 12
            y: 12
            width: 192
            height: 78

            ScreenLogo {
                anchors.fill: parent
                visible: screenEditor.selectIndex === 0
                fontFamily: mainIten.fontFamily
            }

            Text {
                id: dpiLabel
                anchors.centerIn: parent
                visible: screenEditor.selectIndex === 2
                text: "DPI" + screenEditor.curDPISegment + ":" + screenEditor.curDPIValue
                color: "#ffffff"
                font.family: mainIten.fontFamily
                font.pixelSize: 22
                font.bold: true
            }

            Text {
                objectName: "screenCaption"
                anchors.centerIn: parent
                visible: screenEditor.selectIndex === 1 || screenEditor.selectIndex === 3 || screenEditor.selectIndex === 4
                text: screenEditor.selectIndex === 1 ? screenEditor.sensorName()
                    : screenEditor.selectIndex === 3 ? "VERSIONS 1.1"
                    : screenEditor.selectIndex === 4 ? screenEditor.reportRateText(reportRateMain.reportValue) : ""
                color: "#ffffff"
                font.family: mainIten.fontFamily
                font.pixelSize: 22
                font.bold: true
            }

            TextInput {
                id: textInput
                objectName: "screenTextInput"
                anchors.fill: parent
                visible: screenEditor.selectIndex === 5
                enabled: visible
                activeFocusOnTab: visible
                clip: true
                maximumLength: 64
                horizontalAlignment: TextInput.AlignHCenter
                verticalAlignment: TextInput.AlignVCenter
                color: "#ffffff"
                selectionColor: "#761212"
                font.family: mainIten.fontFamily
                font.pixelSize: 26
                font.bold: true
                Keys.onReturnPressed: screenEditor.dropTextFocus()
                Keys.onEnterPressed: screenEditor.dropTextFocus()
                onActiveFocusChanged: if (!activeFocus) screenEditor.textProc()
            }
        }

        FocusMark {
            shown: textInput.activeFocus
        }
    }

    Text {
        id: errorText

        property bool isTooLong: false

        anchors.horizontalCenter: screenBox.horizontalCenter
        y: screenBox.y + screenBox.height + 10
        visible: isTooLong && screenEditor.selectIndex === 5
        text: "Overflow!"
        color: "#f03030"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMiddleSize
        font.bold: true
    }

    // Mode 6: the logo or the user picture.
    Item {
        x: 0
        y: 30
        width: 440
        height: 200
        visible: screenEditor.selectIndex === 6

        Text {
            x: 4
            width: parent.width - 8
            wrapMode: Text.WordWrap
            text: screenEditor.screenEditorLang[9]
            color: "#b0b0b0"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }

        Rectangle {
            id: logoBox
            objectName: "screenLogoBox"
            x: 0
            y: 40
            width: 196
            height: 82
            color: "#050506"
            border.width: 2
            border.color: screenEditor.pictureSelect === 0 ? "#f1592a" : "#ffffff"
            activeFocusOnTab: parent.visible
            Keys.onPressed: function(event) {
                if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    screenEditor.selectLogo()
                    event.accepted = true
                }
            }
            FocusMark {
                shown: logoBox.activeFocus
            }
            ScreenLogo {
                x: 2
                y: 2
                fontFamily: mainIten.fontFamily
            }
            MouseArea {
                anchors.fill: parent
                onClicked: screenEditor.selectLogo()
            }
        }

        Rectangle {
            id: pictureBox
            objectName: "screenPictureBox"
            x: 206
            y: 40
            width: 196
            height: 82
            color: "#050506"
            border.width: 2
            border.color: screenEditor.pictureSelect === 1 ? "#f1592a" : "#ffffff"
            activeFocusOnTab: parent.visible
            Keys.onPressed: function(event) {
                if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    screenEditor.selectPicture()
                    event.accepted = true
                }
            }
            FocusMark {
                shown: pictureBox.activeFocus
            }
            Loader {
                x: 2
                y: 2
                width: 192
                height: 78
                active: screenEditor.isGridMade
                sourceComponent: Item {
                    Repeater {
                        model: screenEditor.previewModel
                        Rectangle {
                            required property int index
                            required property int textValue
                            x: index % 96 * 2
                            y: Math.floor(index / 96) * 2
                            width: 2
                            height: 2
                            color: textValue === 1 ? "#ffffff" : "transparent"
                        }
                    }
                }
            }
            MouseArea {
                anchors.fill: parent
                onClicked: screenEditor.selectPicture()
            }
        }

        Rectangle {
            id: addButton
            objectName: "screenAddPicture"
            x: 410
            y: 68
            width: 26
            height: 26
            radius: 2
            color: addArea.containsMouse ? "#761212" : "#2a2a2c"
            border.width: 1
            border.color: "#8f2020"
            activeFocusOnTab: parent.visible
            Keys.onPressed: function(event) {
                if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    screenEditor.addPicture()
                    event.accepted = true
                }
            }
            FocusMark {
                shown: addButton.activeFocus
            }
            Text {
                anchors.centerIn: parent
                text: "+"
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMaxSize
                font.bold: true
            }
            MouseArea {
                id: addArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: screenEditor.addPicture()
            }
        }
    }
}
