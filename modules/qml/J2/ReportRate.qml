// qmllint disable unqualified
import QtQuick

// The report rate: one picture in four quadrants, right-top 1 (1000 Hz), right-bottom 2
// (500 Hz), left-bottom 4 (250 Hz), left-top 8 (125 Hz).
Panel {
    id: reportRate

    property int reportValue: 1
    // The quadrant the picture shows: any code but 1, 2 and 4 is drawn as 125 Hz.
    readonly property int shownValue: reportValue === 1 || reportValue === 2 || reportValue === 4 ? reportValue : 8

    signal clickReportRate()

    function valueAt(x, y, w, h) {
        const right = x >= w / 2
        const top = y < h / 2
        return right ? (top ? 1 : 2) : (top ? 8 : 4)
    }

    // Arrow keys move to the neighbouring quadrant.
    function neighbour(key) {
        const right = shownValue === 1 || shownValue === 2
        const top = shownValue === 1 || shownValue === 8
        const r = key === Qt.Key_Right ? true : (key === Qt.Key_Left ? false : right)
        const t = key === Qt.Key_Up ? true : (key === Qt.Key_Down ? false : top)
        return r ? (t ? 1 : 2) : (t ? 8 : 4)
    }

    function init(isSendData) {
        let v = Number(ui_View.ui_81H_GetReportRate())
        if (!mainIten.isPowerOn && mainIten.adoptMouseValues) {
            // The mouse's own rate wins at the first start; a reply that is no rate code is
            // a failed read, not a setting.
            const w = Number(hid.hid_83H_GetReportRate())
            if ([1, 2, 4, 8].indexOf(w) >= 0 && w !== v) {
                v = w
                isSendData = true
            }
        }
        reportValue = Math.max(1, Math.min(8, isNaN(v) ? 1 : v))
        if (isSendData)
            ui_View.mouseSetReportRate(reportValue)
    }

    title: mainIten.mainLang[9]
    bodyHeight: 112

    Item {
        id: picture
        objectName: "reportPicture"
        x: 16
        y: 8
        width: 210
        height: 96
        activeFocusOnTab: reportRate.isOpen

        Keys.onPressed: function(event) {
            if ([Qt.Key_Left, Qt.Key_Right, Qt.Key_Up, Qt.Key_Down].indexOf(event.key) < 0)
                return
            event.accepted = true
            reportRate.reportValue = reportRate.neighbour(event.key)
            reportRate.clickReportRate()
        }

        Rectangle {
            anchors.fill: parent
            radius: 4
            color: "#101011"
            border.width: 1
            border.color: picture.activeFocus ? "#c3212b" : "#2a2a2c"
        }

        // The four quadrants as arcs of a ring around the current rate.
        Canvas {
            id: ring
            anchors.centerIn: parent
            width: 86
            height: 86
            onPaint: {
                const ctx = getContext("2d")
                ctx.reset()
                const c = width / 2
                // Start angles of the quadrants 1, 2, 4, 8 (clockwise from the right-top).
                const quadrants = [[1, -Math.PI / 2], [2, 0], [4, Math.PI / 2], [8, Math.PI]]
                ctx.lineWidth = 9
                for (const q of quadrants) {
                    ctx.beginPath()
                    ctx.strokeStyle = q[0] === reportRate.shownValue ? "#e0262f" : "#3a2323"
                    ctx.arc(c, c, c - 6, q[1] + 0.06, q[1] + Math.PI / 2 - 0.06, false)
                    ctx.stroke()
                }
            }
            Connections {
                target: reportRate
                function onShownValueChanged() { ring.requestPaint() }
            }
        }

        Column {
            anchors.centerIn: parent
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: (1000 / reportRate.shownValue) + "Hz"
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMiddleSize
                font.bold: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: mainIten.language === 1 ? "回报率" : "Polling"
                color: "#909090"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontMinSize
            }
        }

        Repeater {
            // Left-top, right-top, left-bottom, right-bottom.
            model: [8, 1, 4, 2]
            Text {
                id: label
                required property int index
                required property int modelData
                x: index % 2 === 0 ? 10 : picture.width - width - 10
                y: index < 2 ? 8 : picture.height - height - 8
                text: (1000 / modelData) + "Hz"
                color: reportRate.shownValue === modelData ? "#ff3b3b" : "#9a9a9a"
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
                font.bold: reportRate.shownValue === modelData
            }
        }

        MouseArea {
            id: pointerArea

            // The quadrant under the pointer, taken over once the event handler has returned:
            // sending a rate may turn the event loop while the link is busy, and a release
            // delivered inside the press handler would leave this area pressed for good, so
            // that it ignored every later click.
            property int pointedValue: 0

            function point(mouse) {
                pointedValue = reportRate.valueAt(mouse.x, mouse.y, width, height)
                Qt.callLater(pointerArea.takePointed)
            }
            function takePointed() {
                if (pointedValue !== 0)
                    reportRate.reportValue = pointedValue
                pointedValue = 0
            }

            anchors.fill: parent
            preventStealing: true
            onPressed: function(mouse) {
                picture.forceActiveFocus()
                point(mouse)
            }
            onPositionChanged: function(mouse) {
                if (pressed && mouse.x >= 0 && mouse.y >= 0 && mouse.x < width && mouse.y < height)
                    point(mouse)
            }
            onReleased: reportRate.clickReportRate()
        }
    }
}
