// qmllint disable unqualified
// ui_View (the bridge), hid (the device link) and ui_Ctl (the window controller) are published
// by the window controller after this file has been loaded: no binding may use them, and
// everything starts from initUI.
import QtQuick
import "basic"

Item {
    id: mainIten

    property var mainLang: ["Axis Sensitivity", "x-Axis", "y-Axis", "DPI Setting", "Lighting", "Static", "Breath",
        "Neon", "Finger \nTapping", "Report rate", "Mouse Speed", "Double-Click Speed", "Scroll Speed", "Slow",
        "Fast", "Number of Rows", "Scrol one Screen", "Top View", "Side View", "Profiles", "New", "Delete", "Edit",
        "Copy", "Load", "Save", "Reset", "Reset Factroy Setting", "OK", "Cancel", "Color", "Sensor Height", "", "",
        "",
        // 35..51: the program list of a profile, 47..51 why it cannot work.
        "Programs", "Programs that select this profile", "Switch profiles with the program in front",
        "Programs with windows now", "Add", "Browse...", "Remove", "Refresh",
        "When a program without a profile is in front:", "Stay with the profile in use", "Close",
        "No program selects this profile yet.",
        "This Wayland session does not tell programs which window is in front.",
        "The window manager does not tell which window is in front.",
        "This session has no window system that tells which window is in front.",
        "Windows did not let the program hear which window is in front.",
        "Profiles do not follow programs in this run.",
        // 52, 53: the help menu's language entry.
        "Language", "Takes effect at next start"]
    property int language: 1
    // The language stored for the next start ("English", "ChineseSimplified"); the help menu
    // changes it, the texts of this run stay as they are.
    property string storedLanguage: ""
    property bool isPowerOn: false
    // False while the window is hidden (in the tray, or never shown, as in a command-line
    // apply): no picture is decoded or kept then.
    property bool picturesShown: false
    // At the first start the DPI and report-rate pages take the mouse's own values, which it
    // keeps across programs; a command-line apply sends the stored profile as it stands.
    property bool adoptMouseValues: true
    property int curDev: 0
    // What the pages need of the model in use (ui_View.getModel), known from the first initUI.
    property var curModel: ({})
    property bool isScrollRateFocus: false
    property int skin_No: 1
    property string fontFamily: "微软雅黑"
    property int fontNormalSize: 12
    property int fontMaxSize: 16
    property int fontMiddleSize: 14
    property int fontMinSize: 10
    property color fontColor: "#ffffff"
    property int animation_speed: 300

    // Shown once the first busy period after start-up has ended.
    property bool isWorkingScreen: false
    // The working screen and its pages, created by the first initUI.
    readonly property var screen: screenLoader.item
    readonly property string webAddress: "https://www.morvant.example/skald"
    readonly property string webText: "www.morvant.example"

    signal emptyAreaPressed()
    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int vornCode, int x, int y)

    function skinImage(group, file) {
        if (!picturesShown)
            return ""
        return "qrc:/" + group + "/modules/img/skin" + skin_No + "/" + group + "/" + file
    }

    // ---- Calls from the native side ----

    function initUI(tmpCurDev) {
        curDev = tmpCurDev
        curModel = ui_View.getModel(tmpCurDev)
        if (isPowerOn)
            return
        setProtectUI(1000)
        visible = true
        // The pages are created only now, so that the window maps without waiting for them.
        screenLoader.active = true
        screen.powerOn()
        isPowerOn = true
    }

    function run() {
    }

    function refreashDPI() {
        if (screen)
            screen.refreashDPI()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vornCode, x, y) {
        msg_MS(isDown, vornCode, x, y)
    }

    // The link's queue has been busy for a while (a burst of clicks, a picture upload).
    property bool isLinkBusy: false
    function setLinkBusy(busy) {
        isLinkBusy = busy
        busyIndicator.setBusy(busy || tmrProtectUI.running)
    }

    function setProtectUI(interval) {
        busyIndicator.setBusy(true)
        ui_View.setEnabled(false)
        tmrProtectUI.interval = Math.max(0, Number(interval) || 0)
        tmrProtectUI.restart()
    }

    // ---- Own functions ----

    function focusControl() {
        if (screen)
            screen.focusControl()
    }

    function askMenuCmd(cmd) {
        if (cmd === 0)
            Qt.openUrlExternally(webAddress)
        else if (cmd === 1)
            ui_View.openUpdateExe()
    }

    // Whether a profile switch for the program in front has to wait: a macro is being
    // recorded, or a dialog is about to change a button of the profile in use.
    function isSwitchBlocked() {
        return screen ? screen.isSwitchBlocked() : true
    }

    // What the profile page does when profile n is chosen and the page is closed, even when
    // n is already current; the command line's --apply-profile runs this.
    function applyProfile(n) {
        if (screen)
            screen.applyProfile(n)
    }

    width: 1000
    height: 640
    visible: false

    Timer {
        id: tmrProtectUI
        interval: 1000
        repeat: false
        onTriggered: {
            ui_View.setEnabled(true)
            busyIndicator.setBusy(mainIten.isLinkBusy)
            // The first busy period of the pages ends the power-on logo.
            if (powerOnLogo.visible && mainIten.isPowerOn) {
                powerOnLogo.visible = false
                mainIten.isWorkingScreen = true
                ui_View.dropUnusedPictures()
            }
        }
    }

    Loader {
        id: screenLoader
        anchors.fill: parent
        active: false
        source: "MainScreen.qml"
    }

    Image {
        id: powerOnLogo
        z: 4
        x: Math.round((mainIten.width - width) / 2)
        y: 12
        width: 420
        height: 300
        asynchronous: true
        source: visible ? mainIten.skinImage("index", "powerOn.png") : ""
    }

    BusyIndicator {
        id: busyIndicator
        z: 5
        anchors.fill: parent
        fontFamily: mainIten.fontFamily
        fontSize: mainIten.fontMaxSize
    }
}
