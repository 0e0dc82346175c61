// A device table of any content: parsed, enumerated against the virtual mouse, and used for a
// payload read and write with whatever report length and scrambling switch it gives.
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_support.h"

#include "device/device_table.h"
#include "device/hid_thread.h"
#include "device/link_state.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
DeviceTable builtIn;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::initApplication();
    Fuzz::VirtualLink::instance();
    builtIn = loadBuiltInDeviceTable({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::VirtualLink &v = Fuzz::VirtualLink::instance();
    Fuzz::InputFolder folder;
    folder.write(QStringLiteral("DevInfo.ini"), data, size);
    const QSettings file(QStringLiteral("DevInfo.ini"), QSettings::IniFormat);
    const DeviceTable table = parseDeviceTable(file, {QStringLiteral("first"), QStringLiteral("second")});
    const bool encode = deviceTableIsEncode(file);

    Hid_Thread &link = *v.link;
    link.findDevices(table);
    LinkState::isEncode = encode;
    v.mouse.setScrambling(encode);
    link.hid_83H_GetReportRate();
    uchar block[128] = {};
    link.hid_86H_ReadProfileData(block, 0);
    link.hid_06H_SetProfileData(block, 0);
    v.requireIdle("commands over a fuzzed table");

    LinkState::isEncode = false;
    v.mouse.setScrambling(false);
    link.findDevices(builtIn);
    QCoreApplication::processEvents();
    return 0;
}
