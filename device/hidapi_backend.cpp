#include "device/hidapi_backend.h"

#include <hidapi.h>

namespace {

hid_device *dev(HidHandle *h)
{
    return reinterpret_cast<hid_device *>(h);
}

} // namespace

// hid_init is not thread-safe; doing it here, on the thread that first needs the backend (the
// GUI thread), keeps the worker's first open from racing it.
HidapiBackend::HidapiBackend() : m_initialised(hid_init() == 0) {}

HidBackend *defaultHidBackend()
{
    static HidapiBackend hidapi;
    return &hidapi;
}

HidapiBackend::~HidapiBackend()
{
    if (m_initialised)
        hid_exit();
}

std::vector<HidDeviceInfo> HidapiBackend::enumerate(unsigned short vendorId, unsigned short productId)
{
    std::vector<HidDeviceInfo> list;
    hid_device_info *all = hid_enumerate(vendorId, productId);
    for (hid_device_info *d = all; d; d = d->next) {
        HidDeviceInfo info;
        info.path = QString::fromLocal8Bit(d->path);
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        list.push_back(info);
    }
    hid_free_enumeration(all);
    return list;
}

HidHandle *HidapiBackend::openPath(const QString &path)
{
    return reinterpret_cast<HidHandle *>(hid_open_path(path.toLocal8Bit().constData()));
}

int HidapiBackend::setNonblocking(HidHandle *device, int nonblock)
{
    return hid_set_nonblocking(dev(device), nonblock);
}

int HidapiBackend::sendFeatureReport(HidHandle *device, const unsigned char *data, size_t length)
{
    return hid_send_feature_report(dev(device), data, length);
}

int HidapiBackend::getFeatureReport(HidHandle *device, unsigned char *data, size_t length)
{
    return hid_get_feature_report(dev(device), data, length);
}

int HidapiBackend::write(HidHandle *device, const unsigned char *data, size_t length)
{
    return hid_write(dev(device), data, length);
}

// The link reads a payload right after asking for it, so a mouse that sends nothing within a
// second never will; a plain blocking read would then hang the GUI thread for good. The bounded
// read returns 0, which the link takes as a failed transfer.
int HidapiBackend::read(HidHandle *device, unsigned char *data, size_t length)
{
    return hid_read_timeout(dev(device), data, length, PayloadReadTimeoutMs);
}

int HidapiBackend::readTimeout(HidHandle *device, unsigned char *data, size_t length, int milliseconds)
{
    return hid_read_timeout(dev(device), data, length, milliseconds);
}

void HidapiBackend::close(HidHandle *device)
{
    hid_close(dev(device));
}
