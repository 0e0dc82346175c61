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

QString commandsFailed(const QString &language, int count)
{
    if (language == QLatin1String("ChineseSimplified"))
        return QStringLiteral(u"%1 项设置未能发送到鼠标, 请检查连接后重试").arg(count);
    return count == 1 ? QStringLiteral("A setting did not reach the mouse; check the cable and try again")
                      : QStringLiteral("%1 settings did not reach the mouse; check the cable and try again").arg(count);
}

QString profileSwitched(const QString &language, const QString &name)
{
    if (language == QLatin1String("ChineseSimplified"))
        return QStringLiteral(u"已切换到配置文件 %1").arg(name);
    return QStringLiteral("Profile switched to %1").arg(name);
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
