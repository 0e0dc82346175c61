import QtQuick

// The frame around the control that the keyboard acts on; put it inside that control.
Rectangle {
    property bool shown: false

    anchors.fill: parent
    anchors.margins: -2
    visible: shown
    radius: 2
    color: "transparent"
    border.width: 1
    border.color: "#f1592a"
}
