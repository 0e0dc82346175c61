#pragma once

#include <QString>
#include <QVariantList>
#include <functional>

#include "performance/pointer_settings.h"

// Pointer settings of a KDE Plasma session, written where Plasma's own settings modules write
// them: the pointer speed and acceleration profile in kcminputrc [Mouse] (the libinput keys),
// the double-click interval and wheel lines in kdeglobals [KDE]. After each change the session is
// told with KGlobalSettings' notifyChange(SettingsChanged, SETTINGS_MOUSE), which Plasma's
// settings daemon and every KDE program listen for.
class KdePointerSettings : public PointerSettings
{
public:
    // Sends a D-Bus signal on the session bus; true when it was sent.
    using Signaller = std::function<bool(const QString &path, const QString &interface, const QString &member,
                                         const QVariantList &arguments)>;

    KdePointerSettings(QString configFolder, Signaller signaller);

    bool getMouse(int params[3]) override;
    bool setMouse(const int params[3]) override;
    bool setMouseSpeed(unsigned speed) override;
    bool setWheelScrollLines(unsigned lines) override;
    bool setDoubleClickTime(unsigned milliseconds) override;

    // The real session bus.
    static bool sendSessionSignal(const QString &path, const QString &interface, const QString &member,
                                  const QVariantList &arguments);

private:
    bool write(const QString &file, const QString &group, const QString &key, const QString &value);
    QString read(const QString &file, const QString &group, const QString &key) const;

    QString m_folder;
    Signaller m_signal;
};
