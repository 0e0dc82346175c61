// qmllint disable unqualified
import QtQuick

// The function menu of a button (placeholder: the entries of the first level; the submenus,
// the single-key and macro dialogs come with the key assignment pages).
Rectangle {
    id: keyMenu

    property var keyMenuLang: ["Left Button", "Right Button", "Middle Button", "Auto Run", "Fire Mode", "Fire key",
        "DPI Setting +", "Multimedia Commands +", "Basic Commands +", "Additional Commands +", "Assign Keyboard Key",
        "Macro", "Gun Management", "Deactivated", "DPI +", "DPI -", "DPI LOOP", "Media Player", "Next Track",
        "Previous Track", "Stop", "Play/Pause", "Mute", "Volume Up", "Volume Down", "New", "Cut", "Copy", "Paste",
        "Save", "Print", "Find", "Redo", "Undo", "Select All", "My Computer", "Web Home", "Search Computer",
        "Maximize", "Minimize", "Show DeskTop", "RUN", "Forward", "Back", ""]
    // Menu rows: language index (-1 for "Fn") and the entry it assigns ("" opens something).
    readonly property var items: [[0, "0100f000"], [1, "0100f100"], [2, "0100f200"], [42, "0100f400"],
        [43, "0100f300"], [8, ""], [7, ""], [9, ""], [6, ""], [5, "0bf04000"], [10, ""], [11, ""],
        [-1, "0a070000"], [13, "00000000"]]

    signal menuCmd(string menuStr)

    function init() {
    }

    visible: false
    width: 136
    height: 297
    color: "#1c1c1c"
    border.width: 1
    border.color: "#6f2929"

    Column {
        x: 1
        y: 1
        Repeater {
            model: keyMenu.items
            Rectangle {
                id: menuRow
                required property var modelData
                width: 134
                height: 21
                color: rowArea.containsMouse ? "#8f2020" : "transparent"
                Text {
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: menuRow.modelData[0] < 0 ? "Fn" : keyMenu.keyMenuLang[menuRow.modelData[0]]
                    color: menuRow.modelData[1] === "" ? "#a0a0a0" : mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize + 1
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        if (menuRow.modelData[1] !== "")
                            keyMenu.menuCmd(menuRow.modelData[1])
                    }
                }
            }
        }
    }
}
