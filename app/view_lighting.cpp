// Lighting of the bridge: the light effect and the eight DPI stage colours. Both travel to the
// mouse inside the profile data block; the getters read the profile file only.
#include "app/myqquickview.h"

#include "performance/lighting_block.h"
#include "performance/unsigned_list.h"
#include "profiles/settings_list.h"
#include "profiles/stored_value_reader.h"
#include "profiles/settings_store.h"

#include <QSettings>

namespace {

QString stageColourKey(uchar type)
{
    return QStringLiteral("color_J2/type") + QString::number(type);
}

} // namespace

void myQQuickView::mouseSetRGBLedEffect(uchar effect, uchar option1, uchar option2, uchar colorR, uchar colorG,
                                        uchar colorB, QVariantList configs)
{
    QSettings *settings = currentSettings();
    if (!settings)
        return;
    storeSetting(settings, QStringLiteral("color_J2/ledEffect"), configs);
    if (uchar *block = profileBlock(curProfile)) {
        writeLedEffect(block, effect, option1, option2, colorR, colorG, colorB);
        mouseSetProfile(curProfile);
    }
}

QVariantList myQQuickView::ui_8DH_GetRGBLedEffect()
{
    QSettings *settings = currentSettings();
    if (!settings)
        return {};
    return unsignedEntries(settingsList(StoredValues::profileValue(*settings, QStringLiteral("color_J2/ledEffect"))));
}

void myQQuickView::mouseSetDPIColor(uchar type, QVariantList src24)
{
    QSettings *settings = currentSettings();
    if (!settings)
        return;
    storeSetting(settings, stageColourKey(type), src24);
    if (uchar *block = profileBlock(curProfile)) {
        writeStageColours(block, src24);
        mouseSetProfile(curProfile);
    }
}

QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type)
{
    QSettings *settings = currentSettings();
    if (!settings)
        return {};
    return unsignedEntries(settingsList(StoredValues::profileValue(*settings, stageColourKey(type))));
}
