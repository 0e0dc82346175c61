// Macro files, the button-to-macro map of the profiles and sending macros to the mouse.
#include "app/myqquickview.h"

#include "buttons/macro_encoding.h"
#include "buttons/macro_file_reader.h"
#include "buttons/macro_files.h"
#include "buttons/key_matrix.h"
#include "device/hid_thread.h"
#include "profiles/settings_file.h"
#include "profiles/settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>


namespace {

// Profiles 1 to 6 are the ones the pages use; the macro map is kept consistent over them.
constexpr int PageProfiles = 6;

// The file of a macro name, or an empty path for a name that cannot be one.
QString existingMacroFile(const QVariant &name)
{
    const QString text = name.toString();
    if (!MacroFiles::isValidName(text))
        return QString();
    const QString path = MacroFiles::pathFor(text);
    return QFile::exists(path) ? path : QString();
}

// Calls `visit` with every key of the "macro" group, in each profile the pages use, whose
// stored macro is `name`; the group is open during the call.
template<typename Visit>
void forEachKeyNaming(const QList<QSettings *> &profiles, const QString &name, Visit visit)
{
    for (int p = 0; p < PageProfiles && p < profiles.size(); ++p) {
        QSettings *profile = profiles[p];
        if (!profile)
            continue;
        profile->beginGroup(QStringLiteral("macro"));
        const QStringList keys = profile->childKeys();
        for (const QString &key : keys) {
            if (profile->value(key).toString() == name)
                visit(profile, key);
        }
        profile->endGroup();
    }
}

} // namespace

QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    const QString text = name.toString();
    if (!MacroFiles::isValidName(text))
        return false;
    QDir().mkpath(QStringLiteral("./modules/macro"));
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(MacroFiles::pathFor(text));
    file->beginGroup(QStringLiteral("config"));
    file->setValue(QStringLiteral("index"), macroIndex.toUInt());
    file->setValue(QStringLiteral("total"), 0);
    file->setValue(QStringLiteral("repeat"), 1);
    file->setValue(QStringLiteral("did"), -1);
    file->endGroup();
    file->sync();
    return file->status() == QSettings::NoError;
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariant repeat)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return false;
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(path);
    file->remove(QStringLiteral("macro"));
    file->setValue(QStringLiteral("config/total"), int(macros.size()));
    file->setValue(QStringLiteral("config/repeat"), repeat.toInt());
    for (int i = 0; i < macros.size(); ++i)
        file->setValue(QStringLiteral("macro/") + QString::number(i), macros[i]);
    file->sync();
    return file->status() == QSettings::NoError;
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return {};
    const MacroFileReader::Content content = MacroFileReader::read(path);
    return content.oversized ? QStringList() : content.events + QStringList{content.repeat};
}

QVariant myQQuickView::loadMacroType(QVariant name)
{
    const QString path = existingMacroFile(name);
    return path.isEmpty() ? 0 : MacroFileReader::read(path).type;
}

QVariant myQQuickView::loadMacroIndex(QVariant name)
{
    const QString path = existingMacroFile(name);
    return path.isEmpty() ? 0u : MacroFileReader::read(path).index;
}

void myQQuickView::setMacroIndex(QVariant name, QVariant macroIndex)
{
    const QString path = existingMacroFile(name);
    if (path.isEmpty())
        return;
    SettingsFile::openScoped(path)->setValue(QStringLiteral("config/index"), macroIndex.toUInt());
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    const QString path = existingMacroFile(name);
    return !path.isEmpty() && QFile::remove(path);
}

QVariant myQQuickView::modifyMacroName(QVariant oldname, QVariant newname)
{
    const QString oldName = oldname.toString();
    const QString newName = newname.toString();
    const QString oldPath = existingMacroFile(oldName);
    if (oldPath.isEmpty() || !MacroFiles::isValidName(newName))
        return false;
    const QString newPath = MacroFiles::pathFor(newName);
    // The rename would fail after the profiles already named the other macro.
    if (QFile::exists(newPath))
        return false;

    forEachKeyNaming(profileSettings, oldName, [&](QSettings *profile, const QString &key) {
        storeSetting(profile, key, newName);
    });
    return QFile::rename(oldPath, newPath);
}

QStringList myQQuickView::isMacroUse(QVariant macroName)
{
    const QString name = macroName.toString();
    QStringList uses{QStringLiteral("Name")};
    forEachKeyNaming(profileSettings, name, [&](QSettings *, const QString &key) { uses.append(key); });
    return uses;
}

void myQQuickView::changeMacroFileIndex(QVariant macroIndex)
{
    const int deleted = macroIndex.toInt();
    // The page renumbers the current profile itself. Every profile the pages use (0..5) is
    // swept: leaving the sixth out would leave its buttons pointing at the wrong macros.
    for (int p = 0; p < 6; ++p) {
        QSettings *profile = profileFile(p);
        if (!profile || p == curProfile)
            continue;
        for (int button = 0; button < 7; ++button) {
            const QString key = QStringLiteral("keydefine_J2/") + QString::number(button);
            const QVariantList stored = profile->value(key).toList();
            std::vector<int> entry;
            for (const QVariant &byte : stored)
                entry.push_back(byte.toInt());
            if (entry.size() < 3 || entry[0] != KeyMatrix::MacroType)
                continue;
            QVariantList out;
            for (int byte : KeyMatrix::afterMacroDeleted(entry, deleted, button))
                out.append(byte);
            storeSetting(profile, key, out);
        }
    }
}

void myQQuickView::setMacroKey(int index, QVariant macroName)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, QStringLiteral("macro/") + QString::number(index), macroName);
}

QVariant myQQuickView::getMacroKey(int index)
{
    QSettings *settings = currentSettings();
    return settings ? settings->value(QStringLiteral("macro/") + QString::number(index), 0) : QVariant(0);
}

QVariant myQQuickView::sendMacroData(QVariantList macroData, QVariant macroIndex)
{
    std::vector<std::uint8_t> encoded;
    encoded.reserve(std::size_t(macroData.size()));
    for (const QVariant &byte : macroData)
        encoded.push_back(std::uint8_t(byte.toInt()));
    std::vector<std::uint8_t> payload = MacroEncoding::fitPayload(encoded);
    if (hidThread)
        hidThread->hid_08H_SetMacroKey(uchar(macroIndex.toInt() + 1), payload.data());
    return true;
}

QVariantList myQQuickView::encodeMacro(QStringList macros, QVariant repeat)
{
    QVariantList bytes;
    for (std::uint8_t byte : MacroEncoding::encode(MacroEncoding::parseSteps(macros), long(repeat.toLongLong())))
        bytes.append(int(byte));
    return bytes;
}

QString myQQuickView::checkMacroIni(QVariant name)
{
    const QString path = existingMacroFile(name);
    return path.isEmpty() ? QString() : MacroFileReader::read(path).damage;
}
