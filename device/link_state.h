#pragma once

#include <atomic>

// Program-wide state of the device link that other subsystems read or set.
namespace LinkState {

// Set by a successful connection check, cleared by a failed one.
extern std::atomic<bool> deviceConnected;
// Scrambling of command and reply blocks, from the device table.
extern bool isEncode;
// Secrecy code of the device in use; bytes 1..6 take part in the scrambling.
extern unsigned char SecrecyCode[8];

// DPI of each of the eight stages as last stored or sent, for the DPI-change balloon.
unsigned currentDpi(int stage);
void setCurrentDpi(int stage, unsigned dpi);

} // namespace LinkState
