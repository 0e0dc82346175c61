#pragma once

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "app/modifier_tracker.h"
#include "device/hid_thread.h"

class Ui_Controler;
class myQQuickView;

// The frameless main window: its whole surface is the view. It owns the device link, the
// device-check timer and the tray icon.
class Widget : public QWidget
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

public slots:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkDevice();
    void exitSYS();

protected:
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
    void customEvent(QEvent *event) override;

private:
    void createTrayIcon();

    QTimer checkTimer;
    Ui_Controler *uiControler = nullptr;
    Hid_Thread hidThread;
    QSystemTrayIcon *tray = nullptr;
    ModifierTracker modifiers;
};
