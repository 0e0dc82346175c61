#pragma once

#include <QStringList>

#include <cstdint>
#include <vector>

// A macro as the mouse stores it: the loop count, then one record of two bytes per key or
// button event (A: release bit 7, delay after the event in 10 ms units; B: the code), a delay
// too long for byte A following its event as two more records (unit code, 16-bit count), and
// the terminator 00 00. The mouse takes at most 128 bytes.
namespace MacroEncoding {

constexpr int PayloadSize = 128;
// The editor takes a new event only while the encoded length is below this.
constexpr int EditorLimit = 126;

struct Step
{
    enum Kind { Delay, Press, Release };
    Kind kind = Delay;
    int code = 0;               // keyboard usage below 0xF0, mouse button 0xF0 to 0xF4
    double milliseconds = 0;    // delays only
};

// Steps from the macro file's "type,information" strings: 0 delay in ms, 1/2 key press/release
// by key name, 3/4 button press/release by mouse name. Strings of other types, with unknown
// names or unreadable delays (read as 0 ms) do not become events.
std::vector<Step> parseSteps(const QStringList &macros);

// The whole encoding, terminator included; its size is the encoded length that the editor's
// limit uses. It may exceed the 128 bytes that the mouse takes (see fitPayload).
std::vector<std::uint8_t> encode(const std::vector<Step> &steps, long loopCount);

// The 128 bytes sent to the mouse: `encoded` zero-filled, or, when longer, cut after the last
// whole event that fits, that event closed as the last one and followed by the terminator.
std::vector<std::uint8_t> fitPayload(const std::vector<std::uint8_t> &encoded);

} // namespace MacroEncoding
