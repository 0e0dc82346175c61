// The session's pointer settings backend, chosen once at the first use.
#include "performance/pointer_backend_choice.h"
#include "performance/pointer_settings_gnome.h"
#include "performance/pointer_settings_kde.h"
#include "performance/pointer_settings_x11.h"

#include <QStandardPaths>

namespace {

// Refuses everything: a session whose pointer belongs to no backend of ours.
class NoPointerSettings : public PointerSettings
{
public:
    bool getMouse(int[3]) override { return false; }
    bool setMouse(const int[3]) override { return false; }
    bool setMouseSpeed(unsigned) override { return false; }
    bool setWheelScrollLines(unsigned) override { return false; }
    bool setDoubleClickTime(unsigned) override { return false; }
    const char *unavailableReason(PointerSetting) const override
    {
        return "No pointer settings service on this desktop.";
    }
};

} // namespace

PointerSettings &systemPointerSettings()
{
    static PointerSettings *settings = [] () -> PointerSettings * {
        switch (choosePointerBackend(currentPointerSession())) {
        case PointerBackend::Gnome:
            return new GnomePointerSettings(&GnomePointerSettings::runGsettings, true);
        case PointerBackend::Kde:
            return new KdePointerSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                          &KdePointerSettings::sendSessionSignal);
        case PointerBackend::X11:
            return new X11PointerSettings;
        case PointerBackend::None:
            break;
        }
        return new NoPointerSettings;
    }();
    return *settings;
}
