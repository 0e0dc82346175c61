#include "app/copydata_text.h"

#include <cstring>

bool copyDataTextToShow(unsigned long tag, const void *data, std::size_t byteCount, std::string *text)
{
    if (tag != CopyDataTag || data == nullptr)
        return false;
    // Never read past the block the sender described: look for the zero within it, and a text
    // that fills the block without one has exactly the given length.
    const char *bytes = static_cast<const char *>(data);
    const void *zero = std::memchr(bytes, 0, byteCount);
    const std::size_t length = zero ? std::size_t(static_cast<const char *>(zero) - bytes) : byteCount;
    if (length != byteCount)
        return false;
    if (text)
        text->assign(bytes, length);
    return true;
}
