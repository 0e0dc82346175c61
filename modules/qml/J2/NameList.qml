// qmllint disable unqualified
import QtQuick

// A framed list of names (macros, recoil presets) with a selected row and an inline editor for
// renaming. Mouse: a click selects, a double click renames. Keyboard: Up and Down select, F2
// renames, Delete asks for the row to be deleted; in the editor Enter commits, Escape drops.
Rectangle {
    id: nameList

    property alias model: view.model
    property string role
    property alias currentIndex: view.currentIndex
    property alias count: view.count
    readonly property alias isRenaming: editor.visible
    readonly property alias editor: editor

    signal rowChosen(int row)
    signal renamed(int row, string name)
    signal deletePressed()

    function nameAt(row) {
        return row >= 0 && row < view.count ? String(model.get(row)[role]) : ""
    }

    function choose(row) {
        commitRename()
        if (row < 0 || row >= view.count)
            return
        view.currentIndex = row
        rowChosen(row)
    }

    function startRename() {
        if (view.currentIndex < 0 || view.currentIndex >= view.count)
            return
        view.positionViewAtIndex(view.currentIndex, ListView.Contain)
        editor.text = nameAt(view.currentIndex)
        editor.visible = true
        editor.selectAll()
        editor.forceActiveFocus()
    }

    // Ends a rename; the owner decides whether the new name is taken.
    function commitRename() {
        if (!editor.visible)
            return
        editor.visible = false
        const row = view.currentIndex
        const name = editor.text
        view.forceActiveFocus()
        if (name !== nameAt(row))
            renamed(row, name)
    }

    function dropRename() {
        editor.visible = false
        view.forceActiveFocus()
    }

    function positionAtEnd() {
        view.positionViewAtEnd()
    }

    color: "#101011"
    border.width: 1
    border.color: view.activeFocus ? "#c3212b" : "#3a3a3a"
    clip: true

    ListView {
        id: view
        anchors.fill: parent
        anchors.margins: 1
        currentIndex: -1
        activeFocusOnTab: true
        boundsBehavior: Flickable.StopAtBounds
        highlightFollowsCurrentItem: false
        keyNavigationEnabled: false
        Keys.onUpPressed: nameList.choose(Math.max(0, currentIndex - 1))
        Keys.onDownPressed: nameList.choose(Math.min(count - 1, currentIndex + 1))
        Keys.onPressed: function(event) {
            if (event.key === Qt.Key_F2) {
                nameList.startRename()
                event.accepted = true
            } else if (event.key === Qt.Key_Delete) {
                nameList.deletePressed()
                event.accepted = true
            }
        }

        delegate: Rectangle {
            id: row
            required property int index
            required property var model
            width: ListView.view.width
            height: 18
            color: ListView.isCurrentItem ? "#b03b3b" : (rowArea.containsMouse ? "#4a4a4a" : "transparent")

            Text {
                x: 8
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 12
                elide: Text.ElideRight
                text: String(row.model[nameList.role])
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }

            MouseArea {
                id: rowArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    nameList.choose(row.index)
                    view.forceActiveFocus()
                }
                onDoubleClicked: {
                    nameList.choose(row.index)
                    nameList.startRename()
                }
            }
        }
    }

    TextInput {
        id: editor
        visible: false
        x: 8
        y: view.currentItem ? view.currentItem.y - view.contentY + 2 : 0
        width: parent.width - 14
        height: 16
        maximumLength: 64
        selectByMouse: true
        clip: true
        color: "#ffffff"
        selectionColor: "#761212"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
        onAccepted: nameList.commitRename()
        Keys.onEscapePressed: nameList.dropRename()

        Rectangle {
            anchors.fill: parent
            anchors.margins: -2
            z: -1
            color: "#101011"
            border.width: 1
            border.color: "#c3212b"
        }
    }
}
