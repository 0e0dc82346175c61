#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class myQQuickView;

// Sets the main window up around the view, publishes the objects the pages use, and offers the
// pages the window operations they need.
class Ui_Controler : public QObject
{
    Q_OBJECT

public:
    explicit Ui_Controler(QObject *parent = nullptr);

    // `link` is the device link the pages call as "hid", when there is one.
    void setupUi(QWidget *window, QObject *link = nullptr);
    myQQuickView *view() const { return m_view; }

    // True when `window`'s tray icon is shown in a tray that exists: closing the window may
    // then hide it there.
    static bool trayHolds(const QWidget *window);

    // The window title for the language of the application configuration.
    static QString windowTitleFor(const QString &configPath);

public slots:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    // Hands a drag of the window to the window manager or compositor (the only way to move a
    // window on Wayland); false when it cannot take it, and the page then moves the window itself.
    bool startSystemMove();
    void setBusy(int busyTime);
    void setBusy();

private:
    QPointer<QWidget> m_window;
    QPointer<myQQuickView> m_view;
};
