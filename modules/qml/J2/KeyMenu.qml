// qmllint disable unqualified
import QtQuick

// The function menu of a button: mouse functions, four submenus of commands, the fire key, a
// keyboard key, a macro, Fn and off. Worked with the pointer or, once it has the keyboard, with
// the arrow keys, Enter and Escape.
Rectangle {
    id: keyMenu

    // Its texts; the main screen holds them, in the language in use.
    property var keyMenuLang: []

    // Rows: `lang` indexes keyMenuLang (-1 for "Fn"); `cmd` is the entry it assigns, `sub` the
    // submenu it opens, `open` the dialog it opens; `hides` closes every submenu on hover.
    readonly property var items: [
        { lang: 0, cmd: "0100f000" }, { lang: 1, cmd: "0100f100" }, { lang: 2, cmd: "0100f200" },
        { lang: 42, cmd: "0100f400" }, { lang: 43, cmd: "0100f300", hides: true },
        { lang: 8, sub: 0 }, { lang: 7, sub: 1 }, { lang: 9, sub: 2 }, { lang: 6, sub: 3 },
        { lang: 5, cmd: "0bf04000", hides: true }, { lang: 10, open: "singleKey" }, { lang: 11, open: "macro" },
        // The recoil functions are not offered; the row stays so that the page can be reached again.
        { lang: 12, open: "gun", hidden: true },
        { lang: -1, cmd: "0a070000" }, { lang: 13, cmd: "00000000" }]
    readonly property var submenus: [
        { y: 108, items: [[25, "0000e011"], [26, "0000e01b"], [27, "0000e006"], [28, "0000e019"], [29, "0000e016"],
                          [30, "0000e013"], [31, "0000e009"], [32, "0000e01c"], [33, "0000e01d"], [34, "0000e004"]] },
        { y: 129, items: [[17, "03008301"], [18, "0300b500"], [19, "0300b600"], [20, "0300b700"], [21, "0300cd00"],
                          [22, "0300e200"], [23, "0300e900"], [24, "0300ea00"]] },
        { y: 150, items: [[35, "03009401"], [36, "03002302"], [37, "03002102"], [38, "00022c1b"], [39, "00022c11"],
                          [40, "0000e307"], [41, "0000e315"]] },
        { y: 171, items: [[14, "07000100"], [15, "07000200"], [16, "07000300"]] }]

    // The submenu shown, -1 for none.
    property int openSub: -1
    // The keyboard's row in the menu and in the open submenu (-1: the keyboard is in the menu).
    property int currentItem: 0
    property int currentSubItem: -1

    signal menuCmd(string menuStr)
    signal openSingleKey()
    signal openMacroKey()
    signal openGunControl()
    // Escape: the menu closes and the keyboard goes back to the button list.
    signal cancelled()

    function itemText(lang) {
        return lang < 0 ? "Fn" : keyMenuLang[lang]
    }

    // Closed submenus, keyboard on the first row; `withKeyboard` gives the menu the keyboard.
    function reset(withKeyboard) {
        openSub = -1
        currentItem = withKeyboard ? 0 : -1
        currentSubItem = -1
        if (withKeyboard)
            forceActiveFocus()
    }

    function hoverItem(i) {
        const item = items[i]
        if (item.sub !== undefined)
            openSub = item.sub
        else if (item.hides)
            openSub = -1
    }

    function activate(i) {
        const item = items[i]
        if (item.cmd !== undefined)
            menuCmd(item.cmd)
        else if (item.open === "singleKey")
            openSingleKey()
        else if (item.open === "macro")
            openMacroKey()
        else if (item.open === "gun")
            openGunControl()
    }

    function step(from, delta) {
        let i = from
        do {
            i = (i + delta + items.length) % items.length
        } while (items[i].hidden)
        return i
    }

    onVisibleChanged: {
        if (!visible)
            openSub = -1
    }

    Keys.onUpPressed: {
        if (currentSubItem >= 0) {
            const n = submenus[openSub].items.length
            currentSubItem = (currentSubItem + n - 1) % n
        } else {
            currentItem = step(currentItem < 0 ? 0 : currentItem, -1)
            hoverItem(currentItem)
        }
    }
    Keys.onDownPressed: {
        if (currentSubItem >= 0) {
            currentSubItem = (currentSubItem + 1) % submenus[openSub].items.length
        } else {
            currentItem = currentItem < 0 ? 0 : step(currentItem, 1)
            hoverItem(currentItem)
        }
    }
    Keys.onRightPressed: enterSubmenu()
    Keys.onLeftPressed: currentSubItem = -1
    Keys.onEscapePressed: {
        if (currentSubItem >= 0)
            currentSubItem = -1
        else
            cancelled()
    }
    Keys.onReturnPressed: enterKey()
    Keys.onEnterPressed: enterKey()
    Keys.onSpacePressed: enterKey()

    function enterSubmenu() {
        if (currentSubItem < 0 && currentItem >= 0 && items[currentItem].sub !== undefined) {
            openSub = items[currentItem].sub
            currentSubItem = 0
        }
    }

    function enterKey() {
        if (currentSubItem >= 0)
            menuCmd(submenus[openSub].items[currentSubItem][1])
        else if (currentItem >= 0 && items[currentItem].sub !== undefined)
            enterSubmenu()
        else if (currentItem >= 0)
            activate(currentItem)
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
                required property int index
                readonly property bool isParent: modelData.sub !== undefined
                visible: !modelData.hidden
                width: 134
                height: 21
                color: rowArea.containsMouse || keyMenu.currentItem === index
                       || (isParent && keyMenu.openSub === modelData.sub) ? "#8f2020" : "transparent"
                Text {
                    // Long labels (and longer translations) shrink to fit the fixed menu width.
                    x: 8
                    width: parent.width - 12
                    height: parent.height
                    verticalAlignment: Text.AlignVCenter
                    text: keyMenu.itemText(menuRow.modelData.lang)
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize + 1
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 8
                }
                MouseArea {
                    id: rowArea
                    objectName: "menuItem" + menuRow.index
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: {
                        keyMenu.currentItem = -1
                        keyMenu.currentSubItem = -1
                        keyMenu.hoverItem(menuRow.index)
                    }
                    onClicked: keyMenu.activate(menuRow.index)
                }
            }
        }
    }

    Repeater {
        model: keyMenu.submenus
        Rectangle {
            id: submenu
            required property var modelData
            required property int index
            x: 134
            y: modelData.y
            width: 136
            height: modelData.items.length * 21 + 2
            visible: keyMenu.openSub === index
            color: "#1c1c1c"
            border.width: 1
            border.color: "#6f2929"
            Column {
                x: 1
                y: 1
                Repeater {
                    model: submenu.modelData.items
                    Rectangle {
                        id: subRow
                        required property var modelData
                        required property int index
                        width: 134
                        height: 21
                        color: subArea.containsMouse || keyMenu.currentSubItem === index ? "#8f2020" : "transparent"
                        Text {
                            x: 8
                            width: parent.width - 12
                            height: parent.height
                            verticalAlignment: Text.AlignVCenter
                            text: keyMenu.keyMenuLang[subRow.modelData[0]]
                            color: mainIten.fontColor
                            font.family: mainIten.fontFamily
                            font.pixelSize: mainIten.fontMinSize + 1
                            fontSizeMode: Text.HorizontalFit
                            minimumPixelSize: 8
                        }
                        MouseArea {
                            id: subArea
                            objectName: "subItem" + submenu.index + "_" + subRow.index
                            anchors.fill: parent
                            hoverEnabled: true
                            onEntered: keyMenu.currentSubItem = -1
                            onClicked: keyMenu.menuCmd(subRow.modelData[1])
                        }
                    }
                }
            }
        }
    }
}
