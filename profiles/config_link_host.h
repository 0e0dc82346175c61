#pragma once

#include "device/link_host.h"

#include <QString>

// The application configuration's side of the link's host: the secrecy code of a device as the
// configuration file holds it. On its own it is the host of a link without a window (tests,
// tools), which hears of nothing else.
class ConfigLinkHost final : public LinkHost
{
public:
    // "common/sCode" and the device's index.
    static QString secrecyCodeKey(int device);

    QString secrecyCode(int device, const QString &fallback) const override;
    void linkConnected(int) override {}
    void linkMissing() override {}
    void linkLost() override {}
    void mouseReported() override {}
    void dpiStageSwitched(int) override {}
};
