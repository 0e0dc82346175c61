import QtQuick

// The main window's size, one fill and one line of text.
Rectangle {
    width: 1000
    height: 640
    color: "#1a1a1a"

    Text {
        x: 20
        y: 20
        text: "skald-config"
        color: "#ffffff"
        font.pixelSize: 12
    }
}
