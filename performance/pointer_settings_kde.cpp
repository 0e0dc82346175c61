#include "performance/pointer_settings_kde.h"

#include "performance/kde_config_text.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QString kInput = QStringLiteral("kcminputrc");
const QString kGlobals = QStringLiteral("kdeglobals");
const QString kMouse = QStringLiteral("Mouse");
const QString kKde = QStringLiteral("KDE");
const QString kFlat = QStringLiteral("XLbInptAccelProfileFlat");

// KGlobalSettings' change types: SettingsChanged, with the category SETTINGS_MOUSE.
constexpr int kSettingsChanged = 3;
constexpr int kSettingsMouse = 0;

} // namespace

KdePointerSettings::KdePointerSettings(QString configFolder, Signaller signaller)
    : m_folder(std::move(configFolder)), m_signal(std::move(signaller))
{
}

bool KdePointerSettings::sendSessionSignal(const QString &path, const QString &interface, const QString &member,
                                           const QVariantList &arguments)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage message = QDBusMessage::createSignal(path, interface, member);
    message.setArguments(arguments);
    return bus.send(message);
}

QString KdePointerSettings::read(const QString &file, const QString &group, const QString &key) const
{
    QFile f(QDir(m_folder).filePath(file));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return KdeConfigText::value(QString::fromUtf8(f.readAll()), group, key);
}

bool KdePointerSettings::write(const QString &file, const QString &group, const QString &key, const QString &value)
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return false;
    const QString path = QDir(m_folder).filePath(file);
    QString text;
    if (QFile f(path); f.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(f.readAll());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(KdeConfigText::withValue(text, group, key, value).toUtf8());
    if (!out.commit())
        return false;
    // The file holds the setting even when no session listens; a missing bus is no failure.
    m_signal(QStringLiteral("/KGlobalSettings"), QStringLiteral("org.kde.KGlobalSettings"),
             QStringLiteral("notifyChange"), {kSettingsChanged, kSettingsMouse});
    return true;
}

bool KdePointerSettings::getMouse(int params[3])
{
    // Plasma has no thresholds; these are Windows' own defaults.
    params[0] = 6;
    params[1] = 10;
    params[2] = read(kInput, kMouse, kFlat) == QLatin1String("true") ? 0 : 1;
    return true;
}

bool KdePointerSettings::setMouse(const int params[3])
{
    return write(kInput, kMouse, kFlat, params[2] ? QStringLiteral("false") : QStringLiteral("true"));
}

bool KdePointerSettings::setMouseSpeed(unsigned speed)
{
    // Refused outside Windows' 1..20, as Windows itself refuses it; Windows' neutral 10 is
    // libinput's 0 of -1..1.
    if (speed < 1 || speed > 20)
        return false;
    return write(kInput, kMouse, QStringLiteral("XLbInptPointerAcceleration"),
                 QString::number((int(speed) - 10) / 10.0, 'f', 1));
}

bool KdePointerSettings::setWheelScrollLines(unsigned lines)
{
    return write(kGlobals, kKde, QStringLiteral("WheelScrollLines"), QString::number(lines));
}

bool KdePointerSettings::setDoubleClickTime(unsigned milliseconds)
{
    return write(kGlobals, kKde, QStringLiteral("DoubleClickInterval"), QString::number(milliseconds));
}
