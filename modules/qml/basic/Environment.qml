import QtQuick

// The window's background; pressing it starts a window drag.
Item {
    id: environment

    property bool pictureShown: true
    // At start the picture is decoded on the image reader thread while the pages are being
    // created; a window coming back from the tray decodes it before its first frame.
    property bool pictureAsynchronous: true

    signal areaPressed()

    Image {
        anchors.fill: parent
        asynchronous: environment.pictureAsynchronous
        source: environment.pictureShown ? "qrc:/modules/img/background.png" : ""
    }

    DragArea {
        anchors.fill: parent
        onAreaPressed: environment.areaPressed()
    }
}
