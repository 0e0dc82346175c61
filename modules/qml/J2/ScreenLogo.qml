import QtQuick

// The mouse's own logo as its screen shows it: a white word mark between two bars.
Item {
    id: logo

    property string fontFamily: "Sans"

    width: 192
    height: 78

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.round(logo.height * 0.18)
        width: Math.round(logo.width * 0.62)
        height: Math.max(2, Math.round(logo.height * 0.05))
        color: "#ffffff"
    }

    Text {
        anchors.centerIn: parent
        text: "SKALD"
        color: "#ffffff"
        font.family: logo.fontFamily
        font.pixelSize: Math.round(logo.height * 0.42)
        font.bold: true
        font.letterSpacing: Math.round(logo.height * 0.06)
    }

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.round(logo.height * 0.77)
        width: Math.round(logo.width * 0.62)
        height: Math.max(2, Math.round(logo.height * 0.05))
        color: "#ffffff"
    }
}
