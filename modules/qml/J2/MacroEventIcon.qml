import QtQuick

// The mark of an event row: a clock for a delay, an arrow down for a press, an arrow up for
// a release (types 0, 1/3 and 2/4 of a macro event).
Canvas {
    id: eventIcon

    property int type: 0

    width: 14
    height: 14
    onTypeChanged: requestPaint()
    onPaint: {
        const ctx = getContext("2d")
        ctx.reset()
        ctx.lineWidth = 1.5
        ctx.lineCap = "round"
        if (type === 0) {
            ctx.strokeStyle = "#e0b040"
            ctx.beginPath()
            ctx.arc(7, 7, 5.5, 0, 2 * Math.PI)
            ctx.moveTo(7, 3.5)
            ctx.lineTo(7, 7)
            ctx.lineTo(9.5, 8.5)
            ctx.stroke()
            return
        }
        const down = type === 1 || type === 3
        ctx.strokeStyle = down ? "#ff5a5a" : "#60c060"
        ctx.fillStyle = ctx.strokeStyle
        ctx.beginPath()
        ctx.moveTo(7, down ? 2 : 12)
        ctx.lineTo(7, down ? 9 : 5)
        ctx.stroke()
        ctx.beginPath()
        ctx.moveTo(3, down ? 8 : 6)
        ctx.lineTo(11, down ? 8 : 6)
        ctx.lineTo(7, down ? 13 : 1)
        ctx.closePath()
        ctx.fill()
    }
}
