#pragma once

class InputCapture;
class Widget;

// Registers the keyboard and mouse receivers of the input capture, with the main window as
// their context: key changes go, queued, to the pages' "detectKeyboard" and then to the
// window's modifier tracker; button changes go, queued, to "detectMouse".
void registerInputReceivers(InputCapture &capture, Widget *window);
