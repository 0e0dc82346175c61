// qmllint disable unqualified
import QtQuick

// The recoil presets (placeholder: lists the preset names).
PageDialog {
    id: gunControl

    property var gunControlLang: ["Gun Manager", "Name", "Auxiliary Setting", "Trigger Key", "Interval Times(MS)",
        "Deviation", "Run Times", "Unlimited", "New", "Delete", "OK", "Cancel", "", "", ""]
    property alias gunListModel: gunNumberModel
    property string selectGunName

    function init() {
        let names = ui_View.getNameList(1)
        if (names.length === 2 && names[1] === "loadertobrel")
            names = [names[0]]
        gunNumberModel.clear()
        for (let i = 0; i < names.length; ++i)
            gunNumberModel.append({ gunName: String(names[i]) })
        const selected = ui_View.getselectGun(0)
        selectGunName = selected === undefined || selected === null ? "" : String(selected)
    }

    function gunControlFocus() {
        forceActiveFocus()
    }

    width: 480
    height: 360
    title: gunControlLang[0]
    okText: gunControlLang[10]
    cancelText: gunControlLang[11]
    onCloseClicked: visible = false
    onOkClicked: visible = false
    onCancelClicked: visible = false
    onVisibleChanged: if (!visible) mainMask.visible = false

    ListModel {
        id: gunNumberModel
    }
}
