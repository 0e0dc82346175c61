// Recoil presets: shared by all profiles in "./modules/gun/gunData.bin", which the installation
// provides; nothing here creates it. Each profile remembers the preset it selected.
#include "app/myqquickview.h"

#include "device/hid_thread.h"
#include "profiles/settings_file.h"
#include "profiles/settings_store.h"
#include "profiles/stored_value_reader.h"
#include "profiles/stored_value_rules.h"

#include <QFile>
#include <QSettings>

namespace {

const QString presetFile = QStringLiteral("./modules/gun/gunData.bin");

// "gunData/" + name, or empty for no name: "gunData/" alone would address every preset.
QString presetKey(const QVariant &name)
{
    const QString text = name.toString();
    return text.isEmpty() ? QString() : QStringLiteral("gunData/") + text;
}

} // namespace

void myQQuickView::saveGundata(QVariantList src6)
{
    const QString key = src6.size() >= 6 ? presetKey(src6[0]) : QString();
    if (key.isEmpty() || !QFile::exists(presetFile))
        return;
    SettingsFile::openScoped(presetFile)->setValue(key, src6.mid(1, 5));
}

void myQQuickView::modifyGundata(QVariant modifyType, QVariantList src6)
{
    if (src6.isEmpty() || !QFile::exists(presetFile))
        return;
    const int type = modifyType.toInt();
    const QString key = presetKey(src6[0]);
    if (type == 0) {
        if (!key.isEmpty())
            SettingsFile::openScoped(presetFile)->remove(key);
    } else if (type == 1) {
        // Element 6 is the old name of the preset being renamed and updated.
        const QString oldKey = src6.size() >= 7 ? presetKey(src6[6]) : QString();
        if (key.isEmpty() || oldKey.isEmpty())
            return;
        const std::unique_ptr<QSettings> file = SettingsFile::openScoped(presetFile);
        file->remove(oldKey);
        file->setValue(key, src6.mid(1, 5));
    }
}

QVariantList myQQuickView::getGunData(QVariant name)
{
    const QString key = presetKey(name);
    if (key.isEmpty() || !QFile::exists(presetFile))
        return {};
    // A damaged preset would send its wrapped numbers to the mouse: it reads as missing.
    return StoredValues::read(*SettingsFile::openScoped(presetFile), key, *StoredValues::presetRule()).toList();
}

QVariant myQQuickView::getselectGun(QVariant index)
{
    QSettings *settings = currentSettings();
    if (!settings)
        return QString();
    return settings->value(QStringLiteral("selectGun/") + index.toString(), QString()).toString();
}

void myQQuickView::setSelectGun(QVariant index, QVariant xyData)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, QStringLiteral("selectGun/") + index.toString(), xyData);
}

void myQQuickView::ui_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    if (hidThread)
        hidThread->hid_04H_SetGunData(par0, par1, par2, par3, par4);
}
