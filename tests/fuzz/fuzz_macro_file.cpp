// A macro file of any content, loaded as the macro editor loads it, encoded and sent to the
// virtual mouse as the editor sends it.
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_support.h"

#include "app/myqquickview.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::initApplication();
    Fuzz::linkedBridge();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    myQQuickView *bridge = Fuzz::linkedBridge();
    Fuzz::VirtualLink &v = Fuzz::VirtualLink::instance();
    Fuzz::InputFolder folder;
    folder.write(QStringLiteral("modules/macro/m.bin"), data, size);
    const QString name = QStringLiteral("m");
    QStringList steps = bridge->loadMacroIni(name);
    bridge->loadMacroType(name);
    const int index = bridge->loadMacroIndex(name).toInt();
    const QString repeat = steps.isEmpty() ? QString() : steps.takeLast();
    const QVariantList encoded = bridge->encodeMacro(steps, repeat);
    // The editor sends into the slot of a button, whatever index the file claims.
    bridge->sendMacroData(encoded, index & 7);
    v.requireIdle("sending a macro");
    Fuzz::VirtualLink::require(v.mouse.macro((index & 7) + 1).size() <= 128, "a macro payload fits 128 bytes");
    bridge->isMacroUse(name);
    QCoreApplication::processEvents();
    return 0;
}
