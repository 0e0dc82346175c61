#include "device/link_pause.h"

#include <QThread>

namespace {
std::function<void(int)> &pauseFunction()
{
    static std::function<void(int)> f;
    return f;
}
} // namespace

void linkPause(int milliseconds)
{
    if (const auto &f = pauseFunction())
        f(milliseconds);
    else
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void setLinkPauseFunction(std::function<void(int)> pause)
{
    pauseFunction() = std::move(pause);
}
