#include "profiles/balloon_texts.h"

namespace BalloonTexts {

namespace {
QString switchTexts[8] = {
    QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"),
    QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"),
    QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to")};
} // namespace

QString detectMouse(const QString &language)
{
    return language == QLatin1String("ChineseSimplified") ? QStringLiteral(u"检测到鼠标!")
                                                         : QStringLiteral("Detect Mouse!");
}

QString dpiSwitch(int stage, unsigned dpi)
{
    return dpiSwitchText(stage) + QLatin1Char(' ') + QString::number(dpi);
}

QString dpiSwitchText(int stage)
{
    return stage >= 0 && stage < 8 ? switchTexts[stage] : QString();
}

void setDpiSwitchText(int stage, const QString &text)
{
    if (stage >= 0 && stage < 8)
        switchTexts[stage] = text;
}

} // namespace BalloonTexts
