#pragma once

#include <QEvent>

// The event the main window posts itself to run the pages once they were told which device
// is in use.
class UserEvent : public QEvent
{
public:
    static constexpr int EventType = 1000;
    static constexpr int RunUiCode = 2177;

    explicit UserEvent(int code) : QEvent(QEvent::Type(EventType)), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};
