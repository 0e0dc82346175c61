#include "device/hid_backend.h"

#include "device/hidapi_backend.h"

#include <atomic>

HidBackend::~HidBackend() = default;

namespace {
std::atomic<HidBackend *> installed{nullptr};
}

HidBackend *currentHidBackend()
{
    if (HidBackend *b = installed.load())
        return b;
    static HidapiBackend hidapi;
    return &hidapi;
}

void setCurrentHidBackend(HidBackend *backend)
{
    installed.store(backend);
}
