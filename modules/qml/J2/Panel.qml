// qmllint disable unqualified
import QtQuick

// A side panel: the Frame title bar over a body that folds away into it.
Item {
    id: panel

    property alias title: frame.title
    property int bodyHeight: 100
    property bool isOpen: true
    // Why this desktop cannot apply the panel's setting; the body is disabled while it is set.
    property string unavailable: ""
    readonly property bool isMoving: heightAnimation.running || bodyAnimation.running
    default property alias content: body.data

    signal clickFrame()

    function openCloseMenu() {
        if (isMoving)
            return
        isOpen = !isOpen
    }

    width: 242
    height: frame.height + (isOpen ? bodyHeight : 0)

    Behavior on height {
        NumberAnimation {
            id: heightAnimation
            duration: mainIten.animation_speed
            easing.type: Easing.OutQuint
        }
    }

    Item {
        y: frame.height
        width: parent.width
        height: parent.height - frame.height
        clip: true

        Rectangle {
            id: body
            y: panel.isOpen ? 0 : -panel.bodyHeight
            width: parent.width
            height: panel.bodyHeight
            color: "#c0141415"
            border.width: 1
            border.color: "#2a2a2c"
            enabled: panel.unavailable === ""
            opacity: enabled ? 1 : 0.35

            Behavior on y {
                NumberAnimation {
                    id: bodyAnimation
                    duration: mainIten.animation_speed
                    easing.type: Easing.OutQuint
                }
            }
        }

        Rectangle {
            objectName: "unavailableNote"
            visible: panel.unavailable !== ""
            x: 1
            y: body.y + body.height - height - 1
            width: parent.width - 2
            height: note.height + 6
            color: "#141415"

            Text {
                id: note
                x: 7
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 14
                text: panel.unavailable
                color: "#e0e0e0"
                elide: Text.ElideRight
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMinSize
            }
        }
    }

    Frame {
        id: frame
        onOpenCloseMenu: panel.openCloseMenu()
        onClickFrame: panel.clickFrame()
    }
}
