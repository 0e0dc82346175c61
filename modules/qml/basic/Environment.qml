import QtQuick

// The window's background; pressing it starts a window drag.
Item {
    id: environment

    signal areaPressed()

    Image {
        anchors.fill: parent
        // Decoded on the image reader thread while the pages are being created.
        asynchronous: true
        source: "qrc:/modules/img/background.png"
    }

    DragArea {
        anchors.fill: parent
        onAreaPressed: environment.areaPressed()
    }
}
