// qmllint disable unqualified
// ui_View is published after loading; the main screen is reached by its ids.
import QtQuick

// The recoil presets: their names on the left, the selected one's settings on the right.
// Edits stay in the list until OK writes every preset to the presets file.
PageDialog {
    id: gunControl

    // The texts live with the main screen, which loads their language at start.
    property var gunControlLang: screenItem.gunControlLang
    property alias gunListModel: gunNumberModel
    property string selectGunName
    property alias gunList: gunList
    property alias firePeriod: firePeriod.text
    property alias fireX: fireX.text
    property alias fireY: fireY.text
    property alias fireTimes: fireTimes.text
    readonly property alias isUnlimited: unlimitedItem.isSelect
    // Texts of the five option items, set by init.
    property var radioTexts: ["", "", "", "", ""]

    // With arguments, the preset names and the selected preset as read at start.
    function init(startNames, startSelection) {
        radioTexts = [gunControlLang[3], gunControlLang[4], gunControlLang[5], gunControlLang[6], gunControlLang[7]]
        const atStart = startNames !== undefined
        let names = atStart ? startNames : ui_View.getNameList(1)
        if (names.length === 2 && names[1] === "loadertobrel")
            names = [names[0]]
        gunNumberModel.clear()
        for (let i = 0; i < names.length; ++i) {
            const name = String(names[i])
            const data = ui_View.getGunData(name)
            const at = k => k < data.length ? String(data[k]) : ""
            gunNumberModel.append({
                gunName: name,
                gunKey: at(0) === "" ? "L-Click" : at(0),
                gunPeriod: clamp(at(1), 0, 255, 10),
                gunX: clamp(at(2), -127, 127, 0),
                gunY: clamp(at(3), -127, 127, 0),
                gunTimes: clamp(at(4), 0, 255, 0)
            })
        }
        const selected = atStart ? startSelection : ui_View.getselectGun(0)
        selectGunName = selected === undefined || selected === null ? "" : String(selected)
        let row = 0
        for (let i = 0; i < gunNumberModel.count; ++i) {
            if (gunNumberModel.get(i).gunName === selectGunName)
                row = i
        }
        gunList.currentIndex = gunNumberModel.count > 0 ? row : -1
        showSelected()
    }

    function gunControlFocus() {
        gunList.commitRename()
        firePeriod.endEditing()
        fireX.endEditing()
        fireY.endEditing()
        fireTimes.endEditing()
    }

    // An integer within [low, high]; `fallback` for a text that is none.
    function clamp(text, low, high, fallback) {
        const n = parseInt(String(text))
        return isNaN(n) ? fallback : Math.max(low, Math.min(high, n))
    }

    function names() {
        const list = []
        for (let i = 0; i < gunNumberModel.count; ++i)
            list.push(gunNumberModel.get(i).gunName)
        return list
    }

    function isNameTaken(name) {
        return names().indexOf(name) >= 0
    }

    function showSelected() {
        const row = gunList.currentIndex
        if (row < 0 || row >= gunNumberModel.count)
            return
        const g = gunNumberModel.get(row)
        fireKey.text = g.gunKey
        firePeriod.text = String(g.gunPeriod)
        fireX.text = String(g.gunX)
        fireY.text = String(g.gunY)
        fireTimes.text = String(g.gunTimes)
    }

    // A number field was left: its value, or its default, goes into the selected preset.
    function storeField(field, role, low, high, fallback) {
        const value = clamp(field.text, low, high, fallback)
        field.text = String(value)
        const row = gunList.currentIndex
        if (row >= 0 && row < gunNumberModel.count)
            gunNumberModel.setProperty(row, role, value)
    }

    function setUnlimited(unlimited) {
        fireTimes.text = unlimited ? "0" : "1"
        storeField(fireTimes, "gunTimes", 0, 255, 0)
    }

    function values(row) {
        const g = gunNumberModel.get(row)
        return [g.gunName, g.gunKey, g.gunPeriod, g.gunX, g.gunY, g.gunTimes]
    }

    function newPreset() {
        gunControlFocus()
        let n = 0
        while (n < 100 && isNameTaken("Gun" + n))
            ++n
        if (n >= 100)
            return
        const name = "Gun" + n
        gunNumberModel.append({ gunName: name, gunKey: "L-Click", gunPeriod: 10, gunX: 0, gunY: -10, gunTimes: 0 })
        ui_View.saveGundata([name, "L-Click", 10, 0, 0, 0])
        ui_View.updataNameList(1, names())
        gunList.currentIndex = gunNumberModel.count - 1
        gunList.positionAtEnd()
        showSelected()
    }

    function deletePreset() {
        gunControlFocus()
        const row = gunList.currentIndex
        if (row < 0 || row >= gunNumberModel.count)
            return
        const name = gunNumberModel.get(row).gunName
        gunNumberModel.remove(row)
        ui_View.modifyGundata(0, [name])
        ui_View.updataNameList(1, names())
        gunList.currentIndex = gunNumberModel.count > 0 ? Math.min(row, gunNumberModel.count - 1) : -1
        showSelected()
    }

    function renamePreset(row, name) {
        if (row < 0 || row >= gunNumberModel.count || name.trim() === "" || isNameTaken(name))
            return
        const old = gunNumberModel.get(row).gunName
        gunNumberModel.setProperty(row, "gunName", name)
        ui_View.modifyGundata(1, values(row).concat([old]))
        ui_View.updataNameList(1, names())
    }

    function accept() {
        gunControlFocus()
        for (let i = 0; i < gunNumberModel.count; ++i)
            ui_View.saveGundata(values(i))
        visible = false
    }

    function cancel() {
        gunControlFocus()
        visible = false
    }

    width: 470
    height: 330
    title: gunControlLang[0]
    onCloseClicked: cancel()
    onVisibleChanged: {
        if (visible)
            gunList.forceActiveFocus()
        else
            mainMask.visible = false
    }
    Keys.onEscapePressed: cancel()

    ListModel {
        id: gunNumberModel
    }

    // A press on the page's background ends editing.
    MouseArea {
        x: -12
        y: -10
        width: gunControl.width
        height: gunControl.height - 30
        onPressed: function(mouse) {
            gunControl.gunControlFocus()
            mouse.accepted = false
        }
    }

    Text {
        text: gunControl.gunControlLang[1]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    NameList {
        id: gunList
        objectName: "gunList"
        y: 22
        width: 150
        height: 190
        role: "gunName"
        model: gunNumberModel
        onRowChosen: gunControl.showSelected()
        onRenamed: function(row, name) { gunControl.renamePreset(row, name) }
        onDeletePressed: gunControl.deletePreset()
    }

    Row {
        y: 222
        spacing: 8
        FocusButton {
            objectName: "gunNew"
            width: 71
            textValue: gunControl.gunControlLang[8]
            onClicked: gunControl.newPreset()
        }
        FocusButton {
            objectName: "gunDelete"
            width: 71
            textValue: gunControl.gunControlLang[9]
            enabled: gunList.currentIndex >= 0
            onClicked: gunControl.deletePreset()
        }
    }

    Text {
        x: 170
        text: gunControl.gunControlLang[2]
        color: "#b0b0b0"
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    Grid {
        x: 170
        y: 26
        columns: 2
        columnSpacing: 12
        rowSpacing: 12
        verticalItemAlignment: Grid.AlignVCenter

        ChoiceItem {
            width: 150
            text: gunControl.radioTexts[0]
            round: true
            isSelect: true
            enabled: false
        }
        NumberField {
            id: fireKey
            objectName: "fireKey"
            readOnly: true
            text: "L-Click"
        }

        ChoiceItem {
            width: 150
            text: gunControl.radioTexts[1]
            round: true
            isSelect: true
            enabled: false
        }
        NumberField {
            id: firePeriod
            objectName: "firePeriod"
            text: "10"
            enabled: gunList.currentIndex >= 0
            onEditingDone: gunControl.storeField(firePeriod, "gunPeriod", 0, 255, 10)
        }

        ChoiceItem {
            width: 150
            text: gunControl.radioTexts[2]
            round: true
            isSelect: true
            enabled: false
        }
        Row {
            spacing: 6
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "X"
                color: "#b0b0b0"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
            NumberField {
                id: fireX
                objectName: "fireX"
                width: 46
                low: -127
                high: 127
                text: "0"
                enabled: gunList.currentIndex >= 0
                onEditingDone: gunControl.storeField(fireX, "gunX", -127, 127, 0)
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "Y"
                color: "#b0b0b0"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
            }
            NumberField {
                id: fireY
                objectName: "fireY"
                width: 46
                low: -127
                high: 127
                text: "-10"
                enabled: gunList.currentIndex >= 0
                onEditingDone: gunControl.storeField(fireY, "gunY", -127, 127, 0)
            }
        }

        ChoiceItem {
            id: runTimesItem
            objectName: "runTimes"
            width: 150
            text: gunControl.radioTexts[3]
            round: true
            isSelect: fireTimes.text !== "0"
            enabled: gunList.currentIndex >= 0
            onClicked: gunControl.setUnlimited(false)
        }
        NumberField {
            id: fireTimes
            objectName: "fireTimes"
            text: "1"
            enabled: runTimesItem.isSelect && gunList.currentIndex >= 0
            onEditingDone: gunControl.storeField(fireTimes, "gunTimes", 0, 255, 0)
        }

        ChoiceItem {
            id: unlimitedItem
            objectName: "unlimited"
            width: 150
            text: gunControl.radioTexts[4]
            round: true
            isSelect: fireTimes.text === "0"
            enabled: gunList.currentIndex >= 0
            onClicked: gunControl.setUnlimited(true)
        }
        Item {
            width: 1
            height: 1
        }
    }

    Row {
        x: gunControl.width - 24 - width
        y: gunControl.height - 40 - 12 - 25
        spacing: 12
        FocusButton {
            objectName: "gunOk"
            textValue: gunControl.gunControlLang[10]
            onClicked: gunControl.accept()
        }
        FocusButton {
            objectName: "gunCancel"
            textValue: gunControl.gunControlLang[11]
            onClicked: gunControl.cancel()
        }
    }
}
