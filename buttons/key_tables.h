#pragma once

#include <cstddef>
#include <cstdint>

// The two tables that turn a keyboard scan code into a HID keyboard usage (page 0x07): scan
// code and extended flag to Windows virtual-key code, then virtual-key code to usage. The rows
// are the program's fixed vocabulary; keys outside them are never reported.
namespace KeyTables {

struct ScanRow
{
    std::uint8_t scan;
    bool extended;
    std::uint8_t virtualKey;
};

struct UsageRow
{
    std::uint8_t virtualKey;
    std::uint8_t usage;
};

extern const ScanRow scanRows[];
extern const std::size_t scanRowCount;
extern const UsageRow usageRows[];
extern const std::size_t usageRowCount;

// Plain lookups; 0 when the table has no row.
std::uint8_t virtualKeyForScan(unsigned scan, bool extended);
std::uint8_t usageForVirtualKey(unsigned virtualKey);

} // namespace KeyTables
