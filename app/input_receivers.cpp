#include "app/input_receivers.h"

#include "app/widget.h"
#include "buttons/input_capture.h"
#include "app/myqquickview.h"

namespace {

void keyboardReceiver(void *context, int usage, bool pressed)
{
    auto *window = static_cast<Widget *>(context);
    if (myQQuickView *view = window->view())
        view->relayKeyboard(pressed, usage);
    window->onKeyEvent(usage, pressed);
}

void mouseReceiver(void *context, unsigned code, bool pressed, unsigned x, unsigned y)
{
    auto *window = static_cast<Widget *>(context);
    if (myQQuickView *view = window->view())
        view->relayMouse(pressed, code, x, y);
}

} // namespace

void registerInputReceivers(InputCapture &capture, Widget *window)
{
    capture.setKeyboardReceiver(&keyboardReceiver, window);
    capture.setMouseReceiver(&mouseReceiver, window);
    if (myQQuickView *view = window->view())
        view->setCaptureReach(int(capture.reach()));
}
