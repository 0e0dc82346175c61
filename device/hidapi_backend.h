#pragma once

#include "device/hid_backend.h"

// The real HID layer: hidapi (its hidraw back end on Linux).
class HidapiBackend : public HidBackend
{
public:
    // Longest wait of read() for one payload report.
    static constexpr int PayloadReadTimeoutMs = 1000;

    HidapiBackend();
    ~HidapiBackend() override;

    std::vector<HidDeviceInfo> enumerate(unsigned short vendorId, unsigned short productId) override;
    HidHandle *openPath(const QString &path) override;
    int setNonblocking(HidHandle *device, int nonblock) override;
    int sendFeatureReport(HidHandle *device, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidHandle *device, unsigned char *data, size_t length) override;
    int write(HidHandle *device, const unsigned char *data, size_t length) override;
    int read(HidHandle *device, unsigned char *data, size_t length) override;
    int readTimeout(HidHandle *device, unsigned char *data, size_t length, int milliseconds) override;
    void close(HidHandle *device) override;

private:
    bool m_initialised = false;
};
