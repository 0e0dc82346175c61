import QtQuick

// An icon with a highlighted variant under the pointer; the click area may reach beyond it.
Image {
    id: iconButton

    property string normalSource
    property string hoverSource
    property int extraArea: 0

    signal clicked()

    source: area.containsMouse && hoverSource !== "" ? hoverSource : normalSource

    MouseArea {
        id: area
        anchors.fill: parent
        anchors.margins: -iconButton.extraArea
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: iconButton.clicked()
    }
}
