#pragma once

#include <Qt>

// The Linux input code of the key that most likely produced a Qt key, for key events that come
// without a native scan code (platforms that make up their own events). The left-hand key stands
// for both modifier keys of a kind; 0 when there is no sensible key.
unsigned evdevForQtKey(int qtKey, bool keypad);
