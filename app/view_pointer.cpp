// The operating system's pointer settings. The page values are stored per profile so that a
// profile change re-applies them; a refused system call leaves the stored value in place.
#include "app/myqquickview.h"

#include "performance/pointer_settings.h"
#include "profiles/settings_store.h"
#include "performance/log_category.h"

#include <QSettings>

namespace {

const QString kCursorSpeedKey = QStringLiteral("sensor/cursorSpeed_J2");
const QString kScrollLinesKey = QStringLiteral("sensor/verticalScrollLines_J2");
const QString kDoubleClickKey = QStringLiteral("sensor/doubleClickSpeed_J2");

} // namespace

PointerSettings &myQQuickView::pointerSettings()
{
    return pointerLayer ? *pointerLayer : systemPointerSettings();
}

QString myQQuickView::getPointerSettingUnavailable(const QString &setting)
{
    PointerSetting which = PointerSetting::Acceleration;
    if (setting == QLatin1String("cursorSpeed"))
        which = PointerSetting::Speed;
    else if (setting == QLatin1String("doubleClickSpeed"))
        which = PointerSetting::DoubleClick;
    else if (setting == QLatin1String("verticalScrollLines"))
        which = PointerSetting::WheelLines;
    const char *reason = pointerSettings().unavailableReason(which);
    return reason ? QString::fromUtf8(reason) : QString();
}

bool myQQuickView::getAcceleration()
{
    int params[3] = {0, 0, 0};
    if (!pointerSettings().getMouse(params)) {
        qCDebug(lcPerformance) << "getAcceleration Failed";
        return false;
    }
    return params[2] != 0;
}

void myQQuickView::setAcceleration(bool acceleration)
{
    int params[3] = {0, 0, 0};
    if (!pointerSettings().getMouse(params)) {
        qCDebug(lcPerformance) << "setAcceleration Failed";
        return;
    }
    params[2] = acceleration ? 1 : 0;
    if (!pointerSettings().setMouse(params))
        qCDebug(lcPerformance) << "setAcceleration Failed";
}

uint myQQuickView::getCursorSpeed()
{
    QSettings *settings = currentSettings();
    return settings ? settings->value(kCursorSpeedKey, 0).toUInt() : 0;
}

void myQQuickView::setCursorSpeed(uint cursorSpeed)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, kCursorSpeedKey, cursorSpeed);
    if (!pointerSettings().setMouseSpeed(systemCursorSpeed(cursorSpeed)))
        qCDebug(lcPerformance) << "setCursorSpeed Failed";
}

uint myQQuickView::getVerticalScrollLines()
{
    QSettings *settings = currentSettings();
    return settings ? settings->value(kScrollLinesKey, 0).toUInt() : 0;
}

void myQQuickView::setVerticalScrollLines(uint lines)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, kScrollLinesKey, lines);
    if (!pointerSettings().setWheelScrollLines(lines))
        qCDebug(lcPerformance) << "setVerticalScrollLines Failed";
}

uint myQQuickView::getDoubleClickSpeed()
{
    QSettings *settings = currentSettings();
    return settings ? settings->value(kDoubleClickKey, 0).toUInt() : 0;
}

void myQQuickView::setDoubleClickSpeed(uint speed)
{
    if (QSettings *settings = currentSettings())
        storeSetting(settings, kDoubleClickKey, speed);
    if (!pointerSettings().setDoubleClickTime(doubleClickMilliseconds(speed)))
        qCDebug(lcPerformance) << "setDoubleClickSpeed Failed";
}
