// An image file of any content, converted for the mouse's screen as a chosen picture is, and
// uploaded to the virtual mouse.
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_support.h"

#include "performance/picture_convert.h"
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
    // No extension: the format is taken from the content, as for a file the user picks.
    folder.write(QStringLiteral("picture"), data, size);
    const QVariantList picture = pictureFromFile(QStringLiteral("picture"));
    Fuzz::VirtualLink::require(picture.size() == 480, "a picture has 480 bytes");
    bridge->setGlobalData(QStringLiteral("common/pictureData"), picture);
    bridge->ui_LED_PictureDataProc(bridge->getPictureValue(false), 1);
    v.requireIdle("uploading a picture");
    QCoreApplication::processEvents();
    return 0;
}
