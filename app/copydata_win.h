#pragma once

#include <cstddef>

// Windows side of the WM_COPYDATA receiver, free of Qt. Returns true when `msg` (a MSG*) is a
// WM_COPYDATA message and hands out its tag and data block.
bool copyDataFromMessage(const void *msg, unsigned long *tag, const void **data, std::size_t *byteCount);

// Shows `utf8Text` in a modal warning box without parent, captioned `utf8Caption`.
void showCopyDataWarning(const char *utf8Caption, const char *utf8Text);
