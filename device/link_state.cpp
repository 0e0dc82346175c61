#include "device/link_state.h"

#include <QMutex>
#include <QMutexLocker>

namespace LinkState {

std::atomic<bool> deviceConnected{false};
bool isEncode = false;
unsigned char SecrecyCode[8] = {};

namespace {
QMutex textLock;
QString switchTexts[8] = {
    QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"),
    QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to"),
    QStringLiteral("DPI Switch to"), QStringLiteral("DPI Switch to")};
std::atomic<unsigned> dpiTable[8] = {};
} // namespace

QString dpiSwitchText(int stage)
{
    if (stage < 0 || stage >= 8)
        return QString();
    QMutexLocker lock(&textLock);
    return switchTexts[stage];
}

void setDpiSwitchText(int stage, const QString &text)
{
    if (stage < 0 || stage >= 8)
        return;
    QMutexLocker lock(&textLock);
    switchTexts[stage] = text;
}

unsigned currentDpi(int stage)
{
    return stage >= 0 && stage < 8 ? dpiTable[stage].load() : 0;
}

void setCurrentDpi(int stage, unsigned dpi)
{
    if (stage >= 0 && stage < 8)
        dpiTable[stage].store(dpi);
}

} // namespace LinkState
