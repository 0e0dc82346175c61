#include "buttons/key_matrix.h"

namespace KeyMatrix {

namespace {

// The entry shown at each page position goes to this mouse slot: the mouse numbers its side
// and DPI buttons differently from the pages.
constexpr int deviceSlotOfEntry[EntryCount] = {0, 1, 2, 4, 3, 8, 7, 5, 6, 9, 10, 11, 12, 13, 14, 15};

// Two fixed slots at the end of every matrix.
constexpr std::uint8_t slot30[4] = {0x01, 0x00, 0xF7, 0x00};
constexpr std::uint8_t slot31[4] = {0x01, 0x00, 0xF8, 0x00};

} // namespace

std::array<std::uint8_t, PayloadSize> payload(const std::array<int, EntryCount * 4> &entries)
{
    std::array<std::uint8_t, PayloadSize> out{};
    for (int entry = 0; entry < EntryCount; ++entry) {
        for (int byte = 0; byte < 4; ++byte)
            out[std::size_t(deviceSlotOfEntry[entry] * 4 + byte)] = std::uint8_t(entries[std::size_t(entry * 4 + byte)]);
    }
    for (int byte = 0; byte < 4; ++byte) {
        out[std::size_t(30 * 4 + byte)] = slot30[byte];
        out[std::size_t(31 * 4 + byte)] = slot31[byte];
    }
    return out;
}

std::array<int, 4> defaultEntry(int button)
{
    switch (button) {
    case 0: return {0x01, 0x00, 0xF0, 0x00};   // left button
    case 1: return {0x01, 0x00, 0xF1, 0x00};   // right button
    case 2: return {0x01, 0x00, 0xF2, 0x00};   // middle button
    case 3: return {0x01, 0x00, 0xF4, 0x00};   // forward
    case 4: return {0x01, 0x00, 0xF3, 0x00};   // back
    case 5: return {0x07, 0x00, 0x01, 0x00};   // DPI +
    case 6: return {0x07, 0x00, 0x02, 0x00};   // DPI -
    default: return {0x00, 0x00, 0x00, 0x00};
    }
}

std::vector<int> afterMacroDeleted(const std::vector<int> &entry, int deleted, int button)
{
    if (entry.size() < 3 || entry[0] != MacroType)
        return entry;
    if (entry[2] == deleted) {
        const std::array<int, 4> d = defaultEntry(button);
        return std::vector<int>(d.begin(), d.end());
    }
    std::vector<int> out = entry;
    if (out[2] > deleted)
        out[2] -= 1;
    return out;
}

} // namespace KeyMatrix
