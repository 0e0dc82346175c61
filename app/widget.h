#pragma once

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "app/modifier_tracker.h"
#include "device/hid_thread.h"
#include "device/link_host.h"

class Ui_Controler;
class myQQuickView;

// The frameless main window: its whole surface is the view. It owns the device link, the
// device-check timer and the tray icon, and is the link's host.
class Widget : public QWidget, public LinkHost
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    Hid_Thread &hid() { return hidThread; }
    Ui_Controler *controller() const { return uiControler; }
    myQQuickView *view() const;
    QSystemTrayIcon *trayIcon() const { return tray; }
    QTimer &deviceCheckTimer() { return checkTimer; }

    // Tells the pages which device is in use, then lets them run.
    void notifyInit(int index);

    // A tray balloon titled `title`; also written to the debug output so that logs show what
    // the user saw. Safe to call from any thread.
    void showBalloon(const QString &title, const QString &text);

    // Enables or disables the view; safe to call from any thread.
    void setViewEnabled(bool enabled);

    // One key event from the input capture, as a HID usage code.
    void onKeyEvent(int usage, bool pressed);

    // The system reported that a device came or went.
    void onDeviceChange();

    // Shows the window in its normal state and brings it to the front.
    void restoreWindow();
    // The same for a later start of the program, with the activation token its launcher gave
    // it (a Wayland compositor raises only a window that presents one).
    void bringToFront(const QString &activationToken);

    // The link's host: the view's settings, the pages and the tray hear of the mouse.
    QString secrecyCode(int device, const QString &fallback) const override;
    void linkConnected(int device) override;
    void linkMissing() override;
    void linkLost() override;
    void mouseReported() override;
    void dpiStageSwitched(int stage) override;
    void linkBusy(bool busy) override;
    void commandsFailed(int count, const QString &first) override;

public slots:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkDevice();
    void exitSYS();

protected:
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
    void closeEvent(QCloseEvent *event) override;
    void customEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createTrayIcon();
    // A value of the application configuration: the view's settings object sees values it has
    // not yet written back.
    QString configValue(const QString &key, const QString &fallback) const;

    QTimer checkTimer;
    Ui_Controler *uiControler = nullptr;
    Hid_Thread hidThread;
    QSystemTrayIcon *tray = nullptr;
    ModifierTracker modifiers;
};
