#pragma once

// Qt's Wayland client dies on the first text field when the compositor offers no seat (no
// keyboard or pointer: a compositor without input devices, a headless or remote one). Called
// right after the application object is built: returns -1 when the program can go on, which
// is always the case off Wayland. On a seatless compositor it restarts the program on X11 when
// an X display is reachable (argv as the application object left it), and otherwise says why
// on stderr and returns the exit status.
int guardWaylandSeat(char *argv[]);
