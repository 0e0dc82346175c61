// Whole-profile operations of the bridge: the current profile, the profile data block, and
// reset, copy, import and export of profile files.
#include "app/myqquickview.h"

#include "device/hid_thread.h"
#include "profiles/profile_data_block.h"
#include "profiles/profile_file_copy.h"
#include "profiles/profile_file_dialogs.h"
#include "profiles/profile_keys.h"
#include "profiles/program_rules.h"
#include "profiles/settings_file.h"
#include "profiles/settings_list.h"
#include "profiles/settings_mending.h"
#include "profiles/settings_store.h"
#include "profiles/stored_value_rules.h"
#include "profiles/value_mend.h"
#include "profiles/log_category.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace ProfileKeys;

namespace {

bool refuseFileIndex(const char *operation, int index)
{
    if (isFileIndex(index))
        return false;
    qCDebug(lcProfiles) << operation << "refused: no profile" << index;
    return true;
}

bool refuseBlockIndex(const char *operation, int index)
{
    if (isBlockIndex(index))
        return false;
    qCDebug(lcProfiles) << operation << "refused: no profile data block" << index;
    return true;
}

const QString profileFilter()
{
    return QStringLiteral("Profile(*.pf)");
}

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

QVariant myQQuickView::getProfile()
{
    return apConfig->value(QLatin1String(CurrentProfile), 0);
}

void myQQuickView::setProfile(QVariant profileNo)
{
    storeSetting(apConfig, QLatin1String(CurrentProfile), profileNo.toUInt());
}

void myQQuickView::ui_02H_SetCurrentProfile(int profile)
{
    if (profile == curProfile)
        return;
    // Every per-profile writer patches the cached block of the current profile, so only
    // profiles with a cached block can become current.
    if (refuseBlockIndex("ui_02H_SetCurrentProfile", profile))
        return;
    curProfile = profile;
    storeSetting(apConfig, QLatin1String(CurrentProfile), profile);
}

uchar *myQQuickView::profileBlock(int index)
{
    return isBlockIndex(index) ? profileData[index] : nullptr;
}

void myQQuickView::mouseSetProfile(int profileID)
{
    if (refuseBlockIndex("mouseSetProfile", profileID))
        return;
    uchar *block = profileData[profileID];
    ProfileBlock::markForSend(block);
    storeSetting(profileSettings[profileID], QLatin1String(ProfileData), ProfileBlock::toList(block));
    if (hidThread) {
        // The link may scramble what it sends; the cache must stay as stored.
        uchar payload[ProfileBlock::Size];
        std::memcpy(payload, block, sizeof payload);
        hidThread->hid_06H_SetProfileData(payload, 0);
    }
}

void myQQuickView::mouseReadProfile(uchar *dest, int profileID)
{
    if (!dest || refuseFileIndex("mouseReadProfile", profileID))
        return;
    // What the file lacks of the block (all of it, or its end) is the factory profile's.
    const QString key = QLatin1String(ProfileData);
    const std::unique_ptr<QSettings> factory = SettingsFile::openScoped(QLatin1String(DefaultsFile));
    const ValueMend::Mended block =
        ValueMend::mend(*StoredValues::profileRule(key), profileSettings[profileID]->value(key), factory->value(key));
    ProfileBlock::fillFromList(dest, block.used.toList());
}

QVariant myQQuickView::getData(QVariant key)
{
    const QString name = key.toString();
    if (name.isEmpty())
        return QVariant();
    const QVariant stored = currentSettings()->value(name);
    // A setting the pages send as it comes (the lift-off height) must not reach the mouse as
    // nothing or as noise: a missing one reads as its factory value.
    const StoredValues::Rule *rule = StoredValues::profileRule(name);
    return rule ? StoredValues::fitOrDefault(*rule, stored, QVariant()) : stored;
}

bool myQQuickView::syncSettings()
{
    bool ok = SettingsFile::syncAndCheck(apConfig);
    for (QSettings *s : std::as_const(profileSettings))
        ok = SettingsFile::syncAndCheck(s) && ok;
    return ok;
}

QSettings *myQQuickView::openProfileFile(int index)
{
    const QString name = profileFileName(index);
    const QString factory = QLatin1String(DefaultsFile);
    // A file that is no profile at all reads as the factory profile, as a damaged value does.
    if (SettingsMending::holdsNothingKnown(name, StoredValues::profileRule)) {
        std::fprintf(stderr, "skald-config: %s holds no profile settings; it is replaced by the factory profile\n",
                     qPrintable(name));
        QString error;
        if (!ProfileFileCopy::replace(name, factory, &error))
            qCDebug(lcProfiles).noquote() << name << "not replaced:" << error;
    }
    SettingsMending::mend(name, StoredValues::profileRule, factory);
    return SettingsFile::open(name, this);
}

bool myQQuickView::replaceProfileFile(int profile, const QString &source, QString *error)
{
    // Values written just before must be on disk before any file is copied.
    syncSettings();
    const QString target = profileSettings[profile]->fileName();
    // Replacing a file by itself would delete it before the copy.
    if (ProfileFileCopy::isSameFile(target, source))
        return true;
    if (!ProfileFileCopy::replace(target, source, error))
        return false;
    QSettings *old = profileSettings.takeAt(profile);
    delete old;
    profileSettings.insert(profile, openProfileFile(profile));
    return true;
}

void myQQuickView::reportProfileFailure(const QString &text)
{
    qCDebug(lcProfiles).noquote() << text;
    ProfileFileDialogs::warn(this, QStringLiteral("Profile"), text);
}

void myQQuickView::resetProfile(int profile)
{
    if (refuseFileIndex("resetProfile", profile))
        return;
    QString error;
    if (!replaceProfileFile(profile, QLatin1String(DefaultsFile), &error))
        reportProfileFailure(QStringLiteral("Profile %1 could not be reset: %2. It is left as it was.").arg(profile + 1).arg(error));
}

void myQQuickView::copyProfile(int destprofile, int srcprofile)
{
    if (refuseFileIndex("copyProfile", destprofile) || refuseFileIndex("copyProfile", srcprofile))
        return;
    const QString source = profileSettings[srcprofile]->fileName();
    QString error;
    if (!replaceProfileFile(destprofile, source, &error)) {
        reportProfileFailure(QStringLiteral("Profile %1 could not be copied onto profile %2: %3. It is left as it was.")
                                 .arg(srcprofile + 1).arg(destprofile + 1).arg(error));
        return;
    }
    // The copy is a profile of its own: the programs stay with the original.
    ProgramRules::update([destprofile](ProgramRules::Rules rules) { return ProgramRules::afterCopy(rules, destprofile); });
}

bool myQQuickView::loadProfile(int profile)
{
    if (refuseFileIndex("loadProfile", profile))
        return false;
    const QString chosen = ProfileFileDialogs::open(this, QStringLiteral("Open File"), desktopFolder(), profileFilter());
    if (chosen.isEmpty())
        return false;
    QString error;
    if (!ProfileFileCopy::isReadableProfile(chosen, &error)) {
        reportProfileFailure(QStringLiteral("%1 is not a profile: %2. Profile %3 is left as it was.")
                                 .arg(QDir::toNativeSeparators(chosen), error).arg(profile + 1));
        return false;
    }
    if (!replaceProfileFile(profile, chosen, &error)) {
        reportProfileFailure(QStringLiteral("The profile could not be imported: %1. Profile %2 is left as it was.")
                                 .arg(error).arg(profile + 1));
        return false;
    }
    return true;
}

void myQQuickView::saveProfile(int profile)
{
    if (refuseFileIndex("saveProfile", profile))
        return;
    const QString chosen = ProfileFileDialogs::save(this, QStringLiteral("Save File"), desktopFolder(), profileFilter());
    if (chosen.isEmpty())
        return;
    syncSettings();
    const QString source = profileFileName(profile);
    if (ProfileFileCopy::isSameFile(source, chosen))
        return;
    QString error;
    if (!ProfileFileCopy::replace(chosen, source, &error))
        reportProfileFailure(QStringLiteral("Profile %1 could not be exported: %2.").arg(profile + 1).arg(error));
}
