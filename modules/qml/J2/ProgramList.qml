// qmllint disable unqualified
// ui_View is published after loading; the main screen is reached by its ids.
import QtQuick

// The programs that select one profile when they come to the front: its list, the programs
// that have windows now to add from, a file dialog for any other, the switch for the whole
// feature and the profile to go back to for programs without a rule. Every change is stored
// at once.
PageDialog {
    id: programList

    // English defaults; the main screen hands over the loaded language list.
    property var lang: []
    property int profileNo: -1
    property string profileName
    property bool followEnabled: false
    // -1: stay with the profile in use.
    property int goBack: -1
    // [{ name, no }] of the profiles, and the go-back choice's row in [Stay, ...profiles].
    property var goBackChoices: []
    // 0, or why the program in front cannot be known here (ui_View.getFrontProgramUnavailable).
    property int unavailable: 0
    readonly property alias ownPrograms: ownModel
    readonly property alias windowPrograms: windowModel

    signal closed()

    function text(i) {
        return i < lang.length ? lang[i] : ""
    }

    function open(number, name, profiles) {
        profileNo = number
        profileName = name
        goBackChoices = profiles
        unavailable = Number(ui_View.getFrontProgramUnavailable()) || 0
        followEnabled = !!ui_View.getFollowPrograms() && unavailable === 0
        goBack = Number(ui_View.getGoBackProfile())
        readOwn()
        refreshWindows()
        visible = true
        if (unavailable === 0)
            followChoice.forceActiveFocus()
        else
            closeButton.forceActiveFocus()
    }

    function readOwn() {
        const names = ui_View.getProfilePrograms(profileNo)
        ownModel.clear()
        for (let i = 0; i < names.length; ++i)
            ownModel.append({ programName: String(names[i]) })
        ownList.currentIndex = Math.min(ownList.currentIndex, ownModel.count - 1)
        if (ownList.currentIndex < 0 && ownModel.count > 0)
            ownList.currentIndex = 0
    }

    function refreshWindows() {
        const programs = ui_View.getWindowPrograms()
        windowModel.clear()
        for (let i = 0; i < programs.length; ++i)
            windowModel.append({ programName: String(programs[i].name), programIcon: String(programs[i].icon) })
        windowList.currentIndex = windowModel.count > 0 ? 0 : -1
    }

    function add(name) {
        if (name === "")
            return
        ui_View.addProfileProgram(profileNo, name)
        readOwn()
        for (let i = 0; i < ownModel.count; ++i) {
            if (ownModel.get(i).programName.toLowerCase() === name.toLowerCase())
                ownList.currentIndex = i
        }
    }

    function addSelectedWindow() {
        const row = windowList.currentIndex
        if (row >= 0 && row < windowModel.count)
            add(windowModel.get(row).programName)
    }

    function browse() {
        add(String(ui_View.browseProgram()))
    }

    function removeSelected() {
        const row = ownList.currentIndex
        if (row < 0 || row >= ownModel.count)
            return
        ui_View.removeProfileProgram(profileNo, ownModel.get(row).programName)
        readOwn()
    }

    function setFollow(on) {
        if (unavailable !== 0)
            return
        ui_View.setFollowPrograms(on)
        followEnabled = !!ui_View.getFollowPrograms()
    }

    function goBackRow() {
        for (let i = 0; i < goBackChoices.length; ++i) {
            if (goBackChoices[i].no === goBack)
                return i + 1
        }
        return 0
    }

    function goBackText() {
        const row = goBackRow()
        return row === 0 ? text(9) : goBackChoices[row - 1].name
    }

    // Steps through Stay and the profiles.
    function stepGoBack(step) {
        const count = goBackChoices.length + 1
        const row = (goBackRow() + step + count) % count
        ui_View.setGoBackProfile(row === 0 ? -1 : goBackChoices[row - 1].no)
        goBack = Number(ui_View.getGoBackProfile())
    }

    function close() {
        visible = false
        closed()
    }

    width: 520
    height: 430
    title: text(0) + " \u2013 " + profileName
    onCloseClicked: close()
    Keys.onEscapePressed: close()

    ListModel { id: ownModel }
    ListModel { id: windowModel }

    ChoiceItem {
        id: followChoice
        objectName: "followChoice"
        y: 2
        text: programList.text(2)
        isSelect: programList.followEnabled
        enabled: programList.unavailable === 0
        onClicked: programList.setFollow(!programList.followEnabled)
    }

    Text {
        objectName: "followUnavailable"
        y: 22
        width: parent.width
        visible: programList.unavailable !== 0
        text: programList.text(11 + Math.min(programList.unavailable, 5))
        wrapMode: Text.WordWrap
        color: "#f1592a"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    component ProgramColumn: Item {
        id: column
        property string heading
        property alias list: view
        property alias model: view.model
        property bool withIcons: false
        signal activated()
        signal removeAsked()

        width: 240
        height: 222

        Text {
            text: column.heading
            color: "#b0b0b0"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }

        Rectangle {
            y: 20
            width: parent.width
            height: parent.height - 20
            color: "#101011"
            border.width: 1
            border.color: view.activeFocus ? "#c3212b" : "#5a5a5a"
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
                Keys.onUpPressed: currentIndex = Math.max(0, currentIndex - 1)
                Keys.onDownPressed: currentIndex = Math.min(count - 1, currentIndex + 1)
                Keys.onReturnPressed: column.activated()
                Keys.onEnterPressed: column.activated()
                Keys.onDeletePressed: column.removeAsked()
                onCurrentIndexChanged: positionViewAtIndex(currentIndex, ListView.Contain)

                delegate: Rectangle {
                    id: programRow
                    required property int index
                    required property string programName
                    required property var model
                    width: ListView.view.width
                    height: 22
                    color: ListView.isCurrentItem ? "#8f2020" : (rowArea.containsMouse ? "#3a3a3c" : "transparent")

                    Image {
                        id: icon
                        x: 4
                        anchors.verticalCenter: parent.verticalCenter
                        width: 16
                        height: 16
                        visible: column.withIcons
                        sourceSize.width: 16
                        sourceSize.height: 16
                        source: column.withIcons && programRow.model.programIcon !== undefined ? programRow.model.programIcon : ""
                    }
                    Rectangle {
                        anchors.fill: icon
                        visible: column.withIcons && icon.status !== Image.Ready
                        radius: 2
                        color: "#4f1717"
                        Text {
                            anchors.centerIn: parent
                            text: programRow.programName.charAt(0).toUpperCase()
                            color: "#ffffff"
                            font.family: mainIten.fontFamily
                            font.pixelSize: mainIten.fontMinSize
                        }
                    }
                    Text {
                        x: column.withIcons ? 26 : 6
                        anchors.verticalCenter: parent.verticalCenter
                        width: parent.width - x - 4
                        elide: Text.ElideRight
                        text: programRow.programName
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontNormalSize
                    }
                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            view.currentIndex = programRow.index
                            view.forceActiveFocus()
                        }
                        onDoubleClicked: column.activated()
                    }
                }
            }
        }
    }

    ProgramColumn {
        id: ownColumn
        y: 48
        heading: programList.text(1)
        model: ownModel
        onRemoveAsked: programList.removeSelected()
        onActivated: programList.removeSelected()
    }

    ProgramColumn {
        id: windowColumn
        x: 256
        y: 48
        heading: programList.text(3)
        model: windowModel
        withIcons: true
        onActivated: programList.addSelectedWindow()
    }

    readonly property ListView ownList: ownColumn.list
    readonly property ListView windowList: windowColumn.list

    Text {
        objectName: "noOwnPrograms"
        x: 8
        y: 76
        width: 224
        visible: ownModel.count === 0
        text: programList.text(11)
        wrapMode: Text.WordWrap
        color: "#808080"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Row {
        y: 278
        spacing: 8
        FocusButton {
            objectName: "programRemove"
            textValue: programList.text(6)
            enabled: ownList.currentIndex >= 0
            onClicked: programList.removeSelected()
        }
    }

    Row {
        x: 256
        y: 278
        spacing: 8
        FocusButton {
            objectName: "programAdd"
            width: 74
            textValue: programList.text(4)
            enabled: windowList.currentIndex >= 0
            onClicked: programList.addSelectedWindow()
        }
        FocusButton {
            objectName: "programBrowse"
            width: 74
            textValue: programList.text(5)
            onClicked: programList.browse()
        }
        FocusButton {
            objectName: "programRefresh"
            width: 74
            textValue: programList.text(7)
            onClicked: programList.refreshWindows()
        }
    }

    Text {
        y: 324
        text: programList.text(8)
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Rectangle {
        id: goBackField
        objectName: "goBackField"
        y: 344
        width: 240
        height: 24
        color: "#101011"
        border.width: 1
        border.color: activeFocus ? "#c3212b" : "#5a5a5a"
        activeFocusOnTab: true
        Keys.onLeftPressed: programList.stepGoBack(-1)
        Keys.onUpPressed: programList.stepGoBack(-1)
        Keys.onRightPressed: programList.stepGoBack(1)
        Keys.onDownPressed: programList.stepGoBack(1)
        Keys.onSpacePressed: programList.stepGoBack(1)

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - 40
            elide: Text.ElideRight
            text: programList.goBackText()
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            text: "\u25c2 \u25b8"
            color: "#b0b0b0"
            font.pixelSize: mainIten.fontNormalSize
        }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onClicked: function(mouse) {
                goBackField.forceActiveFocus()
                programList.stepGoBack(mouse.button === Qt.RightButton ? -1 : 1)
            }
        }
    }

    FocusButton {
        id: closeButton
        objectName: "programListClose"
        x: parent.width - width
        y: 344
        textValue: programList.text(10)
        onClicked: programList.close()
    }
}
