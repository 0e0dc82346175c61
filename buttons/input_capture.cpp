#include "buttons/input_capture.h"

#include "buttons/evdev_scan.h"

#include <QObject>

#ifdef Q_OS_WIN
#include "buttons/input_hooks_win.h"
#else
#include "buttons/app_key_capture.h"
#include "buttons/xinput_capture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#endif

namespace {

#ifdef Q_OS_WIN
void hookKeyboard(void *context, int hookCode, unsigned message, unsigned scanCode, unsigned flags)
{
    static_cast<InputCapture *>(context)->keyboardEvent(hookCode, message, scanCode, flags);
}

void hookMouse(void *context, unsigned message, unsigned x, unsigned y)
{
    static_cast<InputCapture *>(context)->mouseEvent(message, x, y);
}
#endif

} // namespace

InputCapture::InputCapture(bool listen)
{
    if (listen)
        installHooks();
}

InputCapture::~InputCapture()
{
    removeHooks();
}

bool InputCapture::installHooks()
{
    removeHooks();
#ifdef Q_OS_WIN
    m_hooksInstalled = installLowLevelHooks({&hookKeyboard, &hookMouse, this});
    m_reach = m_hooksInstalled ? Reach::Session : Reach::Nothing;
#else
    auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!gui)
        return false;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        m_listener = XInputCapture::open(this);
    m_reach = Reach::Session;
    // Without X11 (or without its input extension) only the program's own windows can be heard.
    if (!m_listener) {
        m_listener = std::make_unique<AppKeyCapture>(this);
        m_reach = Reach::OwnWindows;
    }
    m_hooksInstalled = true;
#endif
    return m_hooksInstalled;
}

void InputCapture::removeHooks()
{
#ifdef Q_OS_WIN
    if (m_hooksInstalled)
        removeLowLevelHooks();
#endif
    m_listener.reset();
    m_hooksInstalled = false;
    m_reach = Reach::Nothing;
}

bool InputCapture::isListening() const
{
    return m_hooksInstalled;
}

void InputCapture::setKeyboardReceiver(KeyboardReceiver receiver, void *context)
{
    m_keyboard = receiver;
    m_keyboardContext = context;
}

void InputCapture::setMouseReceiver(MouseReceiver receiver, void *context)
{
    m_mouse = receiver;
    m_mouseContext = context;
}

void InputCapture::keyboardEvent(int hookCode, unsigned message, unsigned scanCode, unsigned flags)
{
    KeyChange change;
    if (m_keys.translate(hookCode, message, scanCode, flags, &change) && m_keyboard)
        m_keyboard(m_keyboardContext, change.usage, change.pressed);
}

void InputCapture::mouseEvent(unsigned message, unsigned x, unsigned y)
{
    unsigned code = 0;
    bool pressed = false;
    if (mouseButtonForMessage(message, &code, &pressed) && m_mouse)
        m_mouse(m_mouseContext, code, pressed, x, y);
}

void InputCapture::evdevKeyEvent(unsigned evdevCode, bool pressed)
{
    ScanCode sc;
    if (!scanCodeForEvdev(evdevCode, &sc))
        return;
    keyboardEvent(0, pressed ? HookMessage::KeyDown : HookMessage::KeyUp, sc.scan,
                  sc.extended ? HookMessage::ExtendedFlag : 0u);
}
