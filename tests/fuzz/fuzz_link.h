#pragma once

#include "device/virtual_mouse.h"

class Hid_Thread;
class myQQuickView;

namespace Fuzz {

// A device link connected to a virtual mouse, built once per process: what the readers' values
// are sent to, and what answers the device targets. The link's fixed delays are skipped.
struct VirtualLink
{
    static VirtualLink &instance();

    VirtualMouse mouse;
    Hid_Thread *link = nullptr;

    // Ends with a message and abort() when `ok` is false: a broken rule is a finding, as a crash is.
    static void require(bool ok, const char *what);
    // After any exchange the link is free again and no command handle is left open.
    void requireIdle(const char *after);

private:
    VirtualLink();
};

// The bridge of fuzz_support.h, its commands sent through the virtual link.
myQQuickView *linkedBridge();

} // namespace Fuzz
