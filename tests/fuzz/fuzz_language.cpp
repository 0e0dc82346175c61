// A language file of any content, read for every string list the pages load, the list that
// replaces the DPI notification texts included.
#include "tests/fuzz/fuzz_support.h"

#include "app/myqquickview.h"
#include "profiles/balloon_texts.h"

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
    folder.write(QStringLiteral("modules/i18n/lang_025044.ini"), data, size);
    for (int type = 0; type <= 8; ++type)
        bridge->getGlobalStrings(type, QStringLiteral("lang_025044"));
    for (int stage = 0; stage < 8; ++stage)
        BalloonTexts::dpiSwitchText(stage);
    QCoreApplication::processEvents();
    return 0;
}
