// qmllint disable unqualified
// ui_View is published after loading; the main screen is reached by its ids.
import QtQuick
import "keyNames.js" as KeyNames

// The macro editor: the macros on the left, the selected macro's events in the middle,
// recording and the loop count on the right. Every change is stored in the macro's file at
// once and sent to each button of the current profile that plays the macro.
PageDialog {
    id: macroEditor

    // The texts live with the main screen, which loads their language at start.
    property var macroEditorLang: screenItem.macroEditorLang
    property bool isInputting: false
    property bool isInsertting: false
    property alias macroListModel: macroNumberModel
    property alias eventModel: macroDataModel0
    property alias macroRecordCount: macroRecord.count
    property alias recTime: delayRecord.isSelect
    property alias loopsTimer: countRecord.isSelect
    property alias loopCount: countRecordInput.text
    property alias macroList: macroList
    property alias eventList: eventList
    property alias contextMenu: contextMenu
    property alias insertKeyDialog: insertKeyDialog
    property alias confirmBox: confirmBox
    // What the user is told about the selected macro or the last action; empty for nothing.
    property string notice
    readonly property string selectedName: macroList.nameAt(macroList.currentIndex)
    // The longest encoded macro to which another event may still be added.
    readonly property int lengthLimit: 126

    signal deleteMacroSignal(string macroName)

    // ---- Called by the main screen ----

    // `startNames`, when given, is the list of macro names as read at start.
    function init(startNames) {
        let names = startNames !== undefined ? startNames : ui_View.getNameList(0)
        if (names.length === 2 && names[1] === "loadertobrel")
            names = [names[0]]
        macroNumberModel.clear()
        for (let i = 0; i < names.length; ++i) {
            const name = String(names[i])
            const index = Number(ui_View.loadMacroIndex(name)) || 0
            let at = 0
            while (at < macroNumberModel.count && macroNumberModel.get(at).no <= index)
                ++at
            macroNumberModel.insert(at, { macroName: name, no: index, macroType: Number(ui_View.loadMacroType(name)) || 0 })
        }
        for (let k = 0; k < 6; ++k)
            menuModel.setProperty(k, "menuText", macroEditorLang[12 + k])
        macroList.currentIndex = macroNumberModel.count > 0 ? 0 : -1
        loadSelected()
    }

    function detectKeyboard(isDown, usbCode) {
        if (!isInputting || encodedLength() >= lengthLimit)
            return
        if (macroDataModel0.count === 0) {
            macroRecord.restartCount()
        } else {
            if (delayRecord.isSelect)
                macroDataModel0.append({ type: 0, info: String(macroRecord.takeCount() * 10) })
            else
                macroRecord.restartCount()
        }
        const mouse = usbCode >= 0xf0
        macroDataModel0.append({ type: mouse ? (isDown ? 3 : 4) : (isDown ? 1 : 2), info: nameOf(usbCode) })
        eventList.positionViewAtEnd()
    }

    function detectInput(isDown, usbCode) {
        if (isInsertting && usbCode < 0xf0)
            insertKeyDialog.keyName = nameOf(usbCode)
    }

    function macroEditorFocus() {
        macroList.commitRename()
        commitDelay()
        contextMenu.visible = false
    }

    function sendMacro(index, macroName) {
        const stored = ui_View.loadMacroIni(macroName)
        if (stored.length === 0)
            return
        const loops = String(stored[stored.length - 1])
        // The field belongs to the selected macro: another macro's count must not be saved with it.
        if (String(macroName) === selectedName)
            countRecordInput.text = loops
        ui_View.sendMacroData(ui_View.encodeMacro(stored.slice(0, stored.length - 1), Number(loops) || 0), index)
    }

    function autoSave() {
        const name = selectedName
        if (name === "")
            return
        if (!ui_View.saveMacroIni(name, eventStrings(), Number(countRecordInput.text) || 0)) {
            notice = "\"" + name + "\" could not be saved."
            return
        }
        notice = ""
        // Only buttons of the current profile play from the mouse's slots now; a button of
        // another profile with the same index would have its slot overwritten.
        const uses = ui_View.isMacroUse(name)
        const sent = []
        for (let i = 1; i < uses.length; ++i) {
            const button = parseInt(uses[i])
            if (isNaN(button) || sent.indexOf(button) >= 0 || String(ui_View.getMacroKey(button)) !== name)
                continue
            sent.push(button)
            sendMacro(button, name)
        }
    }

    // ---- Helpers ----

    function nameOf(code) {
        const table = code >= 0xf0 ? KeyNames.mouseNames : KeyNames.keyNames
        for (let i = 0; i < table.length; ++i) {
            if (table[i][0] === code)
                return table[i][1]
        }
        return ""
    }

    function eventStrings() {
        const list = []
        for (let i = 0; i < macroDataModel0.count; ++i) {
            const e = macroDataModel0.get(i)
            list.push(e.type + "," + e.info)
        }
        return list
    }

    function encodedLength() {
        return ui_View.encodeMacro(eventStrings(), Number(countRecordInput.text) || 0).length
    }

    function isNameTaken(name) {
        for (let i = 0; i < macroNumberModel.count; ++i) {
            if (macroNumberModel.get(i).macroName === name)
                return true
        }
        return false
    }

    function names() {
        const list = []
        for (let i = 0; i < macroNumberModel.count; ++i)
            list.push(macroNumberModel.get(i).macroName)
        return list
    }

    // Shows the stored events of the selected macro.
    function loadSelected() {
        macroDataModel0.clear()
        eventList.currentIndex = -1
        const name = selectedName
        if (name === "") {
            notice = ""
            return
        }
        const stored = ui_View.loadMacroIni(name)
        for (let i = 0; i + 1 < stored.length; ++i) {
            const text = String(stored[i])
            const type = parseInt(text.charAt(0))
            if (text.charAt(1) !== "," || isNaN(type) || type < 0 || type > 4)
                continue
            macroDataModel0.append({ type: type, info: text.substring(2) })
        }
        const loops = stored.length > 0 ? String(stored[stored.length - 1]) : ""
        countRecordInput.text = /^[0-9]+$/.test(loops) && Number(loops) <= 65535 ? loops : "1"
        const damage = ui_View.checkMacroIni(name)
        notice = damage === "" ? "" : "\"" + name + "\" is damaged: " + damage + ". It is kept as it is until you change it."
    }

    function chooseMacro(row) {
        if (isInputting)
            return
        macroList.currentIndex = row
        loadSelected()
    }

    function newMacro() {
        macroEditorFocus()
        if (isInputting || macroNumberModel.count >= 100)
            return
        let n = 0
        while (n < 100 && isNameTaken("Macro_" + n))
            ++n
        if (n >= 100)
            return
        const name = "Macro_" + n
        const index = macroNumberModel.count
        if (!ui_View.createMacroIni(name, index)) {
            notice = "The file of \"" + name + "\" could not be created."
            return
        }
        macroNumberModel.append({ macroName: name, no: index, macroType: -1 })
        macroList.currentIndex = index
        loadSelected()
        ui_View.updataNameList(0, names())
        macroList.positionAtEnd()
    }

    function deleteMacro() {
        macroEditorFocus()
        const row = macroList.currentIndex
        if (isInputting || row < 0 || row >= macroNumberModel.count)
            return
        const name = selectedName
        deleteMacroSignal(name)
        ui_View.deleteMacroIni(name)
        macroDataModel0.clear()
        macroNumberModel.remove(row)
        for (let i = row; i < macroNumberModel.count; ++i)
            macroNumberModel.setProperty(i, "no", macroNumberModel.get(i).no - 1)
        macroList.currentIndex = Math.min(row, macroNumberModel.count - 1)
        loadSelected()
        for (let i = 0; i < macroNumberModel.count; ++i)
            ui_View.setMacroIndex(macroNumberModel.get(i).macroName, macroNumberModel.get(i).no)
        ui_View.changeMacroFileIndex(row + 1)
        ui_View.updataNameList(0, names())
    }

    function renameMacro(row, name) {
        if (row < 0 || row >= macroNumberModel.count || name.trim() === "" || isNameTaken(name))
            return
        const old = macroNumberModel.get(row).macroName
        // A refused rename keeps the old name: the list must keep naming a file that exists.
        if (!ui_View.modifyMacroName(old, name)) {
            notice = "\"" + name + "\" cannot be a macro name."
            return
        }
        notice = ""
        macroNumberModel.setProperty(row, "macroName", name)
        ui_View.updataNameList(0, names())
        keyMatrixMain.refreashUI()
    }

    function startRecord() {
        macroEditorFocus()
        if (selectedName === "")
            return
        const reach = Number(ui_View.getCaptureReach())
        if (reach === 0) {
            notice = "Keys cannot be recorded: this session offers no way to capture them."
            return
        }
        notice = reach === 1 ? "Only keys typed in this window are recorded: this session cannot capture keys typed elsewhere." : ""
        macroDataModel0.clear()
        eventList.currentIndex = -1
        macroRecord.restartCount()
        macroRecord.start()
        isInputting = true
        // Typed keys are the macro's content: none of them may work the page meanwhile.
        keySink.forceActiveFocus()
    }

    function stopRecord() {
        macroRecord.stop()
        isInputting = false
        recordButton.forceActiveFocus()
        if (macroDataModel0.count === 0) {
            // Nothing was heard: keep the macro as it was instead of storing an empty one.
            loadSelected()
            notice = "No key was recorded; the macro is unchanged."
            return
        }
        autoSave()
    }

    // The confirmation box's OK: the recording is dropped, the stored macro shown again.
    function dropRecording() {
        confirmBox.visible = false
        macroRecord.stop()
        isInputting = false
        loadSelected()
        close()
    }

    function requestClose() {
        macroEditorFocus()
        if (isInputting) {
            confirmBox.visible = true
            confirmOk.forceActiveFocus()
            return
        }
        close()
    }

    function close() {
        visible = false
    }

    // ---- The event list ----

    function selectEvent(row) {
        commitDelay()
        eventList.currentIndex = row >= 0 && row < macroDataModel0.count ? row : -1
    }

    function openMenu(x, y) {
        const area = contextMenu.parent
        const p = area.mapFromItem(eventList, x, y)
        contextMenu.x = Math.min(p.x, area.width - contextMenu.width)
        contextMenu.y = Math.min(p.y, area.height - contextMenu.height)
        contextMenu.currentRow = 0
        contextMenu.visible = true
        contextMenu.forceActiveFocus()
    }

    function menuCommand(row) {
        contextMenu.visible = false
        eventList.forceActiveFocus()
        if (isInputting)
            return
        switch (row) {
        case 0: deleteEvent(); break
        case 1: insertMouse("MS-L"); break
        case 2: insertMouse("MS-M"); break
        case 3: insertMouse("MS-R"); break
        case 4: insertDelay(); break
        case 5: openInsertKey(); break
        }
    }

    function deleteEvent() {
        const row = eventList.currentIndex
        if (row < 0 || row >= macroDataModel0.count)
            return
        macroDataModel0.remove(row)
        eventList.currentIndex = Math.min(row, macroDataModel0.count - 1)
        autoSave()
    }

    function insertMouse(name) {
        if (encodedLength() >= lengthLimit)
            return
        const row = eventList.currentIndex
        const at = row < 0 || row >= macroDataModel0.count - 1 ? macroDataModel0.count : row + 1
        macroDataModel0.insert(at, { type: 3, info: name })
        macroDataModel0.insert(at + 1, { type: 4, info: name })
        autoSave()
    }

    function insertDelay() {
        if (encodedLength() >= lengthLimit)
            return
        const row = eventList.currentIndex
        const at = row >= 0 && row < macroDataModel0.count ? row : macroDataModel0.count
        macroDataModel0.insert(at, { type: 0, info: "50" })
        eventList.currentIndex = at
        autoSave()
    }

    function openInsertKey() {
        if (encodedLength() >= lengthLimit)
            return
        isInsertting = true
        insertKeyDialog.open()
    }

    function insertKey(name) {
        isInsertting = false
        eventList.forceActiveFocus()
        // No key was pressed: an event without a key would do nothing on the mouse.
        if (name === "")
            return
        const row = eventList.currentIndex
        const at = row >= 0 && row < macroDataModel0.count ? row : macroDataModel0.count
        macroDataModel0.insert(at, { type: 1, info: name })
        macroDataModel0.insert(at + 1, { type: 2, info: name })
        autoSave()
    }

    function startDelayEdit(row) {
        if (isInputting || row < 0 || row >= macroDataModel0.count || macroDataModel0.get(row).type !== 0)
            return
        eventList.currentIndex = row
        eventList.positionViewAtIndex(row, ListView.Contain)
        delayEditor.text = macroDataModel0.get(row).info
        delayEditor.visible = true
        delayEditor.selectAll()
        delayEditor.forceActiveFocus()
    }

    function commitDelay() {
        if (!delayEditor.visible)
            return
        delayEditor.visible = false
        eventList.forceActiveFocus()
        const row = eventList.currentIndex
        const text = delayEditor.text.trim()
        if (row < 0 || row >= macroDataModel0.count || !/^[0-9]+$/.test(text) || Number(text) > 100000)
            return
        macroDataModel0.setProperty(row, "info", String(Number(text)))
        autoSave()
    }

    function loopCountDone() {
        if (countRecordInput.text === "")
            countRecordInput.text = "1"
        autoSave()
    }

    width: 620
    height: 440
    title: macroEditorLang[0]
    onCloseClicked: requestClose()
    onVisibleChanged: {
        if (visible) {
            macroList.forceActiveFocus()
        } else {
            contextMenu.visible = false
            mainMask.visible = false
        }
    }
    Keys.onEscapePressed: requestClose()

    ListModel {
        id: macroNumberModel
    }

    ListModel {
        id: macroDataModel0
    }

    ListModel {
        id: menuModel
        ListElement { menuText: "Delete" }
        ListElement { menuText: "Insert Left Button" }
        ListElement { menuText: "Insert Middle Button" }
        ListElement { menuText: "Insert Right Button" }
        ListElement { menuText: "Insert Delay" }
        ListElement { menuText: "Insert Keys" }
    }

    Timer {
        id: macroRecord

        property int count: 0
        // Ticks are counted from the clock: a tick that the busy event loop misses (a macro
        // being sent) must not shorten the recorded delay.
        property double since: 0

        function restartCount() {
            since = Date.now()
            count = 0
        }

        function takeCount() {
            const ticks = Math.max(0, Math.floor((Date.now() - since) / 10))
            restartCount()
            return ticks
        }

        interval: 10
        repeat: true
        onTriggered: count = Math.max(0, Math.floor((Date.now() - since) / 10))
    }

    // Holds the keyboard focus while recording: every key is the macro's, none works the page.
    Item {
        id: keySink
        objectName: "macroKeySink"
        Keys.onPressed: function(event) { event.accepted = true }
        Keys.onReleased: function(event) { event.accepted = true }
    }

    // A press on the page's background ends editing, as on the mask.
    MouseArea {
        x: -12
        y: -10
        width: macroEditor.width
        height: macroEditor.height - 30
        acceptedButtons: Qt.LeftButton
        propagateComposedEvents: true
        onPressed: function(mouse) {
            macroEditor.macroEditorFocus()
            mouse.accepted = false
        }
    }

    // ---- The macros ----

    Text {
        text: macroEditor.macroEditorLang[1]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    NameList {
        id: macroList
        objectName: "macroList"
        y: 22
        width: 170
        height: 300
        role: "macroName"
        model: macroNumberModel
        enabled: !macroEditor.isInputting
        onRowChosen: function(row) { macroEditor.chooseMacro(row) }
        onRenamed: function(row, name) { macroEditor.renameMacro(row, name) }
        onDeletePressed: macroEditor.deleteMacro()
    }

    Row {
        y: 332
        spacing: 8
        FocusButton {
            objectName: "macroNew"
            width: 81
            textValue: macroEditor.macroEditorLang[8]
            enabled: !macroEditor.isInputting
            onClicked: macroEditor.newMacro()
        }
        FocusButton {
            objectName: "macroDelete"
            width: 81
            textValue: macroEditor.macroEditorLang[9]
            enabled: !macroEditor.isInputting && macroList.currentIndex >= 0
            onClicked: macroEditor.deleteMacro()
        }
    }

    // ---- The events ----

    Text {
        x: 186
        text: macroEditor.macroEditorLang[2]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Rectangle {
        x: 186
        y: 22
        width: 220
        height: 335
        color: "#101011"
        border.width: 1
        border.color: eventList.activeFocus ? "#c3212b" : "#3a3a3a"
        clip: true

        // Right clicks below the last row: the inserts also work on an empty list.
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: function(mouse) {
                macroEditor.selectEvent(-1)
                eventList.forceActiveFocus()
                if (!macroEditor.isInputting && macroEditor.selectedName !== "")
                    macroEditor.openMenu(mouse.x, mouse.y)
            }
        }

        ListView {
            id: eventList
            objectName: "eventList"
            anchors.fill: parent
            anchors.margins: 1
            model: macroDataModel0
            currentIndex: -1
            activeFocusOnTab: true
            boundsBehavior: Flickable.StopAtBounds
            highlightFollowsCurrentItem: false
            keyNavigationEnabled: false
            Keys.onUpPressed: macroEditor.selectEvent(Math.max(0, currentIndex - 1))
            Keys.onDownPressed: macroEditor.selectEvent(Math.min(count - 1, currentIndex + 1))
            Keys.onReturnPressed: macroEditor.startDelayEdit(currentIndex)
            Keys.onPressed: function(event) {
                if (macroEditor.isInputting)
                    return
                if (event.key === Qt.Key_Delete) {
                    macroEditor.deleteEvent()
                    event.accepted = true
                } else if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))) {
                    const y = currentItem ? currentItem.y - contentY + currentItem.height : 0
                    macroEditor.openMenu(20, y)
                    event.accepted = true
                }
            }

            delegate: Rectangle {
                id: eventRow
                required property int index
                required property int type
                required property string info
                width: ListView.view.width
                height: 18
                color: ListView.isCurrentItem ? "#b03b3b" : (eventArea.containsMouse ? "#4a4a4a" : "transparent")

                MacroEventIcon {
                    x: 6
                    anchors.verticalCenter: parent.verticalCenter
                    type: eventRow.type
                }

                Text {
                    x: 26
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 30
                    elide: Text.ElideRight
                    text: eventRow.info + (eventRow.type === 0 ? " ms" : "")
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }

                MouseArea {
                    id: eventArea
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function(mouse) {
                        macroEditor.selectEvent(eventRow.index)
                        eventList.forceActiveFocus()
                        if (mouse.button === Qt.RightButton && !macroEditor.isInputting) {
                            const p = mapToItem(eventList, mouse.x, mouse.y)
                            macroEditor.openMenu(p.x, p.y)
                        }
                    }
                    onDoubleClicked: function(mouse) {
                        if (mouse.button === Qt.LeftButton)
                            macroEditor.startDelayEdit(eventRow.index)
                    }
                }
            }
        }

        TextInput {
            id: delayEditor
            objectName: "delayEditor"
            visible: false
            x: 26
            y: eventList.currentItem ? eventList.currentItem.y - eventList.contentY + 3 : 0
            width: 90
            height: 16
            maximumLength: 6
            selectByMouse: true
            color: "#ffffff"
            selectionColor: "#761212"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
            onAccepted: macroEditor.commitDelay()
            Keys.onEscapePressed: {
                visible = false
                eventList.forceActiveFocus()
            }

            Rectangle {
                anchors.fill: parent
                anchors.margins: -2
                z: -1
                color: "#101011"
                border.width: 1
                border.color: "#c3212b"
            }
        }
    }

    // ---- Options ----

    Text {
        x: 422
        text: macroEditor.macroEditorLang[3]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Column {
        x: 422
        y: 26
        spacing: 14

        FocusButton {
            id: recordButton
            objectName: "recordButton"
            width: 160
            height: 30
            textValue: macroEditor.isInputting ? macroEditor.macroEditorLang[5] : macroEditor.macroEditorLang[4]
            enabled: macroEditor.selectedName !== ""
            onClicked: macroEditor.isInputting ? macroEditor.stopRecord() : macroEditor.startRecord()

            Rectangle {
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                width: 10
                height: 10
                radius: 5
                color: "#ff3b3b"
                visible: macroEditor.isInputting
                SequentialAnimation on opacity {
                    running: macroEditor.isInputting
                    loops: Animation.Infinite
                    NumberAnimation { to: 0.2; duration: 400 }
                    NumberAnimation { to: 1; duration: 400 }
                }
            }
        }

        ChoiceItem {
            id: delayRecord
            objectName: "recTime"
            text: macroEditor.macroEditorLang[6]
            enabled: !macroEditor.isInputting
            onClicked: isSelect = !isSelect
        }

        ChoiceItem {
            id: countRecord
            objectName: "loopsTimer"
            text: macroEditor.macroEditorLang[7]
            enabled: !macroEditor.isInputting
            onClicked: {
                isSelect = !isSelect
                if (!isSelect && countRecordInput.text !== "1") {
                    countRecordInput.text = "1"
                    macroEditor.autoSave()
                }
            }
        }

        Rectangle {
            x: 18
            width: 100
            height: 22
            color: "#101011"
            border.width: 1
            border.color: countRecordInput.activeFocus ? "#c3212b" : "#5a5a5a"
            opacity: countRecordInput.enabled ? 1 : 0.5

            TextInput {
                id: countRecordInput
                objectName: "loopCount"
                anchors.fill: parent
                anchors.margins: 4
                text: "1"
                enabled: countRecord.isSelect && !macroEditor.isInputting
                activeFocusOnTab: true
                selectByMouse: true
                clip: true
                validator: IntValidator { bottom: 0; top: 65535 }
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
                onActiveFocusChanged: if (!activeFocus && enabled) macroEditor.loopCountDone()
                onAccepted: eventList.forceActiveFocus()
            }
        }
    }

    Text {
        objectName: "macroNotice"
        x: 422
        y: 190
        width: 172
        wrapMode: Text.WordWrap
        text: macroEditor.notice
        color: "#ff6a6a"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMinSize + 1
    }

    Row {
        x: macroEditor.width - 24 - width
        y: macroEditor.height - 40 - 12 - 25
        spacing: 12
        FocusButton {
            objectName: "macroOk"
            textValue: macroEditor.macroEditorLang[10]
            onClicked: macroEditor.requestClose()
        }
        FocusButton {
            objectName: "macroCancel"
            textValue: macroEditor.macroEditorLang[11]
            onClicked: macroEditor.requestClose()
        }
    }

    // ---- Popups ----

    Rectangle {
        id: contextMenu
        objectName: "macroMenu"

        property int currentRow: 0

        z: 5
        visible: false
        width: 159
        height: 126
        color: "#6f2929"
        border.width: 1
        border.color: "#8f2020"
        Keys.onUpPressed: currentRow = (currentRow + 5) % 6
        Keys.onDownPressed: currentRow = (currentRow + 1) % 6
        Keys.onReturnPressed: macroEditor.menuCommand(currentRow)
        Keys.onEnterPressed: macroEditor.menuCommand(currentRow)
        Keys.onEscapePressed: {
            visible = false
            eventList.forceActiveFocus()
        }

        Column {
            Repeater {
                model: menuModel
                Rectangle {
                    id: menuRow
                    required property int index
                    required property string menuText
                    width: 159
                    height: 21
                    color: menuArea.containsMouse || (contextMenu.activeFocus && contextMenu.currentRow === menuRow.index) ? "#8f2020" : "transparent"
                    Text {
                        x: 12
                        anchors.verticalCenter: parent.verticalCenter
                        text: menuRow.menuText
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontNormalSize
                    }
                    MouseArea {
                        id: menuArea
                        objectName: "macroMenuRow" + menuRow.index
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: macroEditor.menuCommand(menuRow.index)
                    }
                }
            }
        }
    }

    InsertKeyDialog {
        id: insertKeyDialog
        objectName: "insertKeyDialog"
        x: -12
        y: -40
        z: 6
        width: macroEditor.width
        height: macroEditor.height
        title: macroEditor.macroEditorLang[17]
        okText: macroEditor.macroEditorLang[10]
        onAccepted: function(keyName) { macroEditor.insertKey(keyName) }
    }

    // Asked when the editor is closed during a recording.
    Rectangle {
        id: confirmBox
        objectName: "macroConfirm"
        x: -12
        y: -40
        z: 6
        width: macroEditor.width
        height: macroEditor.height
        visible: false
        color: "#90000000"

        MouseArea {
            anchors.fill: parent
        }

        Rectangle {
            anchors.centerIn: parent
            width: 260
            height: 130
            radius: 4
            color: "#1c1c1c"
            border.width: 1
            border.color: "#8f2020"
            Keys.onEscapePressed: confirmBox.visible = false

            Text {
                x: 12
                y: 8
                text: macroEditor.macroEditorLang[11]
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMiddleSize
                font.bold: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 50
                text: macroEditor.macroEditorLang[18]
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 92
                spacing: 14
                FocusButton {
                    id: confirmOk
                    objectName: "confirmOk"
                    textValue: macroEditor.macroEditorLang[10]
                    onClicked: macroEditor.dropRecording()
                }
                FocusButton {
                    objectName: "confirmCancel"
                    textValue: macroEditor.macroEditorLang[11]
                    onClicked: {
                        confirmBox.visible = false
                        macroEditor.keySinkFocus()
                    }
                }
            }
        }
    }

    function keySinkFocus() {
        keySink.forceActiveFocus()
    }
}
