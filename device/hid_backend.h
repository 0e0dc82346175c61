#pragma once

#include <QString>

#include <cstddef>
#include <vector>

// One HID interface as enumeration reports it.
struct HidDeviceInfo
{
    QString path;
    unsigned short vendorId = 0;
    unsigned short productId = 0;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
};

// An open interface. Opaque: each backend hands out and takes back its own handles.
struct HidHandle;

// The narrow seam between the device link and the HID layer: the ten hidapi calls the link
// makes, with hidapi's results (negative on failure). hid_enumerate and hid_free_enumeration
// are one call here, since the link never keeps an enumeration. A vendor or product id of 0
// matches any device. read() may give up after a bounded wait (returning 0) instead of blocking
// for good. Implementations must allow the command interface to be used on one
// thread while the notification interface is read on another.
class HidBackend
{
public:
    virtual ~HidBackend();

    virtual std::vector<HidDeviceInfo> enumerate(unsigned short vendorId, unsigned short productId) = 0;
    virtual HidHandle *openPath(const QString &path) = 0;
    virtual int setNonblocking(HidHandle *device, int nonblock) = 0;
    virtual int sendFeatureReport(HidHandle *device, const unsigned char *data, size_t length) = 0;
    virtual int getFeatureReport(HidHandle *device, unsigned char *data, size_t length) = 0;
    virtual int write(HidHandle *device, const unsigned char *data, size_t length) = 0;
    virtual int read(HidHandle *device, unsigned char *data, size_t length) = 0;
    virtual int readTimeout(HidHandle *device, unsigned char *data, size_t length, int milliseconds) = 0;
    virtual void close(HidHandle *device) = 0;
};

// The backend that new device links use: hidapi unless another one was installed (the virtual
// mouse, the traffic log). Installing does not take ownership; nullptr goes back to hidapi.
HidBackend *currentHidBackend();
void setCurrentHidBackend(HidBackend *backend);

// The hidapi backend, made on first use (defined with it, in hidapi_backend.cpp).
HidBackend *defaultHidBackend();
