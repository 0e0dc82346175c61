#include "tests/fuzz/fuzz_link.h"

#include "device/device_table.h"
#include "device/hid_backend.h"
#include "device/hid_thread.h"
#include "device/link_pause.h"
#include "profiles/config_link_host.h"
#include "tests/fuzz/fuzz_support.h"

#include "app/myqquickview.h"

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

VirtualLink &VirtualLink::instance()
{
    static VirtualLink *link = new VirtualLink; // lives to the end of the process, as the program's link
    return *link;
}

VirtualLink::VirtualLink() : mouse(3389)
{
    setLinkPauseFunction([](int) {});
    setCurrentHidBackend(&mouse);
    static ConfigLinkHost configuration;
    link = new Hid_Thread;
    link->setHost(&configuration);
    // The link sends on its own thread; the checks look after it has sent.
    mouse.setInspectHook([this] { link->waitForIdle(); });
    // Enumerated, without the connection check: that would start the listener.
    link->findDevices(loadBuiltInDeviceTable({}));
}

myQQuickView *linkedBridge()
{
    myQQuickView *b = bridge();
    b->hidThread = VirtualLink::instance().link;
    return b;
}

void VirtualLink::require(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz: broken rule: %s\n", what);
    std::abort();
}

void VirtualLink::requireIdle(const char *after)
{
    if (!link->waitForIdle(10000) || mouse.openCommandHandles() != 0) {
        std::fprintf(stderr, "fuzz: link busy or command handle left open after %s\n", after);
        std::abort();
    }
}

} // namespace Fuzz
