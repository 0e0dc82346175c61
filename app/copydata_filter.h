#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

// Application-wide receiver of WM_COPYDATA messages: every such message is reported as handled,
// and a tagged text of the right length is shown in a warning box captioned with the main
// window's title. Only does anything on Windows.
class CopyDataFilter : public QAbstractNativeEventFilter
{
public:
    explicit CopyDataFilter(QWidget *mainWindow) : m_window(mainWindow) {}
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QPointer<QWidget> m_window;
};
