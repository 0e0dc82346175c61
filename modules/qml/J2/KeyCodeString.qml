import QtQuick
import "keyNames.js" as KeyNames

// Names of keys and mouse buttons, and the labels of assignment entries keyed by their eight
// lower-case hexadecimal digits: English and Chinese.
QtObject {
    readonly property var keycode2str: KeyNames.keyNames.reduce((m, r) => { m[r[0]] = r[1]; return m }, ({}))
    // "\ |" names two codes; the later row wins, so the name gives 0x32.
    readonly property var str2keycode: KeyNames.keyNames.reduce((m, r) => { m[r[1]] = r[0]; return m }, ({}))
    readonly property var mousecode2str: KeyNames.mouseNames.reduce((m, r) => { m[r[0]] = r[1]; return m }, ({}))
    readonly property var str2mousecode: KeyNames.mouseNames.reduce((m, r) => { m[r[1]] = r[0]; return m }, ({}))

    readonly property var mouseData2str: ({
        "00000000": "Deactivated",
        "0000e011": "New", "0000e01b": "Cut", "0000e006": "Copy", "0000e019": "Paste", "0000e016": "Save",
        "0000e013": "Print", "0000e009": "Find", "0000e01c": "Redo", "0000e01d": "Undo",
        "0000e004": "Select All", "0000e307": "Show Desktop", "0000e315": "Run",
        "00022c1b": "Maximize", "00022c11": "Minimize",
        "0100f000": "Left Button", "0100f100": "Right Button", "0100f200": "Middle Button",
        "0100f300": "Back", "0100f400": "Forward",
        "03008301": "Media Player", "0300b500": "Next Track", "0300b600": "Previous Track", "0300b700": "Stop",
        "0300cd00": "Play/Pause", "0300e200": "Mute", "0300e900": "Volume Up", "0300ea00": "Volume Down",
        "03009401": "My Computer", "03002302": "Web Home", "03002102": "Search Computer",
        "07000100": "DPI +", "07000200": "DPI -", "07000300": "DPI LOOP",
        "0a070000": "Fn", "0bf04000": "Fire Key",
        "0f002e00": "Auto Run", "0f000500": "Fire Mode", "0af01e02": "Double Click",
        "08000200": "Gun Management"
    })

    readonly property var mouseData2str1: ({
        "0100f000": "左键", "0100f100": "右键", "0100f200": "中键", "0100f400": "前进", "0100f300": "后退",
        "0f002e00": "自动奔跑", "0f000500": "开火模式", "0af01e02": "双击",
        "07000100": "DPI +", "07000200": "DPI -", "07000300": "DPI LOOP",
        "03008301": "多媒体播放键", "0300b500": "下一首", "0300b600": "上一首", "0300b700": "停止",
        "0300cd00": "播放/暂停", "0300e200": "静音", "0300e900": "音量+", "0300ea00": "音量-",
        "0000e011": "新建", "0000e01b": "剪切", "0000e006": "复制", "0000e019": "粘贴", "0000e016": "保存",
        "0000e013": "打印", "0000e009": "查找", "0000e01c": "重复", "0000e01d": "撤销", "0000e004": "全选",
        "03009401": "我的电脑", "03002302": "浏览器-主页", "03002102": "搜索",
        "00022c1b": "最大化", "00022c11": "最小化", "0000e307": "显示桌面", "0000e315": "运行",
        "08000101": "枪键开关", "00000000": "按键关闭"
    })

    // Only the table's own keys count: a name like "toString" is no key.
    function lookup(table, key, absent) {
        return table.hasOwnProperty(key) ? table[key] : absent
    }

    function strTokeycode(str) {
        return lookup(str2keycode, String(str), -1)
    }

    function keycodeTostr(keycode) {
        return lookup(keycode2str, String(Number(keycode)), "")
    }

    function strTomousecode(str) {
        return lookup(str2mousecode, String(str), -1)
    }

    function mousecodeTostr(mousecode) {
        return lookup(mousecode2str, String(Number(mousecode)), "")
    }

    // The label of an entry's eight digits in the language's table; empty when it has none.
    function entryLabel(digits, isChinese) {
        return lookup(isChinese ? mouseData2str1 : mouseData2str, String(digits), "")
    }
}
