#include "device/hid_backend.h"

#include <atomic>

HidBackend::~HidBackend() = default;

namespace {
std::atomic<HidBackend *> installed{nullptr};
}

HidBackend *currentHidBackend()
{
    if (HidBackend *b = installed.load())
        return b;
    return defaultHidBackend();
}

void setCurrentHidBackend(HidBackend *backend)
{
    installed.store(backend);
}
