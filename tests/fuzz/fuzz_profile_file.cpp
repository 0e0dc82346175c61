// A profile file of any content, read by the bridge as at start and by every page's getter,
// and sent to the virtual mouse the way the pages send what they read; the same content as the
// factory defaults that a reset copies.
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_support.h"

#include "device/hid_thread.h"
#include "app/myqquickview.h"

#include <QCoreApplication>

namespace {

QVariantList concatenated(myQQuickView &view)
{
    QVariantList all;
    for (int button = 0; button < 16; ++button)
        all += view.getKeydefine(button);
    return all;
}

void readAndSend(myQQuickView &view)
{
    const QVariantList dpi = view.ui_91H_GetDPISet();
    QVariantList units;
    for (const QVariant &d : dpi)
        units.append(d.toUInt() / 50);
    view.ui_11H_SetDPISet(units, dpi);
    view.ui_11H_SetDPISelect(view.ui_91H_GetDPISelect());
    // Each of these stores and sends the whole data block, which costs a settings write: the
    // lighting values are read only, the block goes out with the DPI stages.
    view.ui_8DH_GetRGBLedEffect();
    view.ui_90H_GetLED8StageColor(1);
    view.ui_07H_SetKeyMatrix(concatenated(view));
    view.mouseSetReportRate(uchar(view.ui_81H_GetReportRate().toUInt()));
    view.mouseSetJMGD(uchar(view.getData(QStringLiteral("sensor/jmgd")).toUInt()));
    view.ui_0EH_SetXYSensitive(view.getXYSensitive(0), view.getXYSensitive(1));
    for (int button = 0; button < 9; ++button)
        view.getMacroKey(button);
    view.getselectGun(0);
    view.getCursorSpeed();
    view.getVerticalScrollLines();
    view.getDoubleClickSpeed();
    view.isMacroUse(QStringLiteral("m"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::initApplication();
    Fuzz::VirtualLink::instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::VirtualLink &v = Fuzz::VirtualLink::instance();
    Fuzz::InputFolder folder;
    folder.write(QStringLiteral("modules/setting/p1.bin"), data, size);
    folder.write(QStringLiteral("modules/setting/pD.bin"), data, size);
    folder.write(QStringLiteral("modules/setting/apConfig.bin"), Fuzz::shippedFile(QStringLiteral("modules/setting/apConfig.bin")));
    {
        myQQuickView view;
        view.hidThread = v.link;
        readAndSend(view);
        v.requireIdle("sending profile 1");
        view.resetProfile(1);
        view.ui_02H_SetCurrentProfile(1);
        uchar block[128];
        view.mouseReadProfile(block, 1);
        view.mouseSetProfile(1);
        view.ui_91H_GetDPISet();
        view.getKeydefine(0);
        v.requireIdle("sending the reset profile");
        view.syncSettings();
    }
    QCoreApplication::processEvents();
    return 0;
}
