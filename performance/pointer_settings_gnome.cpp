#include "performance/pointer_settings_gnome.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtGlobal>

namespace {

const QString kMouseSchema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
const QString kDaemonMouseSchema = QStringLiteral("org.gnome.settings-daemon.peripherals.mouse");

// Windows' neutral pointer speed 10 (of 1..20) is GNOME's 0 (of -1..1).
QString gnomeSpeed(unsigned speed)
{
    return QString::number((int(speed) - 10) / 10.0, 'f', 2);
}

} // namespace

GnomePointerSettings::GnomePointerSettings(Runner runner, bool gnomeDesktop)
    : m_run(std::move(runner)), m_gnome(gnomeDesktop)
{
}

bool GnomePointerSettings::runningOnGnome()
{
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    const QStringList names = desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        if (name.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0
            || name.startsWith(QLatin1String("GNOME-"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool GnomePointerSettings::runGsettings(const QStringList &arguments, QByteArray *output)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (program.isEmpty())
        return false;
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString GnomePointerSettings::schemaWith(const QString &key, const QStringList &candidates, QString &cache,
                                         bool &looked)
{
    if (!m_gnome)
        return QString();
    if (!looked) {
        looked = true;
        for (const QString &schema : candidates) {
            QByteArray keys;
            if (m_run({QStringLiteral("list-keys"), schema}, &keys)
                && keys.split('\n').contains(key.toLatin1())) {
                cache = schema;
                break;
            }
        }
    }
    return cache;
}

bool GnomePointerSettings::set(const QString &schema, const QString &key, const QString &value)
{
    return !schema.isEmpty() && m_run({QStringLiteral("set"), schema, key, value}, nullptr);
}

bool GnomePointerSettings::getMouse(int params[3])
{
    const QString schema = schemaWith(QStringLiteral("accel-profile"), {kMouseSchema}, m_mouseSchema, m_mouseLooked);
    QByteArray profile;
    if (schema.isEmpty() || !m_run({QStringLiteral("get"), schema, QStringLiteral("accel-profile")}, &profile))
        return false;
    // GNOME has no thresholds; these are Windows' own defaults.
    params[0] = 6;
    params[1] = 10;
    params[2] = profile.trimmed() == "'flat'" ? 0 : 1;
    return true;
}

bool GnomePointerSettings::setMouse(const int params[3])
{
    const QString schema = schemaWith(QStringLiteral("accel-profile"), {kMouseSchema}, m_mouseSchema, m_mouseLooked);
    return set(schema, QStringLiteral("accel-profile"),
               params[2] ? QStringLiteral("adaptive") : QStringLiteral("flat"));
}

bool GnomePointerSettings::setMouseSpeed(unsigned speed)
{
    // Refused outside Windows' 1..20, as Windows itself refuses it.
    if (speed < 1 || speed > 20)
        return false;
    const QString schema = schemaWith(QStringLiteral("accel-profile"), {kMouseSchema}, m_mouseSchema, m_mouseLooked);
    return set(schema, QStringLiteral("speed"), gnomeSpeed(speed));
}

const char *GnomePointerSettings::unavailableReason(PointerSetting setting) const
{
    if (!m_gnome)
        return "No pointer settings service on this desktop.";
    return setting == PointerSetting::WheelLines ? "GNOME has no wheel-lines setting." : nullptr;
}

bool GnomePointerSettings::setWheelScrollLines(unsigned)
{
    return false;
}

bool GnomePointerSettings::setDoubleClickTime(unsigned milliseconds)
{
    const QString schema = schemaWith(QStringLiteral("double-click"), {kMouseSchema, kDaemonMouseSchema},
                                      m_doubleClickSchema, m_doubleClickLooked);
    return set(schema, QStringLiteral("double-click"), QString::number(milliseconds));
}
