// qmllint disable unqualified
import QtQuick
import "mousePictures.js" as MousePictures

// The mouse picture: the front or the side view, each with its nine buttons, the selected one
// highlighted; two tabs under it switch the view.
Item {
    id: mouse

    property int selectKey: -1
    property int keyCount: 9
    property bool isSide: false

    Repeater {
        model: 2
        Item {
            id: view
            required property int index
            readonly property string name: index === 1 ? "mouseSide" : "mouseTop"
            // Only the view shown holds its pictures.
            readonly property bool shown: mouse.isSide === (index === 1)
            // Each button picture is cut to what it draws (its plain and lit pictures alike) and lies
            // at its own place in the view.
            x: 497 - width / 2
            y: index === 1 ? 170 : 92
            width: index === 1 ? 430 : 300
            height: index === 1 ? 300 : 430
            visible: shown
            // At start the pictures are decoded on the image reader thread while the pages are
            // created; a window coming back from the tray, or the other view chosen, decodes them
            // before the next frame.

            Image {
                asynchronous: !mainIten.isPowerOn
                source: view.shown ? mainIten.skinImage("mouse", view.name + ".png") : ""
            }
            Repeater {
                model: 9
                Image {
                    required property int index
                    readonly property bool selected: mouse.selectKey === index
                    readonly property string button: view.name + "Key" + index
                    objectName: button
                    x: MousePictures.places[button][0]
                    y: MousePictures.places[button][1]
                    visible: index < 6 || mouse.keyCount > index
                    asynchronous: !mainIten.isPowerOn
                    source: view.shown ? mainIten.skinImage("mouse", button + (selected ? "_h" : "") + ".png") : ""
                }
            }
        }
    }

    Row {
        x: 497 - width / 2
        y: 548
        spacing: 30
        Repeater {
            model: 2
            Text {
                required property int index
                readonly property bool active: mouse.isSide === (index === 1)
                text: mainIten.mainLang[17 + index]
                color: active ? "#fa6726" : "#a0a0a0"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMiddleSize
                font.bold: active
                activeFocusOnTab: true
                Keys.onReturnPressed: choose()
                Keys.onSpacePressed: choose()
                function choose() {
                    mainIten.focusControl()
                    mouse.isSide = index === 1
                }
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: -3
                    color: "transparent"
                    border.width: 1
                    border.color: "#fa6726"
                    visible: parent.activeFocus
                }
                MouseArea {
                    objectName: index === 1 ? "sideTab" : "topTab"
                    anchors.fill: parent
                    anchors.margins: -4
                    onClicked: parent.choose()
                }
            }
        }
    }
}
