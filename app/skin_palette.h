#pragma once

#include <QPalette>

// The colours of the program's widget windows (message boxes, Qt's own file dialog): the dark
// ground and light text of the skin. Without them a desktop that publishes no palette, or the
// see-through main window's settings, leave such windows drawing dark text on a dark ground.
QPalette skinPalette();

// Gives the application the Fusion style, which draws every role of a palette (the native
// styles of some desktops keep their own colours), and the skin palette. Call once, after the
// QApplication is created and before any window is.
void useSkinPalette();
