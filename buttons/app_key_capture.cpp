#include "buttons/app_key_capture.h"

#include "buttons/capture_sink.h"
#include "buttons/key_translator.h"
#include "buttons/qt_key_evdev.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

AppKeyCapture::AppKeyCapture(CaptureSink *sink) : m_sink(sink)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

AppKeyCapture::~AppKeyCapture()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool AppKeyCapture::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // A key event travels through several receivers (window, focus widget, its parents);
        // the key state table reports each change once.
        const auto *key = static_cast<const QKeyEvent *>(event);
        const quint32 native = key->nativeScanCode();
        // Linux platforms hand over the XKB key code, which is the input code + 8.
        const unsigned evdev = native > 8 ? native - 8
                                          : evdevForQtKey(key->key(), key->modifiers() & Qt::KeypadModifier);
        m_sink->evdevKeyEvent(evdev, event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        // Buttons have no state table: take each click once, where the system delivers it.
        if (!watched->isWindowType() || !event->spontaneous())
            break;
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        const bool down = event->type() == QEvent::MouseButtonPress;
        unsigned message = 0;
        switch (mouse->button()) {
        case Qt::LeftButton: message = down ? HookMessage::LeftDown : HookMessage::LeftUp; break;
        case Qt::RightButton: message = down ? HookMessage::RightDown : HookMessage::RightUp; break;
        case Qt::MiddleButton: message = down ? HookMessage::MiddleDown : HookMessage::MiddleUp; break;
        default: break;
        }
        if (message) {
            const QPoint p = mouse->globalPosition().toPoint();
            m_sink->mouseEvent(message, unsigned(p.x()), unsigned(p.y()));
        }
        break;
    }
    default:
        break;
    }
    return false;
}
