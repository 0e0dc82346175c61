#pragma once

#include <QString>
#include <atomic>

// Program-wide state of the device link that other subsystems read or set.
namespace LinkState {

// Set by a successful connection check, cleared by a failed one.
extern std::atomic<bool> deviceConnected;
// Scrambling of command and reply blocks, from the device table.
extern bool isEncode;
// Secrecy code of the device in use; bytes 1..6 take part in the scrambling.
extern unsigned char SecrecyCode[8];

// Texts of the DPI-change balloon, one per stage ("DPI Switch to" until a language replaces them).
QString dpiSwitchText(int stage);
void setDpiSwitchText(int stage, const QString &text);

// DPI of each of the eight stages as last stored or sent; written on the GUI thread and read
// whole by the device worker.
unsigned currentDpi(int stage);
void setCurrentDpi(int stage, unsigned dpi);

} // namespace LinkState
