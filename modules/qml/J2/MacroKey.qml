// qmllint disable unqualified
// ui_View is published after loading; the main screen is reached by its ids.
import QtQuick

// The macro choice dialog: a macro from the editor's list and a run mode for the selected
// button. The macro plays from the button's own slot, its index + 1.
PageDialog {
    id: macroKey

    // Its texts; the main screen holds them, in the language in use.
    property var macroKeyLang: []
    property int macroType: 0
    // The drop-down's last choice, kept between openings.
    property string chosenName
    property alias fieldText: macroField.text
    readonly property alias isNullMacro: nullTip.visible
    readonly property alias isDropped: dropDown.visible

    signal closeSure()

    function showUI() {
        // The choice lists the macro editor's macros, so the editor is built first.
        screenItem.builtDialog(macroEditorLoader)
        dropDown.visible = false
        // The remembered choice is what OK assigns, so the field shows it; a macro deleted or
        // renamed since then is forgotten rather than replaced by whatever took its row.
        if (rowOf(chosenName) < 0)
            chosenName = ""
        macroField.text = chosenName
        nullTip.visible = chosenName !== "" && isEmptyMacro(chosenName)
        visible = true
        fieldBox.forceActiveFocus()
    }

    function macroKeyFocus() {
        dropDown.visible = false
    }

    function rowOf(name) {
        const list = macroEditorMain.macroListModel
        for (let i = 0; i < list.count; ++i) {
            if (list.get(i).macroName === name)
                return i
        }
        return -1
    }

    function isEmptyMacro(name) {
        return ui_View.loadMacroIni(name).length <= 1
    }

    function toggleDropDown() {
        dropDown.visible = !dropDown.visible
        if (dropDown.visible) {
            dropList.currentIndex = rowOf(chosenName)
            dropList.forceActiveFocus()
        } else {
            fieldBox.forceActiveFocus()
        }
    }

    function choose(row) {
        const list = macroEditorMain.macroListModel
        dropDown.visible = false
        fieldBox.forceActiveFocus()
        if (row < 0 || row >= list.count)
            return
        chosenName = list.get(row).macroName
        macroField.text = chosenName
        nullTip.visible = isEmptyMacro(chosenName)
    }

    function accept() {
        if (nullTip.visible)
            return
        const button = mouseMain.selectKey
        if (chosenName !== "" && button >= 0) {
            ui_View.setMacroKey(button, chosenName)
            keyMatrixMain.modifyData(button, 0x09, macroType, button, 0)
            keyMatrixMain.refreashUI()
            macroEditorMain.sendMacro(button, chosenName)
        }
        close()
    }

    function close() {
        dropDown.visible = false
        macroField.text = ""
        nullTip.visible = false
        closeSure()
    }

    width: 320
    height: 260
    title: macroKeyLang[0]
    onCloseClicked: close()
    Keys.onEscapePressed: close()

    Text {
        y: 4
        text: macroKey.macroKeyLang[1]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Rectangle {
        id: fieldBox
        objectName: "macroField"
        x: 100
        width: 109
        height: 22
        color: "#101011"
        border.width: 1
        border.color: activeFocus ? "#c3212b" : "#5a5a5a"
        activeFocusOnTab: true
        Keys.onSpacePressed: macroKey.toggleDropDown()
        Keys.onReturnPressed: macroKey.toggleDropDown()
        Keys.onDownPressed: macroKey.toggleDropDown()

        Text {
            id: macroField
            x: 6
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - 22
            elide: Text.ElideRight
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            text: "\u25be"
            color: "#b0b0b0"
            font.pixelSize: mainIten.fontNormalSize
        }
        MouseArea {
            anchors.fill: parent
            onClicked: macroKey.toggleDropDown()
        }
    }

    Text {
        id: nullTip
        objectName: "nullMacroTip"
        x: 216
        y: 3
        visible: false
        text: macroKey.macroKeyLang[9]
        color: "#F00000"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Column {
        y: 40
        spacing: 10
        ChoiceItem {
            objectName: "runMode0"
            round: true
            text: macroKey.macroKeyLang[2]
            isSelect: macroKey.macroType === 0
            onClicked: macroKey.macroType = 0
        }
        ChoiceItem {
            objectName: "runMode1"
            round: true
            text: macroKey.macroKeyLang[3]
            isSelect: macroKey.macroType === 1
            onClicked: macroKey.macroType = 1
        }
        ChoiceItem {
            objectName: "runMode2"
            round: true
            text: macroKey.macroKeyLang[4]
            isSelect: macroKey.macroType === 2
            onClicked: macroKey.macroType = 2
        }
    }

    Row {
        x: macroKey.width - 24 - width
        y: macroKey.height - 40 - 12 - 25
        spacing: 12
        FocusButton {
            objectName: "macroKeyOk"
            textValue: macroKey.macroKeyLang[5]
            onClicked: macroKey.accept()
        }
        FocusButton {
            objectName: "macroKeyCancel"
            textValue: macroKey.macroKeyLang[6]
            onClicked: macroKey.close()
        }
    }

    Rectangle {
        id: dropDown
        objectName: "macroDropDown"
        x: fieldBox.x
        y: fieldBox.y + fieldBox.height
        z: 5
        width: 109
        height: 129
        visible: false
        color: "#1c1c1c"
        border.width: 1
        border.color: "#8f2020"
        clip: true

        ListView {
            id: dropList
            anchors.fill: parent
            anchors.margins: 1
            // The macro editor is built before this page is shown.
            model: macroEditorMain ? macroEditorMain.macroListModel : null
            currentIndex: -1
            boundsBehavior: Flickable.StopAtBounds
            highlightFollowsCurrentItem: false
            keyNavigationEnabled: false
            Keys.onUpPressed: currentIndex = Math.max(0, currentIndex - 1)
            Keys.onDownPressed: currentIndex = Math.min(count - 1, currentIndex + 1)
            Keys.onReturnPressed: macroKey.choose(currentIndex)
            Keys.onEnterPressed: macroKey.choose(currentIndex)
            Keys.onSpacePressed: macroKey.choose(currentIndex)
            Keys.onEscapePressed: macroKey.toggleDropDown()
            onCurrentIndexChanged: positionViewAtIndex(currentIndex, ListView.Contain)

            delegate: Rectangle {
                id: dropRow
                required property int index
                required property string macroName
                width: ListView.view.width
                height: 18
                color: dropArea.containsMouse || ListView.isCurrentItem ? "#8f2020" : "transparent"
                Text {
                    x: 6
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 8
                    elide: Text.ElideRight
                    text: dropRow.macroName
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
                MouseArea {
                    id: dropArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: macroKey.choose(dropRow.index)
                }
            }
        }
    }
}
