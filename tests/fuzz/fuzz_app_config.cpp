// An application configuration of any content: the bridge's language and current profile, the
// stored screen picture, the window title, the product names of the device table and the
// secrecy code that the connection check loads.
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_support.h"

#include "device/device_table.h"
#include "profiles/product_names.h"
#include "app/ui_controler.h"
#include "device/hid_thread.h"
#include "device/link_state.h"
#include "app/myqquickview.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::initApplication();
    // Notification reads of the listener that the connection check starts return at once.
    Fuzz::VirtualLink::instance().mouse.setReplyHook([](VirtualMouse::Call, QByteArray &) { return true; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::VirtualLink &v = Fuzz::VirtualLink::instance();
    Fuzz::InputFolder folder;
    folder.write(QStringLiteral("modules/setting/apConfig.bin"), data, size);
    {
        myQQuickView view;
        view.hidThread = v.link;
        view.getLang();
        view.ui_02H_SetCurrentProfile(view.getProfile().toInt());
        view.getGlobalData(QStringLiteral("common/pictureData"));
        view.ui_LED_PictureDataProc(view.getPictureValue(false), 1);
        v.requireIdle("the stored picture");
        Ui_Controler::windowTitleFor(QStringLiteral("./modules/setting/apConfig.bin"));
        const DeviceTable table = loadBuiltInDeviceTable(productNamesFromConfig());
        Fuzz::VirtualLink::require(table.size() == 2, "the built-in table has two entries");
        // The connection check loads the secrecy code; the listener it starts is stopped at once.
        v.link->findDevices(table);
        v.link->swichCurDevice(uint(v.link->curDevice()));
        v.link->stopWorker();
        v.link->waitForWorker();
        LinkState::isEncode = false;
        view.syncSettings();
    }
    QCoreApplication::processEvents();
    return 0;
}
