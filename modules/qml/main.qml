import QtQuick

// Root of the pages. It stays invisible until the native side tells it which device is in use.
Item {
    id: main
    width: 1000
    height: 640
    visible: false

    property int curDev: 0
    property bool initialized: false

    function initUI(devIndex) {
        curDev = devIndex
        if (initialized)
            return
        initialized = true
        visible = true
    }

    function run() {
    }

    function refreashDPI() {
    }

    function detectKeyboard(isDown, usbCode) {
    }

    function detectMouse(isDown, vornCode, x, y) {
    }

    function setProtectUI(busyTime) {
    }

    Rectangle {
        anchors.fill: parent
        radius: 8
        color: "#1a1a1a"
        border.color: "#761212"
    }
}
