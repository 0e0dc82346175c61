#pragma once

#include "buttons/capture_sink.h"
#include "buttons/key_translator.h"

#include <memory>

class QObject;

// System-wide capture of key and mouse button events for the macro recorder and the single-key
// dialog. Construction builds the key tables and starts listening: low-level hooks on Windows;
// XInput2 raw events on X11; elsewhere (Wayland, offscreen) the application's own key and
// button events. Every event is passed on untouched; key changes reach the keyboard receiver as
// HID usages, left, right and middle button changes reach the mouse receiver.
//
// Keys are handed to the receivers and nowhere else: nothing here logs or keeps them.
class InputCapture final : public CaptureSink
{
public:
    using KeyboardReceiver = void (*)(void *context, int usage, bool pressed);
    using MouseReceiver = void (*)(void *context, unsigned code, bool pressed, unsigned x, unsigned y);

    // `listen` false builds the tables only; tests feed events through the entry points below.
    explicit InputCapture(bool listen = true);
    ~InputCapture();

    InputCapture(const InputCapture &) = delete;
    InputCapture &operator=(const InputCapture &) = delete;

    // Starts listening, dropping an earlier installation first. False when the platform
    // offers nothing to listen with; then nothing listens.
    bool installHooks();
    void removeHooks();
    bool isListening() const;

    // How far listening reaches: the macro recorder tells the user when keys typed in other
    // programs cannot be heard.
    enum class Reach { Nothing, OwnWindows, Session };
    Reach reach() const { return m_reach; }

    void setKeyboardReceiver(KeyboardReceiver receiver, void *context);
    void setMouseReceiver(MouseReceiver receiver, void *context);

    // Entry points of the platform back ends, in the terms of the Windows low-level hooks.
    void keyboardEvent(int hookCode, unsigned message, unsigned scanCode, unsigned flags);
    void mouseEvent(unsigned message, unsigned x, unsigned y) override;
    // A key by its Linux input code; codes without a scan code are dropped.
    void evdevKeyEvent(unsigned evdevCode, bool pressed) override;

private:
    KeyTranslator m_keys;
    KeyboardReceiver m_keyboard = nullptr;
    void *m_keyboardContext = nullptr;
    MouseReceiver m_mouse = nullptr;
    void *m_mouseContext = nullptr;
    bool m_hooksInstalled = false;
    Reach m_reach = Reach::Nothing;
    std::unique_ptr<QObject> m_listener;   // the Linux back end in use, if any
};
