#pragma once

#include <cstddef>
#include <string>

// Text carried by a WM_COPYDATA message. Only the tag 9487 carries a text to show, and only
// when the byte count equals the UTF-8 length of the text up to its first zero byte (the count
// never includes a terminating zero). Returns true and sets `text` when the message is to be
// shown. Kept free of Qt and Windows so that it can be tested everywhere.
constexpr unsigned long CopyDataTag = 9487;

bool copyDataTextToShow(unsigned long tag, const void *data, std::size_t byteCount, std::string *text);
