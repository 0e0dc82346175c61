#!/usr/bin/env python3
"""Writes the factory profile modules/setting/pD.bin and the first user profile p1.bin (a copy).

The file is a Qt INI settings file. Every key that a page reads is present, and the 128-byte
profile data block carries the same settings in the mouse's own encoding, so that a reset
profile sent to the mouse shows exactly what the pages show.

Run from the repository root:  python3 tools/make_default_profile.py
"""

import os
import sys

# Button assignments, four bytes each: left, right, middle, forward, back, DPI+, DPI-, then off;
# the last two are fixed entries of the mouse.
KEY_DEFAULTS = [
    "0100f000", "0100f100", "0100f200", "0100f400", "0100f300", "07000100", "07000200", "00000000",
    "00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "04000100", "04000200",
]

# One DPI list serves both sensors: every value lies inside both slider ranges (200..16000 and
# 200..18000) and below 12800, where both sensors pack a stage the same way.
DPI_STAGES = [400, 800, 1600, 2400, 3200, 6400, 8000, 12000]
DPI_ENABLED = [1] * 8
STAGE_COLOURS = ["ff0000", "0000ff", "00ff00", "ffff00", "00ffff", "ff00ff", "ff00ff", "ff00ff"]

# Lighting as the page keeps it: effect 1 (static), level 4, option2 0, red.
LED_CONFIG = [1, 4, 0, 255, 0, 0]
STATIC_LEVEL_TO_OPTION = {0: 0, 1: 2, 2: 4, 3: 6, 4: 10}

XY_POSITION = 4          # slider position; the mouse gets (position + 1) * 20
REPORT_RATE = 1          # 1000 Hz
LIFT_OFF = 2             # 2 mm
CURSOR_SPEED = 5         # system pointer speed 10
DOUBLE_CLICK_SPEED = 5   # 550 ms
SCROLL_LINES = 3
BUTTONS_WITH_MACROS = 9


def pack_dpi(dpi):
    units = dpi // 50
    assert units <= 255, "both sensors pack alike only below 256 units"
    return units, 1 if units > 255 else 0


def profile_block():
    block = [0] * 128
    block[30] = 1
    block[31] = 1
    block[35] = (XY_POSITION + 1) * 20
    block[36] = (XY_POSITION + 1) * 20
    for i, dpi in enumerate(DPI_STAGES):
        low, flag = pack_dpi(dpi)
        block[37 + 2 * i], block[38 + 2 * i] = low, flag
        block[53 + 2 * i], block[54 + 2 * i] = low, flag
    block[71] = sum(1 << i for i, on in enumerate(DPI_ENABLED) if on == 1)
    effect, level, option2, red, green, blue = LED_CONFIG
    assert effect == 1 and level > 0, "the block below encodes a lit static effect"
    block[73:79] = [effect, STATIC_LEVEL_TO_OPTION[level], option2, red, green, blue]
    for i, colour in enumerate(STAGE_COLOURS):
        block[100 + 3 * i:103 + 3 * i] = [int(colour[k:k + 2], 16) for k in (0, 2, 4)]
    return block


def qt_list(values):
    return ", ".join(str(v) for v in values)


def render():
    colours = [int(c[k:k + 2], 16) for c in STAGE_COLOURS for k in (0, 2, 4)]
    sections = [
        ("XYSensitive", [("0", XY_POSITION), ("1", XY_POSITION)]),
        ("color_J2", [("ledEffect", qt_list(LED_CONFIG)), ("type1", qt_list(colours))]),
        ("keydefine_J2", [(str(n), qt_list(int(KEY_DEFAULTS[n][k:k + 2], 16) for k in (0, 2, 4, 6)))
                          for n in range(16)]),
        ("macro", [(str(n), "") for n in range(BUTTONS_WITH_MACROS)]),
        ("profile", [("data", qt_list(profile_block()))]),
        ("selectGun", [("0", "")]),
        ("sensor", [
            ("cursorSpeed_J2", CURSOR_SPEED),
            ("doubleClickSpeed_J2", DOUBLE_CLICK_SPEED),
            ("dpi_J2", qt_list(DPI_STAGES)),
            ("dpi_J2_3337", qt_list(DPI_STAGES)),
            ("dpi_Select", qt_list(DPI_ENABLED)),
            ("jmgd", LIFT_OFF),
            ("reportRate_J2", REPORT_RATE),
            ("verticalScrollLines_J2", SCROLL_LINES),
        ]),
    ]
    lines = []
    for name, keys in sections:
        if lines:
            lines.append("")
        lines.append("[%s]" % name)
        lines.extend("%s=%s" % (k, v) for k, v in keys)
    return "\n".join(lines) + "\n"


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    text = render().encode("utf-8")
    for name in ("pD.bin", "p1.bin"):
        with open(os.path.join(root, "modules", "setting", name), "wb") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
