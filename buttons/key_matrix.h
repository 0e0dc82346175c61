#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The button assignments of a profile as the mouse takes them: sixteen 4-byte entries in the
// order of the pages, laid out in the mouse's own button order in a 128-byte payload.
namespace KeyMatrix {

constexpr int EntryCount = 16;
constexpr int PayloadSize = 128;
constexpr std::uint8_t MacroType = 0x09;

// `entries` holds entry i in elements 4i to 4i+3; each element is cut to 8 bits.
std::array<std::uint8_t, PayloadSize> payload(const std::array<int, EntryCount * 4> &entries);

// What buttons 0 to 6 fall back to when the macro they play is deleted.
std::array<int, 4> defaultEntry(int button);

// A stored entry after the macro at 1-based list position `deleted` was deleted: a macro entry
// of that slot becomes the button's default, one of a later slot moves down by one; any other
// entry stays as it is.
std::vector<int> afterMacroDeleted(const std::vector<int> &entry, int deleted, int button);

} // namespace KeyMatrix
