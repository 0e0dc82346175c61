#include "device/link_state.h"

namespace LinkState {

std::atomic<bool> deviceConnected{false};
bool isEncode = false;
unsigned char SecrecyCode[8] = {};

namespace {
std::atomic<unsigned> dpiTable[8] = {};
} // namespace

unsigned currentDpi(int stage)
{
    return stage >= 0 && stage < 8 ? dpiTable[stage].load() : 0;
}

void setCurrentDpi(int stage, unsigned dpi)
{
    if (stage >= 0 && stage < 8)
        dpiTable[stage].store(dpi);
}

} // namespace LinkState
