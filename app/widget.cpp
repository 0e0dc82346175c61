#include "app/widget.h"

#include "app/command_line.h"
#include "app/ui_controler.h"
#include "app/user_event.h"
#include "device/device_table.h"
#include "device/link_state.h"
#include "profiles/balloon_texts.h"
#include "profiles/config_link_host.h"
#include "app/myqquickview.h"
#include "profiles/product_names.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_file.h"
#include "app/log_category.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QShowEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QSettings>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const char *const TrayMenuStyle =
    "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
    "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
    "QMenu::item:enabled { color: rgb(225, 225, 225); } "
    "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
    "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
    "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
    "QMenu::indicator { width: 13px; height: 13px; } "
    "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";

} // namespace

Widget::Widget(QWidget *parent) : QWidget(parent)
{
    hidThread.setHost(this);

    uiControler = new Ui_Controler;
    uiControler->setupUi(this, &hidThread);

    uiControler->view()->hidThread = &hidThread;

    checkTimer.setInterval(2048);
    checkTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the mouse needs its full 2048 ms to settle.
    checkTimer.setTimerType(Qt::PreciseTimer);
    connect(&checkTimer, &QTimer::timeout, this, &Widget::checkDevice);

    // Applying a profile from the command line shows nothing, not even the tray icon.
    if (startupOptions().applyProfile < 0)
        createTrayIcon();
}

Widget::~Widget()
{
    hidThread.stopWorker();
    uiControler->deleteLater();
    // The link must outlive its worker, which leaves its loop within one read time-out.
    hidThread.waitForWorker();
    // What the user asked for last still reaches the mouse; the window hears no more of it.
    hidThread.waitForIdle(10000);
    hidThread.setHost(nullptr);
}

myQQuickView *Widget::view() const
{
    return uiControler ? uiControler->view() : nullptr;
}

void Widget::createTrayIcon()
{
    tray = new QSystemTrayIcon(this);
    auto *quit = new QAction(tr("Quit (&Q)"), this);
    connect(quit, &QAction::triggered, this, &Widget::exitSYS);
    auto *menu = new QMenu(this);
    menu->addAction(quit);
    menu->setStyleSheet(QString::fromLatin1(TrayMenuStyle));
    tray->setContextMenu(menu);
    tray->setToolTip(QStringLiteral("MORVANT SKALD MOUSE Q410"));
    tray->setIcon(QIcon(QStringLiteral("./modules/img/trayIcon.ico")));
    connect(tray, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    // On X11 the icon waits for a tray that starts later; elsewhere (Wayland, offscreen) an
    // icon without a tray has nothing to wait with.
    if (QSystemTrayIcon::isSystemTrayAvailable() || QGuiApplication::platformName() == QLatin1String("xcb"))
        tray->setVisible(true);
}

void Widget::notifyInit(int index)
{
    if (myQQuickView *v = view())
        v->initUI(index);
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::RunUiCode));
}

void Widget::showBalloon(const QString &title, const QString &text)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, title, text] { showBalloon(title, text); }, Qt::QueuedConnection);
        return;
    }
    qCDebug(lcApp).noquote() << QStringLiteral("balloon: %1: %2").arg(title, text);
    if (tray)
        tray->showMessage(title, text, QSystemTrayIcon::Information, 10000);
}

void Widget::setViewEnabled(bool enabled)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, enabled] { setViewEnabled(enabled); }, Qt::QueuedConnection);
        return;
    }
    if (myQQuickView *v = view())
        v->setEnabled(enabled);
}

QString Widget::configValue(const QString &key, const QString &fallback) const
{
    if (myQQuickView *v = view(); v && v->appConfig())
        return v->appConfig()->value(key, fallback).toString();
    const std::unique_ptr<QSettings> config = SettingsFile::openScoped(QLatin1String(ProfileKeys::ConfigFile));
    return config->value(key, fallback).toString();
}

QString Widget::secrecyCode(int device, const QString &fallback) const
{
    return configValue(ConfigLinkHost::secrecyCodeKey(device), fallback);
}

void Widget::linkConnected(int device)
{
    notifyInit(device);
    setViewEnabled(true);
    showBalloon(QStringLiteral("Info"), BalloonTexts::detectMouse(configValue(QStringLiteral("common/language"), QString())));
}

void Widget::linkMissing()
{
    notifyInit(0);
}

void Widget::linkLost()
{
    setViewEnabled(false);
}

void Widget::mouseReported()
{
    // Queued with the window as context: dropped if the window is gone by then.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (myQQuickView *v = view())
                v->refreashDPI();
        },
        Qt::QueuedConnection);
}

void Widget::dpiStageSwitched(int stage)
{
    // The balloon's text is built on the window's thread, where the language strings live.
    QMetaObject::invokeMethod(
        this,
        [this, stage] {
            showBalloon(QStringLiteral("Info"), BalloonTexts::dpiSwitch(stage, LinkState::currentDpi(stage)));
        },
        Qt::QueuedConnection);
}

void Widget::linkBusy(bool busy)
{
    QMetaObject::invokeMethod(
        this,
        [this, busy] {
            if (myQQuickView *v = view())
                v->showLinkBusy(busy);
        },
        Qt::QueuedConnection);
}

void Widget::commandsFailed(int count, const QString &first)
{
    QMetaObject::invokeMethod(
        this,
        [this, count, first] {
            qCDebug(lcApp).noquote() << QStringLiteral("%1 command(s) failed, first %2").arg(count).arg(first);
            showBalloon(QStringLiteral("Info"),
                        BalloonTexts::commandsFailed(configValue(QStringLiteral("common/language"), QString()), count));
        },
        Qt::QueuedConnection);
}

void Widget::onKeyEvent(int usage, bool pressed)
{
    if (modifiers.feed(usage, pressed, isHidden()))
        restoreWindow();
}

void Widget::onDeviceChange()
{
    if (!hidThread.isListening())
        checkTimer.start();
}

void Widget::restoreWindow()
{
    showNormal();
    raise();
    activateWindow();
}

void Widget::bringToFront(const QString &activationToken)
{
    // Qt's Wayland shell hands the compositor the token found here at the next activation.
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toLatin1());
    restoreWindow();
}

void Widget::closeEvent(QCloseEvent *event)
{
    // The window manager's close (Alt+F4, a task bar's or dock's close or quit). With a tray
    // the window goes there, as with its own close button; without one nothing would be left
    // to bring it back from, so the program quits.
    if (Ui_Controler::trayHolds(this)) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    exitSYS();
}

void Widget::showEvent(QShowEvent *event)
{
    // Before the window is mapped: its first frame has every picture.
    if (myQQuickView *v = view())
        v->setPicturesShown(true);
    QWidget::showEvent(event);
}

void Widget::hideEvent(QHideEvent *event)
{
    // A spontaneous hide is the window being minimised: it keeps its pictures, so that it
    // comes back as it went. Hidden in the tray, it lets them go.
    if (myQQuickView *v = view(); v && !event->spontaneous())
        v->setPicturesShown(false);
    QWidget::hideEvent(event);
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick || !LinkState::deviceConnected)
        return;
#ifdef Q_OS_WIN
    PostMessageW(reinterpret_cast<HWND>(winId()), WM_SYSCOMMAND, SC_RESTORE, 0);
#else
    // Off Windows there is no system restore command to post: restore the window directly.
    restoreWindow();
#endif
}

void Widget::checkDevice()
{
    const DeviceTable table = loadBuiltInDeviceTable(productNamesFromConfig());
    hidThread.findDevices(table);
    LinkState::isEncode = builtInDeviceTableIsEncode();
    hidThread.swichCurDevice(uint(hidThread.curDevice()));
}

void Widget::exitSYS()
{
    hidThread.stopWorker();
    QCoreApplication::exit(0);
}

bool Widget::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG") {
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == SC_RESTORE)
            setVisible(true);
        else if (msg->message == WM_DEVICECHANGE)
            onDeviceChange();
    }
#endif
    // Never consumed, so that the system's own handling still happens.
    return QWidget::nativeEvent(eventType, message, result);
}

void Widget::customEvent(QEvent *event)
{
    if (event->type() == QEvent::Type(UserEvent::EventType)
        && static_cast<UserEvent *>(event)->code() == UserEvent::RunUiCode) {
        if (myQQuickView *v = view())
            v->runUI();
    }
}
