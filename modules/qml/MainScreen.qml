// qmllint disable unqualified
// The working screen and its pages, built by the first initUI. ui_View, hid and ui_Ctl are
// published after loading; the window's own items are reached through mainIten.
import QtQuick
import "basic"
import "common"
import "J2"

Item {
    id: screenItem
    objectName: "screen"

    // A profile was chosen on the profile page and has not been sent to the mouse yet.
    property bool isProfileChanged: false
    // The texts of the program list, which is built when it is first opened.
    readonly property var programListLang: mainIten.mainLang.slice(35, 52)
    readonly property var programListDialog: programListLoader.item
    // The dialog pages are built when first opened (builtDialog); until then these
    // are null.
    readonly property var macroEditorMain: macroEditorLoader.item
    readonly property var screenEditorMain: screenEditorLoader.item
    readonly property var gunControlMain: gunControlLoader.item
    readonly property var keyMenuMain: keyMenuLoader.item
    readonly property var singleKeyMain: singleKeyLoader.item
    readonly property var macroKeyMain: macroKeyLoader.item
    readonly property var colorBar: colorBarLoader.item
    // What those pages read at start, kept for the moment each is first opened.
    property var startMacroNames: []
    property var startGunNames: []
    property var startGunSelection
    property var startPicture: []
    // The mouse's current DPI stage and value, which the screen editor shows.
    property int dpiSegment: 1
    property int dpiValue: 600
    // The texts of those three pages: the language loads them at start, and the main
    // screen shows two of them.
    property var macroEditorLang: ["Macro Manager", "Macro", "Sequence", "Options", "Start Record", "Stop Record",
        "Rec Time", "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button",
        "Insert Middle Button", "Insert Right Button", "Insert Delay", "Insert Keys", "Cancel the record ?", ""]
    property var screenEditorLang: ["Screen Editor", "Logo", "Sensor", "DPI Value", "Versions", "Report Rate",
        "TEXT", "Picture", "Picture", "(Only 96*39 black and white pictures are supported)"]
    property var gunControlLang: ["Gun Manager", "Name", "Auxiliary Setting", "Trigger Key", "Interval Times(MS)",
        "Deviation", "Run Times", "Unlimited", "New", "Delete", "OK", "Cancel", "", "", ""]
    // The texts of the key menu, and of the macro choice and single-key dialogs.
    property var keyMenuLang: ["Left Button", "Right Button", "Middle Button", "Auto Run", "Fire Mode", "Fire key",
        "DPI Setting +", "Multimedia Commands +", "Basic Commands +", "Additional Commands +", "Assign Keyboard Key",
        "Macro", "Gun Management", "Deactivated", "DPI +", "DPI -", "DPI LOOP", "Media Player", "Next Track",
        "Previous Track", "Stop", "Play/Pause", "Mute", "Volume Up", "Volume Down", "New", "Cut", "Copy", "Paste",
        "Save", "Print", "Find", "Redo", "Undo", "Select All", "My Computer", "Web Home", "Search Computer",
        "Maximize", "Minimize", "Show DeskTop", "RUN", "Forward", "Back", ""]
    property var macroKeyLang: ["Macro Key", "Select Macro", "Macro runs once after \npressing button",
        "Macro loops until any \nbutton is pressed", "Macro loops until button \nis released", "OK", "Cancel",
        "Key", "Please assign a Key", "Null Macro"]

    // The first initUI after the window appeared: language, current profile, pages.
    function powerOn() {
        mainIten.storedLanguage = String(ui_View.getLang())
        mainIten.language = mainIten.storedLanguage === "ChineseSimplified" ? 1 : 0
        profileMain.profileNo = storedProfile()
        ui_View.ui_02H_SetCurrentProfile(profileMain.profileNo)
        if (mainIten.language === 1)
            loadLanguage()
        startMacroNames = ui_View.getNameList(0)
        startGunNames = ui_View.getNameList(1)
        startGunSelection = ui_View.getselectGun(0)
        startPicture = ui_View.getPictureValue(false)
        profileMain.init()
        reportRateMain.init(false)
        keyMatrixMain.init(false)
        xySettingMain.init(false)
        dpiSettingMain.init(false)
        lightControlMain.init(false)
        mouseRateMain.init(false)
        doubleRateMain.init(false)
        scrollRateMain.init(false)
        jmgdMain.init(false)
    }

    // A dialog page built by its loader; the first time, it shows what was read at start.
    function builtDialog(loader) {
        loader.active = true
        return loader.item
    }

    function isShown(page) {
        return page !== null && page.visible
    }

    // Hides a page that has been built.
    function hide(page) {
        if (page)
            page.visible = false
    }

    function openMacroEditor() {
        openCentred(builtDialog(macroEditorLoader))
    }

    function openScreenEditor() {
        refreashDPI()
        openCentred(builtDialog(screenEditorLoader))
    }

    function openGunControl() {
        openCentred(builtDialog(gunControlLoader))
    }

    function refreashDPI() {
        const values = hid.hid_84H_GetCurrentDPI()
        const stage = values.length > 0 ? Number(values[0]) || 0 : 0
        // The packed bytes mean different DPIs on the two models: the bridge decodes them.
        const dpi = Number(ui_View.currentDPIFromReply(values))
        dpiSegment = stage
        dpiValue = dpi
    }

    function focusControl() {
        if (mainIten.isScrollRateFocus) {
            scrollRateMain.textInputFocus = false
            mainIten.isScrollRateFocus = false
        }
        hide(keyMenuMain)
        mouseMain.selectKey = -1
        hide(colorBar)
        askMenu.visible = false
    }

    // The stored current profile; a number the pages never create counts as profile 0.
    function storedProfile() {
        const n = parseInt(ui_View.getProfile())
        return n >= 0 && n <= 5 ? n : 0
    }

    // Missing positions of a translated list keep their English text.
    function withDefaults(defaults, loaded) {
        const list = []
        for (let i = 0; i < Math.max(defaults.length, loaded.length); ++i)
            list.push(i < loaded.length ? String(loaded[i]) : defaults[i])
        return list
    }

    function loadLanguage() {
        const code = "lang_025044"
        mainIten.mainLang = withDefaults(mainIten.mainLang, ui_View.getGlobalStrings(0, code))
        keyMatrixMain.keyMatrixLang = withDefaults(keyMatrixMain.keyMatrixLang, ui_View.getGlobalStrings(1, code))
        keyMenuLang = withDefaults(keyMenuLang, ui_View.getGlobalStrings(2, code))
        macroEditorLang = withDefaults(macroEditorLang, ui_View.getGlobalStrings(3, code))
        gunControlLang = withDefaults(gunControlLang, ui_View.getGlobalStrings(4, code))
        macroKeyLang = withDefaults(macroKeyLang, ui_View.getGlobalStrings(5, code))
        // Only the bridge needs this one: it takes the DPI notification texts from it.
        ui_View.getGlobalStrings(6, code)
        screenEditorLang = withDefaults(screenEditorLang, ui_View.getGlobalStrings(7, code))
    }

    // The panels that re-read the current profile and, with isSendData, send it to the mouse,
    // in the order in which a profile is pushed to the mouse.
    // An apply, a reset and an import all come here. While the panels send, the link
    // holds its queue, so each state goes once, as the last panel left it.
    function initPanels(isSendData) {
        if (isSendData)
            ui_View.holdDeviceCommands()
        try {
            keyMatrixMain.init(isSendData)
            xySettingMain.init(isSendData)
            dpiSettingMain.init(isSendData)
            lightControlMain.init(isSendData)
            reportRateMain.init(isSendData)
            mouseRateMain.init(isSendData)
            doubleRateMain.init(isSendData)
            scrollRateMain.init(isSendData)
            jmgdMain.init(isSendData)
        } finally {
            if (isSendData)
                ui_View.releaseDeviceCommands()
        }
    }

    // A profile was chosen: make it current and show its values; nothing is sent yet.
    function selectProfile(tmpProfileNo, always) {
        if (!always && tmpProfileNo === profileMain.profileNo)
            return
        profileMain.profileNo = tmpProfileNo
        ui_View.ui_02H_SetCurrentProfile(tmpProfileNo)
        initPanels(false)
        isProfileChanged = true
    }

    // The profile page was closed with its own close icon: send the chosen profile.
    function sendChosenProfile() {
        if (!isProfileChanged)
            return
        isProfileChanged = false
        setProtectUI(1200)
        initPanels(true)
    }

    function applyProfile(n) {
        // A rename under way belongs to the row it started on.
        profileMain.profileEditorFocus()
        profileMain.showProfile(n)
        selectProfile(n, true)
        sendChosenProfile()
    }

    function openProgramList(number, name, profiles) {
        programListLoader.active = true
        programListLoader.x = Math.round((width - programListLoader.width) / 2)
        programListLoader.y = Math.round((height - programListLoader.height) / 2)
        programListDialog.open(number, name, profiles)
    }

    function closeProgramList() {
        if (programListDialog)
            programListDialog.visible = false
    }

    function isSwitchBlocked() {
        return (macroEditorMain && (macroEditorMain.isInputting || macroEditorMain.isInsertting))
            || isShown(singleKeyMain) || isShown(macroKeyMain) || isShown(gunControlMain)
    }

    function resetCurrentProfile() {
        factorysure.visible = false
        mainMask.visible = false
        setProtectUI(1000)
        ui_View.resetProfile(profileMain.profileNo)
        initPanels(true)
    }

    function openCentred(page) {
        page.x = Math.round((width - page.width) / 2)
        page.y = Math.round((height - page.height) / 2)
        page.visible = true
        mainMask.visible = true
    }

    function openColorBar(dpiSelect, dpiColor) {
        const offsets = [25, 61, 98, -17, 20]
        const x = dpiSelect >= 0 && dpiSelect < offsets.length ? offsets[dpiSelect] : 58
        const p = dpiSettingMain.mapToItem(mainIten, x, 252)
        const picker = builtDialog(colorBarLoader)
        picker.x = Math.round(p.x)
        picker.y = Math.round(p.y)
        picker.open(dpiColor)
    }

    function dropDialogFocus() {
        if (macroEditorMain && macroEditorMain.visible)
            macroEditorMain.macroEditorFocus()
        if (profileMain.visible)
            profileMain.profileEditorFocus()
        if (gunControlMain && gunControlMain.visible)
            gunControlMain.gunControlFocus()
        if (isShown(macroKeyMain))
            macroKeyMain.macroKeyFocus()
    }

    function closeKeyDialog(page) {
        page.visible = false
        mainMask.visible = false
        mouseMain.selectKey = -1
    }

    anchors.fill: parent

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) {
            if (macroEditorMain && macroEditorMain.isInputting)
                macroEditorMain.detectKeyboard(isDown, usbCode)
            if (macroEditorMain && macroEditorMain.isInsertting)
                macroEditorMain.detectInput(isDown, usbCode)
            if (isShown(singleKeyMain))
                singleKeyMain.detectKeyboard(isDown, usbCode)
        }
    }

    Environment {
        anchors.fill: parent
        pictureShown: mainIten.picturesShown
        pictureAsynchronous: !mainIten.isPowerOn
        onAreaPressed: {
            mainIten.emptyAreaPressed()
            mainIten.focusControl()
        }
    }

    Image {
        x: 18
        y: 32
        visible: mainIten.isWorkingScreen
        asynchronous: !mainIten.isPowerOn
        source: mainIten.skinImage("index", "logo.png")
    }

    Mouse {
        id: mouseMain
        anchors.fill: parent
        visible: mainIten.isWorkingScreen
    }

    Column {
        id: leftColumn
        x: 18
        y: 106
        spacing: 5
        visible: mainIten.isWorkingScreen

        KeyMatrix {
            id: keyMatrixMain
            onClickFrame: mainIten.focusControl()
            onEnterBtn: function(index) {
                if (!isShown(keyMenuMain))
                    mouseMain.selectKey = index
            }
            onLeaveBtn: {
                if (!isShown(keyMenuMain))
                    mouseMain.selectKey = -1
            }
            onClickKeyMatrix: function(index) {
                hide(colorBar)
                askMenu.visible = false
                mouseMain.selectKey = index
                const menu = builtDialog(keyMenuLoader)
                menu.x = keyMatrixMain.getx(index)
                menu.y = keyMatrixMain.gety(index)
                menu.visible = true
                menu.reset(keyMatrixMain.focusIndex === index)
            }
        }

        Rectangle {
            width: 242
            height: 64
            color: "#b31a1a1a"
            border.width: 1
            border.color: "#2a2a2c"

            Row {
                anchors.centerIn: parent
                spacing: 8
                Button {
                    objectName: "macroManagerButton"
                    width: 113
                    height: 38
                    textValue: screenItem.macroEditorLang[0]
                    fontFamily: mainIten.fontFamily
                    onClicked: {
                        mainIten.focusControl()
                        screenItem.openMacroEditor()
                    }
                }
                Button {
                    objectName: "screenEditorButton"
                    width: 113
                    height: 38
                    textValue: screenItem.screenEditorLang[0]
                    fontFamily: mainIten.fontFamily
                    onClicked: {
                        mainIten.focusControl()
                        screenItem.openScreenEditor()
                    }
                }
            }
        }

        XySetting {
            id: xySettingMain
            onClickFrame: mainIten.focusControl()
        }

        JMGD {
            id: jmgdMain
            onClickFrame: mainIten.focusControl()
        }
    }

    Flickable {
        id: rightColumn
        x: 734
        y: 32
        width: mainIten.width - 9 - x
        height: Math.min(rightPanels.height, 563)
        contentWidth: 242
        contentHeight: rightPanels.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        visible: mainIten.isWorkingScreen
        onMovementStarted: screenItem.hide(colorBar)

        Column {
            id: rightPanels
            spacing: 5

            DpiSetting {
                id: dpiSettingMain
                onClickFrame: mainIten.focusControl()
                onClickDpiSetting: {
                    screenItem.hide(keyMenuMain)
                    mouseMain.selectKey = -1
                    askMenu.visible = false
                }
                onDpiValueChange: ui_View.ui_11H_SetDPISet(dpiSettingMain.dpiValueToDpiSet(), dpiSettingMain.valueForDpi())
                onDpiSelectChange: {
                    ui_View.ui_11H_SetDPISelect(dpiSettingMain.valueForDpiSelect())
                    ui_View.ui_11H_SetDPISet(dpiSettingMain.dpiValueToDpiSet(), dpiSettingMain.valueForDpi())
                }
                onOpenColorBar: function(dpiSelect, dpiColor) {
                    screenItem.openColorBar(dpiSelect, dpiColor)
                    lightControlMain.showStageColor(dpiSelect, dpiColor)
                }
            }

            LightControl {
                id: lightControlMain
                onClickFrame: mainIten.focusControl()
                onClickLightControl: mainIten.focusControl()
                onSetLED: function(effect, option1, option2, colorR, colorG, colorB) {
                    const configs = [effect, option1, option2, colorR, colorG, colorB]
                    let option = 1
                    if (effect === 1 && option1 >= 0 && option1 <= 4)
                        option = [-1, 2, 4, 6, 10][option1]
                    else if (effect === 2)
                        option = 2 * option1 + 2
                    else if ((effect === 3 || effect === 4) && option1 >= 0 && option1 <= 4)
                        option = [6, 12, 18, 24, 30][option1]
                    if (option < 0)
                        ui_View.mouseSetRGBLedEffect(0, 0, 0, colorR, colorG, colorB, configs)
                    else
                        ui_View.mouseSetRGBLedEffect(effect, option, option2, colorR, colorG, colorB, configs)
                }
            }

            ReportRate {
                id: reportRateMain
                onClickFrame: mainIten.focusControl()
                onClickReportRate: mainIten.focusControl()
                onReportValueChanged: ui_View.mouseSetReportRate(reportRateMain.reportValue)
            }

            MouseRate {
                id: mouseRateMain
                onClickFrame: mainIten.focusControl()
                onClickMouseRate: mainIten.focusControl()
                onMouseRateChange: ui_View.setCursorSpeed(mouseRateMain.mouseRateValue)
            }

            DoubleRate {
                id: doubleRateMain
                onClickFrame: mainIten.focusControl()
                onClickDoubleRate: mainIten.focusControl()
                onDoubleRateChange: ui_View.setDoubleClickSpeed(doubleRateMain.doubleRateValue)
            }

            ScrollRate {
                id: scrollRateMain
                onClickFrame: mainIten.focusControl()
                onClickScrollRate: mainIten.focusControl()
                onLinesChange: function(linesValue) {
                    ui_View.setVerticalScrollLines(linesValue)
                    scrollRateMain.lines = linesValue
                }
            }
        }
    }

    // The right column's own scroll bar.
    Rectangle {
        id: scrollBar

        property real pressY: 0
        property real pressContentY: 0

        x: rightColumn.x + 247
        y: rightColumn.y + rightColumn.visibleArea.yPosition * 563
        width: 8
        height: Math.min(1, rightColumn.visibleArea.heightRatio) * 563
        radius: 4
        visible: mainIten.isWorkingScreen && rightColumn.visibleArea.heightRatio < 1
        border.width: 1
        border.color: "#60000000"
        gradient: Gradient {
            GradientStop { position: 0; color: "#767676" }
            GradientStop { position: 1; color: "#303030" }
        }

        Rectangle {
            anchors.fill: parent
            radius: 4
            color: "#20ffffff"
            visible: scrollArea.containsMouse || scrollArea.pressed
        }

        MouseArea {
            id: scrollArea
            anchors.fill: parent
            hoverEnabled: true
            onPressed: function(mouse) {
                scrollBar.pressY = mapToItem(mainIten, mouse.x, mouse.y).y
                scrollBar.pressContentY = rightColumn.contentY
                screenItem.hide(colorBar)
            }
            onPositionChanged: function(mouse) {
                if (!pressed)
                    return
                const dy = mapToItem(mainIten, mouse.x, mouse.y).y - scrollBar.pressY
                const end = Math.max(0, rightColumn.contentHeight - rightColumn.height)
                const y = scrollBar.pressContentY + dy * rightColumn.contentHeight / 563
                rightColumn.contentY = Math.max(0, Math.min(end, y))
            }
        }
    }

    // Above the mask, so that it also closes the profile page it opened.
    Rectangle {
        id: profilesButton
        z: 2
        x: 20
        y: mainIten.height - 6 - height
        width: 120
        height: 28
        radius: 2
        visible: mainIten.isWorkingScreen
        opacity: mainMask.visible && !profileMain.visible ? 0.4 : 1
        color: profilesArea.containsMouse || profileMain.visible ? "#761212" : "#4f1717"
        border.width: 1
        border.color: "#8f2020"

        Text {
            anchors.centerIn: parent
            text: mainIten.mainLang[19]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
            font.bold: true
        }

        MouseArea {
            id: profilesArea
            objectName: "profilesButton"
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                // Another dialog page is open over the mask: it has to be closed first.
                if (mainMask.visible && !profileMain.visible)
                    return
                mainIten.focusControl()
                if (profileMain.visible) {
                    profileMain.profileEditorFocus()
                    profileMain.visible = false
                    mainMask.visible = false
                } else {
                    screenItem.openCentred(profileMain)
                }
            }
        }
    }

    Menu_Down {
        x: 913
        y: 604
        visible: mainIten.isWorkingScreen
        textValue: mainIten.mainLang[26]
        fontFamily: mainIten.fontFamily
        onBtnClicked: {
            mainIten.focusControl()
            screenItem.openCentred(factorysure)
        }
    }

    Menu_Up {
        x: 935
        y: 5
        visible: mainIten.isWorkingScreen
        skin_No: mainIten.skin_No
        onBtnClicked: function(btnIndex) {
            if (btnIndex === 2) {
                const open = askMenu.visible
                mainIten.focusControl()
                askMenu.visible = !open
            } else if (btnIndex === 0) {
                ui_Ctl.onMinimize()
            } else if (btnIndex === 1) {
                ui_Ctl.onClose()
            }
        }
    }

    // The key menu, the colour picker and the two key dialogs are built when first
    // opened too (builtDialog).
    Loader {
        id: keyMenuLoader
        active: false
        sourceComponent: Component {
            KeyMenu {
                id: keyMenu
                keyMenuLang: screenItem.keyMenuLang
                onMenuCmd: function(menuStr) {
                    const bytes = [0, 2, 4, 6].map(i => parseInt(menuStr.substr(i, 2), 16) || 0)
                    keyMatrixMain.modifyData(mouseMain.selectKey, bytes[0], bytes[1], bytes[2], bytes[3])
                    keyMatrixMain.refreashUI()
                    keyMenu.visible = false
                    mouseMain.selectKey = -1
                }
                onCancelled: {
                    const row = mouseMain.selectKey
                    mainIten.focusControl()
                    keyMatrixMain.focusRow(row)
                }
                // The dialogs act on the selected button, so the selection stays.
                onOpenSingleKey: {
                    const withKeyboard = keyMenu.activeFocus
                    keyMenu.visible = false
                    const dialog = screenItem.builtDialog(singleKeyLoader)
                    screenItem.openCentred(dialog)
                    dialog.showUI(withKeyboard)
                }
                onOpenMacroKey: {
                    keyMenu.visible = false
                    const dialog = screenItem.builtDialog(macroKeyLoader)
                    screenItem.openCentred(dialog)
                    dialog.showUI()
                }
                onOpenGunControl: {
                    keyMenu.visible = false
                    screenItem.openGunControl()
                }
            }
        }
    }

    KeyCodeString {
        id: _KeyCodeString
    }

    Loader {
        id: colorBarLoader
        active: false
        sourceComponent: Component {
            ColorBar {
                objectName: "colorBar"
                visible: false
                fontFamily: mainIten.fontFamily
                onColorPicked: function(colour) {
                    dpiSettingMain.setColor(colour)
                }
            }
        }
    }

    // The help menu.
    Rectangle {
        id: askMenu
        objectName: "askMenu"
        // Wide enough for the language entry in either language; the right edge
        // stays under the help button.
        x: 770
        y: 24
        width: 179
        height: askColumn.height + 1
        visible: false
        color: "#6f2929"
        border.width: 1
        border.color: "#8f2020"

        Column {
            id: askColumn
            x: 0
            y: 0.5
            Repeater {
                model: [mainIten.webText, "update", "verison:1.0"]
                Rectangle {
                    id: askRow
                    required property int index
                    required property string modelData
                    width: askMenu.width
                    height: 21
                    color: askArea.containsMouse ? "#8f2020" : "transparent"
                    Text {
                        x: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: askRow.modelData
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontNormalSize
                    }
                    MouseArea {
                        id: askArea
                        objectName: "askRow" + askRow.index
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            mainIten.askMenuCmd(askRow.index)
                            askMenu.visible = false
                        }
                    }
                }
            }

            // The language of the next start; the menu stays open to show the choice.
            Item {
                width: askMenu.width
                height: 21
                Text {
                    x: 10
                    width: langChoices.x - x - 4
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    text: mainIten.mainLang[52]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
                Row {
                    id: langChoices
                    anchors.right: parent.right
                    anchors.rightMargin: 6
                    height: parent.height
                    Repeater {
                        // Each language by its own name.
                        model: [["English", "English"], ["ChineseSimplified", "中文"]]
                        Rectangle {
                            id: langChoice
                            required property var modelData
                            readonly property bool chosen: mainIten.storedLanguage === modelData[0]
                            width: langText.implicitWidth + 10
                            height: 21
                            color: langArea.containsMouse ? "#8f2020" : "transparent"
                            Text {
                                id: langText
                                anchors.centerIn: parent
                                text: langChoice.modelData[1]
                                color: langChoice.chosen ? mainIten.fontColor : "#c8a0a0"
                                font.family: mainIten.fontFamily
                                font.pixelSize: mainIten.fontNormalSize
                                font.bold: langChoice.chosen
                                font.underline: langChoice.chosen
                            }
                            MouseArea {
                                id: langArea
                                objectName: "language_" + langChoice.modelData[0]
                                anchors.fill: parent
                                hoverEnabled: true
                                onClicked: {
                                    if (ui_View.setLang(langChoice.modelData[0]))
                                        mainIten.storedLanguage = langChoice.modelData[0]
                                }
                            }
                        }
                    }
                }
            }
            Text {
                x: 10
                width: askMenu.width - 20
                height: implicitHeight + 5
                text: mainIten.mainLang[53]
                wrapMode: Text.WordWrap
                color: "#e0c0c0"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMinSize
            }
        }
    }

    // Dims the main screen under a dialog page; the dialogs lie above it.
    Rectangle {
        id: mainMask
        objectName: "mainMask"
        z: 1
        anchors.fill: parent
        visible: false
        color: "#90000000"

        DragArea {
            anchors.fill: parent
            onAreaPressed: screenItem.dropDialogFocus()
        }
    }

    // The larger dialog pages, built when first opened (builtDialog).
    Loader {
        id: macroEditorLoader
        z: 3
        active: false
        onLoaded: screenItem.macroEditorMain.init(screenItem.startMacroNames)
        sourceComponent: Component {
            MacroEditor {
                dragBounds: screenItem
                onDeleteMacroSignal: function(macroName) {
                    keyMatrixMain.deleteMacroProc(macroName)
                }
            }
        }
    }

    Loader {
        id: screenEditorLoader
        z: 3
        active: false
        onLoaded: screenItem.screenEditorMain.init(screenItem.startPicture)
        sourceComponent: Component {
            ScreenEditor {
                dragBounds: screenItem
            }
        }
    }

    Loader {
        id: gunControlLoader
        z: 3
        active: false
        onLoaded: screenItem.gunControlMain.init(screenItem.startGunNames, screenItem.startGunSelection)
        sourceComponent: Component {
            GunControl {
                dragBounds: screenItem
            }
        }
    }

    Loader {
        id: singleKeyLoader
        z: 3
        active: false
        sourceComponent: Component {
            SingleKey {
                onCloseSure: screenItem.closeKeyDialog(screenItem.singleKeyMain)
            }
        }
    }

    Loader {
        id: macroKeyLoader
        z: 3
        active: false
        sourceComponent: Component {
            MacroKey {
                macroKeyLang: screenItem.macroKeyLang
                onCloseSure: screenItem.closeKeyDialog(screenItem.macroKeyMain)
            }
        }
    }

    Profile {
        id: profileMain
        z: 3
        objectName: "profileMain"
        onChangeProfile: function(tmpProfileNo) {
            screenItem.selectProfile(tmpProfileNo, false)
        }
        onCloseUI: screenItem.sendChosenProfile()
    }

    // Over the profile page that opens it; built when first opened.
    Loader {
        id: programListLoader
        objectName: "programListLoader"
        z: 4
        active: false
        sourceComponent: Component {
            ProgramList {
                objectName: "programList"
                lang: screenItem.programListLang
                onClosed: profileMain.forceActiveFocus()
            }
        }
    }

    // The factory-reset dialog.
    Image {
        id: factorysure
        z: 3
        width: 360
        height: 170
        visible: false
        // Hidden dialogs hold no decoded image.
        source: visible ? mainIten.skinImage("index", "sureBg.png") : ""

        MouseArea {
            anchors.fill: parent
            drag.target: factorysure
            drag.minimumX: 0
            drag.minimumY: 0
            drag.maximumX: mainIten.width - factorysure.width
            drag.maximumY: mainIten.height - factorysure.height
        }

        Text {
            x: 12
            y: 7
            text: mainIten.mainLang[26]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
            font.bold: true
        }

        Text {
            x: 20
            y: 44
            width: factorysure.width - 40
            height: 70
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: mainIten.mainLang[27]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
        }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 16
            y: 133
            spacing: 14
            RedButton {
                objectName: "resetOk"
                textValue: mainIten.mainLang[28]
                fontFamily: mainIten.fontFamily
                onClicked: screenItem.resetCurrentProfile()
            }
            RedButton {
                objectName: "resetCancel"
                textValue: mainIten.mainLang[29]
                fontFamily: mainIten.fontFamily
                onClicked: {
                    factorysure.visible = false
                    mainMask.visible = false
                }
            }
        }
    }
}
