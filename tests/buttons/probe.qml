import QtQuick

// Pages of the capture probe: every call from the native side is printed by the probe.
Item {
    width: 320
    height: 200

    function initUI(devIndex) {
    }

    function run() {
    }

    function refreashDPI() {
    }

    function setProtectUI(busyTime) {
    }

    function detectKeyboard(isDown, usbCode) {
        probe.report("key", isDown, usbCode)
    }

    function detectMouse(isDown, vornCode, x, y) {
        probe.report("mouse", isDown, vornCode)
    }

    Rectangle {
        anchors.fill: parent
        color: "#202020"
    }
}
