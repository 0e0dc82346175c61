import QtQuick

// "LOADING ......" over everything while the mouse is being written.
Item {
    id: busyIndicator

    property string fontFamily: "微软雅黑"
    property int fontSize: 16

    function setBusy(isBusy) {
        visible = isBusy
    }

    visible: false

    Rectangle {
        anchors.centerIn: parent
        width: label.implicitWidth + 40
        height: label.implicitHeight + 16
        radius: height / 2
        color: "#d0101011"
        border.width: 1
        border.color: "#761212"
        opacity: 0.5 + label.opacity / 2
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: "LOADING ......"
        color: "#ffffff"
        style: Text.Outline
        styleColor: "#80000000"
        font.family: busyIndicator.fontFamily
        font.pixelSize: busyIndicator.fontSize
        font.bold: true

        SequentialAnimation on opacity {
            running: busyIndicator.visible
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
