#include "app/myqquickview.h"

#include "device/hid_thread.h"
#include "device/mouse_model.h"
#include "profiles/language_choice.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_file.h"
#include "profiles/settings_mending.h"
#include "profiles/stored_value_rules.h"

#include <QFocusEvent>
#include <QLocale>
#include <QMetaObject>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QThread>
#include <QTimer>
#ifdef __GLIBC__
#include <malloc.h>
#endif

myQQuickView::myQQuickView(QWidget *parent) : QQuickWidget(parent)
{
    SettingsMending::mend(QLatin1String(ProfileKeys::ConfigFile), StoredValues::configRule);
    apConfig = SettingsFile::open(QLatin1String(ProfileKeys::ConfigFile), this);
    // The first start speaks the desktop's language; from then on the stored choice holds, and
    // the window title and the tray messages read the same value.
    if (!apConfig->contains(QLatin1String(ProfileKeys::Language))) {
        apConfig->setValue(QLatin1String(ProfileKeys::Language), LanguageChoice::forDesktop(QLocale().uiLanguages()));
        SettingsFile::syncAndCheck(apConfig);
    }
    for (int i = 0; i < ProfileKeys::ProfileCount; ++i)
        profileSettings.append(openProfileFile(i));
    for (int i = 0; i < ProfileKeys::CachedBlockCount; ++i)
        mouseReadProfile(profileData[i], i);
}

myQQuickView::~myQQuickView() = default;

QSettings *myQQuickView::currentSettings() const
{
    return profileFile(curProfile);
}

QSettings *myQQuickView::profileFile(int index) const
{
    return index >= 0 && index < profileSettings.size() ? profileSettings[index] : nullptr;
}

void myQQuickView::focusInEvent(QFocusEvent *event)
{
    QQuickWidget::focusInEvent(event);
    update();
    event->accept();
}

bool myQQuickView::focusNextPrevChild(bool next)
{
    // Disabling the view for a busy period asks it to pass its focus on; the base class would
    // take that for a Tab and move the pages' keyboard focus. The view keeps its focus instead
    // (disabled, it receives no keys) and the pages' focus stays where the person left it.
    if (!isEnabled())
        return true;
    return QQuickWidget::focusNextPrevChild(next);
}

void myQQuickView::invokeRoot(const char *function, Qt::ConnectionType type, const QVariantList &args)
{
    QQuickItem *root = rootObject();
    if (!root)
        return;
    // The page functions take untyped arguments, which arrive as QVariant.
    QGenericArgument a[4];
    for (int i = 0; i < args.size() && i < 4; ++i)
        a[i] = Q_ARG(QVariant, args[i]);
    QMetaObject::invokeMethod(root, function, type, a[0], a[1], a[2], a[3]);
}

void myQQuickView::initUI(int curDid)
{
    this->curDid = curDid;
    invokeRoot("initUI", Qt::QueuedConnection, {curDid});
}

void myQQuickView::runUI()
{
    invokeRoot("run", Qt::QueuedConnection);
}

void myQQuickView::refreashDPI()
{
    invokeRoot("refreashDPI", Qt::QueuedConnection);
}

void myQQuickView::relayKeyboard(bool isDown, int usbCode)
{
    invokeRoot("detectKeyboard", Qt::QueuedConnection, {isDown, usbCode});
}

void myQQuickView::relayMouse(bool isDown, uint vornCode, uint x, uint y)
{
    invokeRoot("detectMouse", Qt::QueuedConnection, {isDown, vornCode, x, y});
}

void myQQuickView::setProtectUI(int busyTime)
{
    invokeRoot("setProtectUI", Qt::DirectConnection, {busyTime});
}

void myQQuickView::showLinkBusy(bool busy)
{
    invokeRoot("setLinkBusy", Qt::DirectConnection, {busy});
}

void myQQuickView::setPicturesShown(bool shown)
{
    QQuickItem *root = rootObject();
    if (!root || root->property("picturesShown").toBool() == shown)
        return;
    root->setProperty("picturesShown", shown);
    if (shown)
        return;
    // A hidden view renders no more frames by itself: one frame nobody sees lets the scene
    // drop the pictures' textures, and the image cache then lets the pictures themselves go.
    grabFramebuffer();
    quickWindow()->releaseResources();
#ifdef __GLIBC__
    // The freed pictures stay in the allocator's free lists otherwise.
    QTimer::singleShot(1000, this, [this] {
        if (!isVisible())
            malloc_trim(0);
    });
#endif
}

void myQQuickView::dropUnusedPictures()
{
    quickWindow()->releaseResources();
}

void myQQuickView::holdDeviceCommands()
{
    if (hidThread)
        hidThread->holdCommands();
}

void myQQuickView::releaseDeviceCommands()
{
    if (hidThread)
        hidThread->releaseCommands();
}

void myQQuickView::clearHidBusy()
{
    // The link queues its commands instead of locking them out: there is nothing to force open.
}

QVariantMap myQQuickView::getModel(int kind)
{
    const MouseModel &model = modelForDeviceKind(kind);
    return {{QStringLiteral("sensorName"), QString::fromLatin1(model.sensorName)},
            {QStringLiteral("dpiMinimum"), model.dpiRange.minimum},
            {QStringLiteral("dpiMaximum"), model.dpiRange.maximum},
            {QStringLiteral("dpiStep"), model.dpiRange.step}};
}

void myQQuickView::openUpdateExe()
{
    if (hidThread)
        hidThread->stopWorker();
    QThread::msleep(500);
    QString program = QLatin1String(modelForDeviceKind(curDid).updateProgram);
#ifdef Q_OS_WIN
    program += QStringLiteral(".exe");
#endif
    // Detached: the updater rewrites the mouse's firmware and must not be killed when this
    // program quits while it runs, which is what a child process owned by the view would suffer.
    QProcess::startDetached(program, {});
}
