// Written by tools/skin/crop_pictures: where the button pictures of the mouse views lie in
// their view, [x, y]. A button's plain and lit ("_h") pictures are cut alike.
.pragma library

var places = {
    "mouseSideKey0": [245, 84],
    "mouseSideKey1": [250, 72],
    "mouseSideKey2": [313, 75],
    "mouseSideKey3": [223, 123],
    "mouseSideKey4": [161, 127],
    "mouseSideKey5": [285, 73],
    "mouseSideKey6": [261, 75],
    "mouseSideKey7": [293, 135],
    "mouseSideKey8": [323, 145],
    "mouseTopKey0": [45, 12],
    "mouseTopKey1": [146, 12],
    "mouseTopKey2": [137, 47],
    "mouseTopKey3": [38, 161],
    "mouseTopKey4": [42, 199],
    "mouseTopKey5": [137, 109],
    "mouseTopKey6": [137, 127],
    "mouseTopKey7": [59, 57],
    "mouseTopKey8": [57, 89]
}
