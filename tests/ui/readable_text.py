"""Whether a screenshot shows text that a person can read on its ground.

The ground is the most common grey level of the picture. A row of pixels through a letter
crosses its strokes: short runs off the ground, with ground on both sides, whose darkest or
lightest pixel is more than 100 of 255 away from the ground. A row through a word crosses many
of them, a frame line or a button's edge one or two. Text is readable when enough rows cross
several strokes each; dark letters on a dark ground give none.
Usage: readable_text.py PICTURE...   (exit status 1 when any of them is not readable)
"""
import subprocess
import sys

INK = 100       # luminance difference of a stroke from the ground
NEAR = 30       # what still counts as ground (the fields and lists are a shade off it)
STROKE = 6      # widest run that is a stroke with its smoothed edges, not a button face or a picture
STROKES_PER_ROW = 6
ROWS = 8


def grey(png):
    """Width, height and the grey levels of a picture, through ImageMagick."""
    data = subprocess.run(["convert", png, "-colorspace", "Gray", "-depth", "8", "pgm:-"],
                          check=True, capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height]


def measure(png):
    """The ground's level and the number of rows that cross several strokes on it."""
    width, height, pixels = grey(png)
    counts = [0] * 256
    for v in pixels:
        counts[v] += 1
    ground = max(range(256), key=counts.__getitem__)
    text_rows = 0
    for y in range(height):
        row = pixels[y * width:(y + 1) * width]
        strokes, run, peak, after_ground = 0, 0, 0, False
        for v in row:
            d = abs(v - ground)
            if d > NEAR:
                # Off the ground: a stroke with its smoothed edges, or something larger.
                run += 1
                peak = max(peak, d)
                continue
            if run and after_ground and run <= STROKE and peak > INK:
                strokes += 1
            run, peak, after_ground = 0, 0, True
        if strokes >= STROKES_PER_ROW:
            text_rows += 1
    return ground, text_rows


if __name__ == "__main__":
    failed = False
    for png in sys.argv[1:]:
        ground, rows = measure(png)
        readable = rows >= ROWS
        print("%s: ground %d, %d rows of text on it%s" % (png, ground, rows, "" if readable else ": UNREADABLE"))
        failed |= not readable
    sys.exit(1 if failed else 0)
