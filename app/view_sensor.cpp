// Sensor settings of the bridge: DPI stages and their enabled mask, report rate, lift-off and
// X/Y sensitivity. Values are stored in the current profile first and sent second.
#include "app/myqquickview.h"

#include "device/hid_thread.h"
#include "device/link_state.h"
#include "device/profile_block_layout.h"
#include "performance/dpi_stage_table.h"
#include "performance/unsigned_list.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_list.h"
#include "profiles/stored_value_reader.h"
#include "profiles/settings_store.h"
#include "performance/log_category.h"

#include <QSettings>
#include <algorithm>

namespace {

// Stages a shorter list does not reach are unknown: 0 in the current-DPI table.
void fillCurrentDpiTable(const QVariantList &values)
{
    for (int stage = 0; stage < ProfileBlock::DpiStages; ++stage)
        LinkState::setCurrentDpi(stage, stage < values.size() ? values[stage].toUInt() : 0u);
}

} // namespace

void myQQuickView::ui_11H_SetDPISet(QVariantList src8, QVariantList valueForIndex)
{
    QSettings *settings = currentSettings();
    if (!settings)
        return;
    const SensorVariant variant = modelForDeviceKind(curDid).sensor;
    storeSetting(settings, ProfileKeys::dpiListKey(curDid), valueForIndex);
    fillCurrentDpiTable(valueForIndex);

    uchar *block = profileBlock(curProfile);
    if (!block)
        return;
    // Stages missing from a short list keep what the block holds.
    const int stages = std::min<int>(src8.size(), ProfileBlock::DpiStages);
    for (int i = 0; i < stages; ++i) {
        const PackedDpi packed = packDpiUnits(variant, src8[i].toUInt());
        writeDpiStage(block, i, packed);
        qCDebug(lcPerformance) << QString::number(ProfileBlock::DpiTableFirst + 2 * i, 16) << int(packed.low) << int(packed.flag);
        qCDebug(lcPerformance) << QString::number(ProfileBlock::DpiTableSecond + 2 * i, 16) << int(packed.low) << int(packed.flag);
    }
    mouseSetProfile(curProfile);
}

void myQQuickView::ui_11H_SetDPISetTmp(QVariantList valueForIndex)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, ProfileKeys::dpiListKey(curDid), valueForIndex);
}

QVariantList myQQuickView::ui_91H_GetDPISet()
{
    QSettings *settings = currentSettings();
    if (!settings)
        return {};
    const QVariantList values = unsignedEntries(settingsList(StoredValues::profileValue(*settings, ProfileKeys::dpiListKey(curDid))));
    fillCurrentDpiTable(values);
    return values;
}

void myQQuickView::ui_11H_SetDPISelect(QVariantList valueForIndex)
{
    QSettings *settings = currentSettings();
    if (!settings)
        return;
    storeSetting(settings, QStringLiteral("sensor/dpi_Select"), valueForIndex);
    if (uchar *block = profileBlock(curProfile)) {
        block[ProfileBlock::DpiEnabledMask] = dpiSelectMask(valueForIndex);
        mouseSetProfile(curProfile);
    }
}

QVariantList myQQuickView::ui_91H_GetDPISelect()
{
    QSettings *settings = currentSettings();
    if (!settings)
        return {};
    return unsignedEntries(settingsList(StoredValues::profileValue(*settings, QStringLiteral("sensor/dpi_Select"))));
}

QVariantList myQQuickView::mouseReadDPISet()
{
    uchar block[ProfileBlock::Size] = {};
    if (hidThread)
        hidThread->hid_86H_ReadProfileData(block, 0);

    const SensorVariant variant = modelForDeviceKind(curDid).sensor;
    QVariantList stored;
    if (QSettings *settings = currentSettings())
        stored = settingsList(StoredValues::profileValue(*settings, ProfileKeys::dpiListKey(curDid)));

    QVariantList values;
    for (int i = 0; i < ProfileBlock::DpiStages; ++i) {
        std::optional<unsigned> storedDpi;
        bool ok = false;
        const unsigned dpi = i < stored.size() ? stored[i].toUInt(&ok) : 0;
        if (ok)
            storedDpi = dpi;
        values.append(readBackDpi(variant, block[ProfileBlock::DpiTableFirst + 2 * i], block[ProfileBlock::DpiTableFirst + 2 * i + 1],
                                  storedDpi));
    }
    return values;
}

QVariant myQQuickView::ui_8BH_GetCurrentDPIStage()
{
    // Hidden in the tray, nobody looks at the stage: do not occupy the link for it.
    if (!isVisible() || !hidThread)
        return 0;
    uchar stage = 0;
    hidThread->hid_8BH_GetCurrentDPIStage(stage);
    return int(stage);
}

QVariant myQQuickView::currentDPIFromReply(QVariantList reply)
{
    // The reply of hid_84H_GetCurrentDPI: stage, low byte, flag; a failed read gives nothing.
    if (reply.size() < 3)
        return 0;
    return currentDpiForBytes(modelForDeviceKind(curDid).sensor, uchar(reply[1].toUInt()), uchar(reply[2].toUInt()));
}

void myQQuickView::mouseSetReportRate(uchar rate)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, QStringLiteral("sensor/reportRate_J2"), int(rate));
    if (hidThread)
        hidThread->hid_03H_SetReportRate(rate);
}

QVariant myQQuickView::ui_81H_GetReportRate()
{
    QSettings *settings = currentSettings();
    const uint rate = settings ? settings->value(QStringLiteral("sensor/reportRate_J2"), 0).toUInt() : 0;
    return int(uchar(rate));
}

void myQQuickView::mouseSetJMGD(uchar tmpJMGD)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, QStringLiteral("sensor/jmgd"), int(tmpJMGD));
    if (hidThread)
        hidThread->hid_0BH_SetJMGD(tmpJMGD);
}

QVariant myQQuickView::getXYSensitive(QVariant index)
{
    QSettings *settings = currentSettings();
    if (!settings)
        return 4;
    return settings->value(QStringLiteral("XYSensitive/") + index.toString(), 4);
}

void myQQuickView::setXYSensitive(QVariant index, QVariant xyData)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, QStringLiteral("XYSensitive/") + index.toString(), xyData);
}

void myQQuickView::ui_0EH_SetXYSensitive(QVariant par0, QVariant par1)
{
    uchar *block = profileBlock(curProfile);
    if (!block)
        return;
    block[ProfileBlock::XSensitivity] = uchar(par0.toUInt());
    block[ProfileBlock::YSensitivity] = uchar(par1.toUInt());
    mouseSetProfile(curProfile);
}
