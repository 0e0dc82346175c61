// qmllint disable unqualified
// The bridge ui_View is published after loading; the main screen is reached by its ids.
import QtQuick
import "../basic"

// The profiles: up to six named profiles, each tied to one of the profile files 0..5.
Image {
    id: profilePage

    // The current profile number, set by the main screen.
    property int profileNo: -1
    property alias listCount: profileList.count
    property alias currentRow: profileList.currentIndex
    readonly property alias isRenaming: nameEditor.visible
    readonly property alias isMenuOpen: contextMenu.visible
    readonly property alias editor: nameEditor
    readonly property alias menu: contextMenu
    readonly property alias menuItems: menuModel

    signal listViewFocus()
    signal doubleClick()
    signal closeUI()
    signal changeProfile(int tmpProfileNo)

    function init() {
        for (let i = 0; i < 5; ++i)
            menuModel.setProperty(i, "menuText", mainIten.mainLang[21 + i])

        let entries = ui_View.getNameList(2)
        if (entries.length === 2 && entries[1] === "loadertobrel")
            entries = [entries[0]]
        profileDataModel0.clear()
        let position = -1
        for (let i = 0; i < entries.length; ++i) {
            const entry = String(entries[i])
            const number = entry.length > 0 ? "012345".indexOf(entry.charAt(entry.length - 1)) : -1
            // An entry that does not end in a profile number comes from a damaged file.
            if (number < 0)
                continue
            profileDataModel0.append({ profileName: entry.slice(0, -1), profileNo: number })
            if (position < 0 && number === profileNo)
                position = profileDataModel0.count - 1
        }
        profileList.currentIndex = profileDataModel0.count > 0 ? Math.max(0, position) : -1

        if (mainIten.language === 0 && profileDataModel0.count > 0) {
            profileDataModel0.setProperty(0, "profileName", "Standard")
            storeNames()
        }
    }

    function isNameValid(name) {
        for (let i = 0; i < profileDataModel0.count; ++i) {
            if (profileDataModel0.get(i).profileName === name)
                return false
        }
        return true
    }

    // The list in its stored form: each name followed by its profile number.
    function entries() {
        const list = []
        for (let i = 0; i < profileDataModel0.count; ++i) {
            const element = profileDataModel0.get(i)
            list.push(element.profileName + element.profileNo)
        }
        return list
    }

    function storeNames() {
        ui_View.updataNameList(2, entries())
    }

    // The lowest profile number that no element holds; 6 when all are taken.
    function freeNumber() {
        for (let k = 0; k < 6; ++k) {
            let used = false
            for (let i = 0; i < profileDataModel0.count; ++i)
                used = used || profileDataModel0.get(i).profileNo === k
            if (!used)
                return k
        }
        return 6
    }

    function firstValidName(stem) {
        let i = 0
        while (i < 12 && !isNameValid(stem(i)))
            ++i
        return stem(i)
    }

    function emitCurrent() {
        if (profileList.currentIndex >= 0 && profileList.currentIndex < profileDataModel0.count)
            changeProfile(profileDataModel0.get(profileList.currentIndex).profileNo)
    }

    // Selects the row of profile `number` without telling anybody; false when no row holds it.
    function showProfile(number) {
        for (let i = 0; i < profileDataModel0.count; ++i) {
            if (profileDataModel0.get(i).profileNo === number) {
                profileList.currentIndex = i
                return true
            }
        }
        return false
    }

    // The profiles in list order, [{ name, no }], for the program list's go-back choice.
    function profileChoices() {
        const list = []
        for (let i = 0; i < profileDataModel0.count; ++i)
            list.push({ name: profileDataModel0.get(i).profileName, no: profileDataModel0.get(i).profileNo })
        return list
    }

    function openPrograms() {
        profileEditorFocus()
        const row = profileList.currentIndex
        if (row < 0 || row >= profileDataModel0.count)
            return
        const element = profileDataModel0.get(row)
        mainIten.screen.openProgramList(element.profileNo, element.profileName, profileChoices())
    }

    // Also closes the program list: every action on the page may change the profile it shows.
    function profileEditorFocus() {
        if (nameEditor.visible)
            listViewFocus()
        contextMenu.visible = false
        if (mainIten.screen)
            mainIten.screen.closeProgramList()
    }

    function selectRow(row) {
        profileEditorFocus()
        if (row < 0 || row >= profileDataModel0.count)
            return
        profileList.currentIndex = row
        emitCurrent()
    }

    function startRename() {
        contextMenu.visible = false
        if (profileList.currentIndex < 0 || profileList.currentIndex >= profileDataModel0.count)
            return
        nameEditor.text = profileDataModel0.get(profileList.currentIndex).profileName
        nameEditor.visible = true
        nameEditor.selectAll()
        nameEditor.forceActiveFocus()
    }

    function commitRename() {
        if (!nameEditor.visible)
            return
        nameEditor.visible = false
        nameEditor.focus = false
        const name = nameEditor.text
        // A blank name would leave a row that cannot be told apart from the empty list area.
        if (name.trim() !== "" && isNameValid(name)) {
            profileDataModel0.setProperty(profileList.currentIndex, "profileName", name)
            storeNames()
        }
    }

    function newProfile() {
        profileEditorFocus()
        const name = firstValidName(i => "profile_" + i)
        const number = freeNumber()
        // A full list adds nothing, so no profile file is touched either.
        if (profileDataModel0.count >= 6)
            return
        profileDataModel0.append({ profileName: name, profileNo: number })
        profileList.currentIndex = profileDataModel0.count - 1
        storeNames()
        ui_View.resetProfile(number)
        emitCurrent()
    }

    function deleteProfile(keepLast) {
        profileEditorFocus()
        const row = profileList.currentIndex
        if (row < 0 || row >= profileDataModel0.count)
            return
        if (keepLast && profileDataModel0.count <= 1)
            return
        profileDataModel0.remove(row)
        storeNames()
        if (profileDataModel0.count > 0) {
            profileList.currentIndex = Math.min(row, profileDataModel0.count - 1)
            emitCurrent()
        }
    }

    function copyProfile() {
        profileEditorFocus()
        const row = profileList.currentIndex
        if (row < 0 || row >= profileDataModel0.count || profileDataModel0.count >= 6)
            return
        const source = profileDataModel0.get(row)
        const sourceName = source.profileName
        const name = firstValidName(i => sourceName + "(" + i + ")")
        const number = freeNumber()
        ui_View.copyProfile(number, source.profileNo)
        profileDataModel0.append({ profileName: name, profileNo: number })
        profileList.currentIndex = profileDataModel0.count - 1
        storeNames()
        emitCurrent()
    }

    function loadProfile() {
        profileEditorFocus()
        if (!ui_View.loadProfile(profileNo))
            return
        mainIten.screen.initPanels(true)
    }

    function saveProfile() {
        profileEditorFocus()
        ui_View.saveProfile(profileNo)
    }

    function menuCommand(row) {
        contextMenu.visible = false
        switch (row) {
        case 0: deleteProfile(false); break
        case 1: startRename(); break
        case 2: copyProfile(); break
        case 3: loadProfile(); break
        case 4: saveProfile(); break
        }
    }

    function close() {
        profileEditorFocus()
        visible = false
        mainMask.visible = false
        closeUI()
    }

    width: 263
    height: 612
    visible: false
    // A hidden page holds no decoded image.
    source: visible ? mainIten.skinImage("profile", "profileBg.png") : ""
    onListViewFocus: commitRename()
    onDoubleClick: startRename()

    ListModel {
        id: profileDataModel0
    }

    ListModel {
        id: menuModel
        ListElement { menuText: "删除" }
        ListElement { menuText: "编辑" }
        ListElement { menuText: "复制" }
        ListElement { menuText: "加载" }
        ListElement { menuText: "保存" }
    }

    // Clicks on the page itself end a rename and close the menu.
    MouseArea {
        anchors.fill: parent
        onPressed: profilePage.profileEditorFocus()
    }

    Text {
        x: 10
        y: 9
        text: mainIten.mainLang[19]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMiddleSize
        font.bold: true
    }

    // The programs that select the current row's profile.
    FocusButton {
        objectName: "profilePrograms"
        x: 150
        y: 6
        width: 82
        height: 21
        textValue: mainIten.screen ? mainIten.screen.programListLang[0] : ""
        enabled: profileList.currentIndex >= 0
        onClicked: profilePage.openPrograms()
    }

    IconButton {
        objectName: "profileClose"
        x: 240
        y: 12
        extraArea: 3
        normalSource: mainIten.skinImage("profile", "close.png")
        hoverSource: mainIten.skinImage("profile", "close_h.png")
        onClicked: profilePage.close()
    }

    Item {
        id: listArea
        x: 0
        y: 31
        width: 263
        height: 544
        clip: true

        ListView {
            id: profileList
            objectName: "profileList"
            width: parent.width
            height: Math.min((count + 1) * 18, 544)
            model: profileDataModel0
            interactive: contentHeight > height
            boundsBehavior: Flickable.StopAtBounds
            currentIndex: -1
            highlightFollowsCurrentItem: false

            delegate: Rectangle {
                id: row
                required property int index
                required property string profileName
                width: ListView.view.width
                height: 18
                color: ListView.isCurrentItem ? "#b03b3b" : (rowArea.containsMouse ? "#999999" : "transparent")

                Text {
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 24
                    elide: Text.ElideRight
                    text: row.profileName
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function(mouse) {
                        profilePage.selectRow(row.index)
                        if (mouse.button === Qt.RightButton) {
                            const p = mapToItem(profilePage, mouse.x, mouse.y)
                            contextMenu.x = Math.min(p.x, profilePage.width - contextMenu.width)
                            contextMenu.y = p.y
                            contextMenu.visible = true
                        }
                    }
                    onDoubleClicked: function(mouse) {
                        if (mouse.button !== Qt.LeftButton)
                            return
                        profilePage.selectRow(row.index)
                        profilePage.doubleClick()
                    }
                }
            }
        }

        TextInput {
            id: nameEditor
            objectName: "profileNameEditor"
            visible: false
            x: 12
            y: profileList.currentItem ? profileList.currentItem.y - profileList.contentY + 1 : 0
            width: parent.width - 24
            height: 16
            maximumLength: 32
            selectByMouse: true
            color: "#ffffff"
            selectionColor: "#761212"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
            onAccepted: profilePage.listViewFocus()

            Rectangle {
                anchors.fill: parent
                anchors.leftMargin: -4
                anchors.rightMargin: -4
                anchors.topMargin: -1
                anchors.bottomMargin: -1
                z: -1
                color: "#101011"
                border.width: 1
                border.color: "#c3212b"
            }
        }
    }

    Row {
        x: 40
        y: 580
        spacing: 6
        Image {
            anchors.verticalCenter: parent.verticalCenter
            source: newButtonArea.containsMouse ? mainIten.skinImage("profile", "new_h.png") : mainIten.skinImage("profile", "new.png")
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: mainIten.mainLang[20]
            color: newButtonArea.containsMouse ? "#ffffff" : "#c8c8c8"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
    }

    MouseArea {
        id: newButtonArea
        objectName: "profileNewButton"
        x: 36
        y: 576
        width: 90
        height: 24
        hoverEnabled: true
        onClicked: profilePage.newProfile()
    }

    Row {
        x: 175
        y: 580
        spacing: 6
        Image {
            anchors.verticalCenter: parent.verticalCenter
            source: deleteButtonArea.containsMouse ? mainIten.skinImage("profile", "delete_h.png") : mainIten.skinImage("profile", "delete.png")
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: mainIten.mainLang[21]
            color: deleteButtonArea.containsMouse ? "#ffffff" : "#c8c8c8"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
    }

    MouseArea {
        id: deleteButtonArea
        objectName: "profileDeleteButton"
        x: 171
        y: 576
        width: 84
        height: 24
        hoverEnabled: true
        onClicked: profilePage.deleteProfile(true)
    }

    Rectangle {
        id: contextMenu
        visible: false
        width: 159
        height: 105
        color: "#6f2929"
        border.width: 1
        border.color: "#8f2020"

        Column {
            y: 0
            Repeater {
                model: menuModel
                Rectangle {
                    id: menuRow
                    required property int index
                    required property string menuText
                    width: 159
                    height: 21
                    color: menuArea.containsMouse ? "#8f2020" : "transparent"
                    Text {
                        x: 12
                        anchors.verticalCenter: parent.verticalCenter
                        // Laid out only when shown: the Chinese defaults would load a CJK font.
                        text: contextMenu.visible ? menuRow.menuText : ""
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontNormalSize
                    }
                    MouseArea {
                        id: menuArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: profilePage.menuCommand(menuRow.index)
                    }
                }
            }
        }
    }
}
