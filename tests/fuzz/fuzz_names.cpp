// A names list of any content, read for every type as the pages read it, and a list read back
// after being stored again.
#include "tests/fuzz/fuzz_support.h"

#include "app/myqquickview.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::initApplication();
    Fuzz::bridge();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    myQQuickView *bridge = Fuzz::bridge();
    Fuzz::InputFolder folder;
    folder.write(QStringLiteral("modules/setting/name.bin"), data, size);
    for (int type = 0; type <= 4; ++type)
        bridge->getNameList(type);
    // The pages write back what they read, filler dropped.
    QStringList names;
    for (const QVariant &n : bridge->getNameList(2))
        names.append(n.toString());
    if (names.size() == 2 && names[1] == QLatin1String("loadertobrel"))
        names.removeLast();
    bridge->updataNameList(2, names);
    bridge->getNameList(2);
    QCoreApplication::processEvents();
    return 0;
}
