// Whole-profile operations of the bridge: the current profile, the profile data block, and
// reset, copy, import and export of profile files.
#include "profiles/myqquickview.h"

#include "device/hid_thread.h"
#include "profiles/profile_data_block.h"
#include "profiles/profile_file_copy.h"
#include "profiles/profile_file_dialogs.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_list.h"
#include "profiles/settings_store.h"

#include <QDebug>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cstring>

using namespace ProfileKeys;

namespace {

bool refuseFileIndex(const char *operation, int index)
{
    if (isFileIndex(index))
        return false;
    qDebug() << operation << "refused: no profile" << index;
    return true;
}

bool refuseBlockIndex(const char *operation, int index)
{
    if (isBlockIndex(index))
        return false;
    qDebug() << operation << "refused: no profile data block" << index;
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
    ProfileBlock::fillFromList(dest, settingsList(profileSettings[profileID]->value(QLatin1String(ProfileData))));
}

QVariant myQQuickView::getData(QVariant key)
{
    const QString name = key.toString();
    return name.isEmpty() ? QVariant() : currentSettings()->value(name);
}

void myQQuickView::syncSettings()
{
    apConfig->sync();
    for (QSettings *s : std::as_const(profileSettings))
        s->sync();
}

void myQQuickView::replaceProfileFile(int profile, const QString &source)
{
    // Values written just before must be on disk before any file is copied.
    syncSettings();
    const QString target = profileSettings[profile]->fileName();
    // Replacing a file by itself would delete it before the copy.
    if (ProfileFileCopy::isSameFile(target, source))
        return;

    QSettings *old = profileSettings.takeAt(profile);
    // Settings objects on one file share Qt's cache of its content, which is re-read only when
    // the file's size or time stamp changed; a copy of equal size made within the same clock
    // tick would go unseen. Emptying the old object leaves an empty cache that is always re-read.
    old->clear();
    old->sync();
    old->deleteLater();

    ProfileFileCopy::replace(target, source);
    profileSettings.insert(profile, new QSettings(target, QSettings::IniFormat, this));
}

void myQQuickView::resetProfile(int profile)
{
    if (refuseFileIndex("resetProfile", profile))
        return;
    replaceProfileFile(profile, QLatin1String(DefaultsFile));
}

void myQQuickView::copyProfile(int destprofile, int srcprofile)
{
    if (refuseFileIndex("copyProfile", destprofile) || refuseFileIndex("copyProfile", srcprofile))
        return;
    const QString source = profileSettings[srcprofile]->fileName();
    replaceProfileFile(destprofile, source);
}

bool myQQuickView::loadProfile(int profile)
{
    if (refuseFileIndex("loadProfile", profile))
        return false;
    const QString chosen = ProfileFileDialogs::open(this, QStringLiteral("Open File"), desktopFolder(), profileFilter());
    if (chosen.isEmpty())
        return false;
    replaceProfileFile(profile, chosen);
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
    QFile::remove(chosen);
    QFile::copy(source, chosen);
}
