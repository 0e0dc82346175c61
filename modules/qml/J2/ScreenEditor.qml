// qmllint disable unqualified
import QtQuick

// The editor of the mouse's screen (placeholder: shows the current DPI text).
PageDialog {
    id: screenEditor

    property var screenEditorLang: ["Screen Editor", "Logo", "Sensor", "DPI Value", "Versions", "Report Rate",
        "TEXT", "Picture", "Picture", "(Only 96*39 black and white pictures are supported)"]
    property int selectIndex: 1
    property int curDPISegment: 1
    property int curDPIValue: 600
    property string dpiValueTxt: "DPI1:600"

    function init() {
        ui_View.getPictureValue(false)
    }

    width: 520
    height: 300
    title: screenEditorLang[0]
    onCloseClicked: visible = false
    onVisibleChanged: if (!visible) mainMask.visible = false

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 40
        width: 192 + 16
        height: 78 + 16
        color: "#050506"
        border.width: 2
        border.color: "#505055"
        Text {
            anchors.centerIn: parent
            text: screenEditor.dpiValueTxt
            color: "#e8e8e8"
            font.family: mainIten.fontFamily
            font.pixelSize: 20
            font.bold: true
        }
    }
}
