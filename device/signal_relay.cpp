#include "device/signal_relay.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void relaySignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // Nothing to do if the pipe is full: the reader is behind, and the next byte will wake it.
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

SignalRelay::SignalRelay(std::function<void()> onUsr1, std::function<void()> onUsr2, QObject *parent)
    : QObject(parent), m_usr1(std::move(onUsr1)), m_usr2(std::move(onUsr2))
{
    if (pipeEnds[0] >= 0 || ::pipe(pipeEnds) != 0)
        return;
    for (int fd : pipeEnds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    struct sigaction action = {};
    action.sa_handler = relaySignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGUSR1, &action, nullptr);
    ::sigaction(SIGUSR2, &action, nullptr);
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalRelay::drain);
}

SignalRelay::~SignalRelay()
{
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGUSR1, &action, nullptr);
    ::sigaction(SIGUSR2, &action, nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void SignalRelay::drain()
{
    unsigned char bytes[64];
    ssize_t n;
    while ((n = ::read(pipeEnds[0], bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < n; ++i) {
            if (bytes[i] == SIGUSR1 && m_usr1)
                m_usr1();
            else if (bytes[i] == SIGUSR2 && m_usr2)
                m_usr2();
        }
    }
}

#else

SignalRelay::SignalRelay(std::function<void()> onUsr1, std::function<void()> onUsr2, QObject *parent)
    : QObject(parent), m_usr1(std::move(onUsr1)), m_usr2(std::move(onUsr2))
{
}

SignalRelay::~SignalRelay() = default;

void SignalRelay::drain() {}

#endif
