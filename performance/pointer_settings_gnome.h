#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

#include "performance/pointer_settings.h"

// Pointer settings of a GNOME-based desktop through `gsettings`: pointer speed and
// acceleration profile of org.gnome.desktop.peripherals.mouse, and the double-click time from
// whichever of the mouse schemas holds it. GNOME has no wheel-lines setting, so that call, and
// every call on another desktop, reports failure.
class GnomePointerSettings : public PointerSettings
{
public:
    // Runs gsettings with the arguments; true on exit status 0, with its standard output.
    using Runner = std::function<bool(const QStringList &arguments, QByteArray *output)>;

    GnomePointerSettings(Runner runner, bool gnomeDesktop);

    bool getMouse(int params[3]) override;
    bool setMouse(const int params[3]) override;
    bool setMouseSpeed(unsigned speed) override;
    bool setWheelScrollLines(unsigned lines) override;
    bool setDoubleClickTime(unsigned milliseconds) override;
    const char *unavailableReason(PointerSetting setting) const override;

    // Whether XDG_CURRENT_DESKTOP names a GNOME-based session.
    static bool runningOnGnome();
    // Runs the real gsettings with a time limit.
    static bool runGsettings(const QStringList &arguments, QByteArray *output);

private:
    // The schema of `candidates` that has `key`, or an empty string; looked up once per key.
    QString schemaWith(const QString &key, const QStringList &candidates, QString &cache, bool &looked);
    bool set(const QString &schema, const QString &key, const QString &value);

    Runner m_run;
    bool m_gnome;
    QString m_mouseSchema;
    bool m_mouseLooked = false;
    QString m_doubleClickSchema;
    bool m_doubleClickLooked = false;
};
