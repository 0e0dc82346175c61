#include "tests/support/virtual_mouse_fixture.h"

#include "app/widget.h"
#include "device/device_table.h"
#include "device/hid_backend.h"
#include "device/hid_thread.h"
#include "device/link_pause.h"
#include "device/link_state.h"
#include "profiles/config_link_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>

namespace {

QMutex recordLock;
QList<int> recordedPauses;
QStringList capturedMessages;
QtMessageHandler previousHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        QMutexLocker l(&recordLock);
        capturedMessages.append(text);
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

VirtualMouseFixture::VirtualMouseFixture(int model, PauseMode pauses) : m_mouse(model)
{
    {
        QMutexLocker l(&recordLock);
        recordedPauses.clear();
        capturedMessages.clear();
    }
    previousHandler = qInstallMessageHandler(capture);
    setCurrentHidBackend(&m_mouse);
    if (pauses == RecordPauses) {
        setLinkPauseFunction([](int ms) {
            QMutexLocker l(&recordLock);
            recordedPauses.append(ms);
        });
    }
    LinkState::isEncode = false;
    LinkState::deviceConnected = false;
    // The link sends on its own thread: whatever a test does to the mouse or reads from it comes
    // after the commands asked for before.
    m_mouse.setInspectHook([this] { finishCommands(); });
}

void VirtualMouseFixture::finishCommands() const
{
    if (m_widget)
        m_widget->hid().waitForIdle();
    if (m_bare)
        m_bare->waitForIdle();
}

VirtualMouseFixture::~VirtualMouseFixture()
{
    // A test may have pointed the hook at a link of its own, gone by now; destroying the
    // links below sends what they still hold anyway.
    m_mouse.setInspectHook({});
    // Stop listening and wake the worker's read, so that teardown does not wait out 500 ms.
    if (m_widget)
        m_widget->hid().stopWorker();
    if (m_bare)
        m_bare->stopWorker();
    m_mouse.wakeReaders();
    m_widget.reset();
    m_bare.reset();
    m_mouse.setDeviceChangeCallback({});
    setCurrentHidBackend(nullptr);
    setLinkPauseFunction({});
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    LinkState::isEncode = false;
    LinkState::deviceConnected = false;
}

Widget *VirtualMouseFixture::widget(bool runDeviceCheck)
{
    if (!m_widget) {
        m_widget = std::make_unique<Widget>();
        Widget *w = m_widget.get();
        m_mouse.setDeviceChangeCallback([w] {
            QMetaObject::invokeMethod(w, [w] { w->onDeviceChange(); }, Qt::QueuedConnection);
        });
        if (runDeviceCheck)
            w->checkDevice();
    }
    return m_widget.get();
}

Hid_Thread &VirtualMouseFixture::bareLink()
{
    if (!m_bare) {
        static ConfigLinkHost configuration;
        m_bare = std::make_unique<Hid_Thread>();
        m_bare->setHost(&configuration);
        m_bare->findDevices(loadBuiltInDeviceTable({}));
        m_bare->swichCurDevice(uint(m_bare->curDevice()));
    }
    return *m_bare;
}

Hid_Thread &VirtualMouseFixture::link()
{
    return m_widget ? m_widget->hid() : bareLink();
}

QList<int> VirtualMouseFixture::pauses() const
{
    finishCommands();
    QMutexLocker l(&recordLock);
    return recordedPauses;
}

int VirtualMouseFixture::pausedMs() const
{
    int sum = 0;
    for (int p : pauses())
        sum += p;
    return sum;
}

void VirtualMouseFixture::clearPauses()
{
    finishCommands();
    QMutexLocker l(&recordLock);
    recordedPauses.clear();
}

QStringList VirtualMouseFixture::messages() const
{
    finishCommands();
    QMutexLocker l(&recordLock);
    return capturedMessages;
}

void VirtualMouseFixture::clearMessages()
{
    finishCommands();
    QMutexLocker l(&recordLock);
    capturedMessages.clear();
}

void VirtualMouseFixture::settle(int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    } while (t.elapsed() < ms);
}
