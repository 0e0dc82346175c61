// A wide font file of any content and length: texts whose characters lie at the start, in the
// middle, at the end and beyond the end of the font, rendered and uploaded to the virtual mouse.
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
    folder.write(QStringLiteral("HZK16"), data, size);
    // First glyph, common characters, the last glyph of the table, a character GB2312 lacks,
    // the code 255 that is drawn wide, and text that runs off the screen.
    static const QString texts[] = {
        QStringLiteral(u"\u3000A"), QStringLiteral(u"中文B"), QStringLiteral(u"\u9F44\u554A"),
        QStringLiteral(u"\u20AC\u00FF"), QStringLiteral(u"中中中中中中中"),
    };
    const int row = int(size % 49);
    const int column = int((size / 49) % 97);
    for (const QString &text : texts) {
        bridge->ui_LED_DataVerify(text);
        bridge->ui_LED_DataProc(row, column, text);
    }
    bridge->ui_LED_DataProc(-20, -40, texts[1]);
    bridge->ui_LED_DataProc(60, 90, texts[4]);
    v.requireIdle("uploading text");
    QCoreApplication::processEvents();
    return 0;
}
