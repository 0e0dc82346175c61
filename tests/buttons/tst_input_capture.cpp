#include "buttons/evdev_scan.h"
#include "buttons/input_capture.h"
#include "buttons/key_tables.h"
#include "buttons/key_translator.h"

#include <QWidget>
#include <QtTest>

#include <vector>

namespace {

struct Reported
{
    int usage;
    bool pressed;
    bool operator==(const Reported &o) const { return usage == o.usage && pressed == o.pressed; }
};

void record(void *context, int usage, bool pressed)
{
    static_cast<std::vector<Reported> *>(context)->push_back({usage, pressed});
}

struct Click
{
    unsigned code;
    bool pressed;
    unsigned x, y;
};

void recordClick(void *context, unsigned code, bool pressed, unsigned x, unsigned y)
{
    static_cast<std::vector<Click> *>(context)->push_back({code, pressed, x, y});
}

QString describe(const std::vector<Reported> &events)
{
    QStringList out;
    for (const Reported &e : events)
        out.append(QStringLiteral("%1%2").arg(QLatin1Char(e.pressed ? '+' : '-')).arg(e.usage, 2, 16, QLatin1Char('0')));
    return out.join(u' ');
}

constexpr unsigned Ext = HookMessage::ExtendedFlag;

// Press and release of one key through the translator; the usages reported.
std::vector<Reported> tap(KeyTranslator &t, unsigned scan, unsigned flags)
{
    std::vector<Reported> out;
    KeyChange c;
    if (t.translate(0, HookMessage::KeyDown, scan, flags, &c))
        out.push_back({c.usage, c.pressed});
    if (t.translate(0, HookMessage::KeyUp, scan, flags, &c))
        out.push_back({c.usage, c.pressed});
    return out;
}

int usageOf(unsigned scan, unsigned flags)
{
    KeyTranslator t;
    const std::vector<Reported> r = tap(t, scan, flags);
    return r.empty() ? 0 : r.front().usage;
}

} // namespace

class TestInputCapture : public QObject
{
    Q_OBJECT

private slots:
    void tablesHaveTheirRows()
    {
        QCOMPARE(KeyTables::scanRowCount, std::size_t(105));
        QCOMPARE(KeyTables::usageRowCount, std::size_t(121));
        // Every scan row leads to a usage.
        for (std::size_t i = 0; i < KeyTables::scanRowCount; ++i)
            QVERIFY(KeyTables::usageForVirtualKey(KeyTables::scanRows[i].virtualKey) != 0);
        QCOMPARE(KeyTables::usageForVirtualKey(0xEB), std::uint8_t(0x8B));   // no scan row leads here
        QCOMPARE(KeyTables::virtualKeyForScan(0x300, false), std::uint8_t(0));
    }

    void translationEdgeCases()
    {
        // Main Enter and keypad Enter stay apart.
        QCOMPARE(usageOf(0x1C, 0), 0x28);
        QCOMPARE(usageOf(0x1C, Ext), 0x58);
        // The right Shift is known only with the extended flag.
        QCOMPARE(usageOf(0x36, Ext), 0xE5);
        QCOMPARE(usageOf(0x36, 0), 0);
        // 45 is Pause plain and Num Lock extended; an extended 46 (Ctrl+Break) is Pause too.
        QCOMPARE(usageOf(0x45, 0), 0x48);
        QCOMPARE(usageOf(0x45, Ext), 0x53);
        QCOMPARE(usageOf(0x46, Ext), 0x48);
        QCOMPARE(usageOf(0x46, 0), 0x47);
        // Print Screen: 54 only with Alt held, and the extended 37.
        QCOMPARE(usageOf(0x54, HookMessage::AltDownFlag), 0x46);
        QCOMPARE(usageOf(0x54, 0), 0);
        QCOMPARE(usageOf(0x37, Ext), 0x46);
        QCOMPARE(usageOf(0x37, 0), 0x55);
        // Scan codes above 255 are looked up as 0, which is no key.
        QCOMPARE(usageOf(0x11E, 0), 0);
        // The Alt flag does not disturb other keys.
        QCOMPARE(usageOf(0x1E, HookMessage::AltDownFlag), 0x04);
    }

    void repeatsAreDropped()
    {
        KeyTranslator t;
        KeyChange c;
        QVERIFY(t.translate(0, HookMessage::KeyDown, 0x1E, 0, &c));
        QCOMPARE(c.usage, 0x04);
        QVERIFY(c.pressed);
        // Auto-repeat of the held key, also as a system key.
        QVERIFY(!t.translate(0, HookMessage::KeyDown, 0x1E, 0, &c));
        QVERIFY(!t.translate(0, HookMessage::SysKeyDown, 0x1E, 0, &c));
        QVERIFY(t.isPressed(0x04));
        QVERIFY(t.translate(0, HookMessage::SysKeyUp, 0x1E, 0, &c));
        QVERIFY(!c.pressed);
        QVERIFY(!t.translate(0, HookMessage::KeyUp, 0x1E, 0, &c));
        // A nonzero hook code counts as a release whatever the message.
        QVERIFY(t.translate(0, HookMessage::KeyDown, 0x10, 0, &c));
        QVERIFY(t.translate(3, HookMessage::KeyDown, 0x10, 0, &c));
        QVERIFY(!c.pressed);
    }

    void mouseMessages()
    {
        unsigned code = 0;
        bool pressed = false;
        const struct { unsigned message; unsigned code; bool pressed; } rows[] = {
            {0x0201, 0xF0, true}, {0x0202, 0xF0, false}, {0x0204, 0xF1, true},
            {0x0205, 0xF1, false}, {0x0207, 0xF2, true}, {0x0208, 0xF2, false},
        };
        for (const auto &row : rows) {
            QVERIFY(mouseButtonForMessage(row.message, &code, &pressed));
            QCOMPARE(code, row.code);
            QCOMPARE(pressed, row.pressed);
        }
        // Double clicks, the extra buttons, the wheel and movement are not reported...
        for (unsigned message : {0x0203u, 0x0206u, 0x0209u, 0x020Bu, 0x020Cu, 0x020Au, 0x0200u})
            QVERIFY(!mouseButtonForMessage(message, &code, &pressed));

        // ...but the button-up after a double click is, and every click counts, held or not.
        InputCapture capture(false);
        std::vector<Click> clicks;
        capture.setMouseReceiver(&recordClick, &clicks);
        capture.mouseEvent(0x0201, 10, 20);
        capture.mouseEvent(0x0202, 10, 20);
        capture.mouseEvent(0x0203, 10, 20);
        capture.mouseEvent(0x0202, 11, 21);
        capture.mouseEvent(0x0202, 11, 21);
        QCOMPARE(clicks.size(), std::size_t(4));
        QCOMPARE(clicks[2].code, 0xF0u);
        QVERIFY(!clicks[2].pressed);
        QCOMPARE(clicks[3].x, 11u);
        QCOMPARE(clicks[3].y, 21u);
    }

    void receiversOnlyOnceRegistered()
    {
        InputCapture capture(false);
        capture.keyboardEvent(0, HookMessage::KeyDown, 0x1E, 0);   // nobody listens yet
        std::vector<Reported> keys;
        capture.setKeyboardReceiver(&record, &keys);
        capture.keyboardEvent(0, HookMessage::KeyUp, 0x1E, 0);
        capture.keyboardEvent(0, HookMessage::KeyDown, 0x54, 0);   // unknown without Alt
        QCOMPARE(describe(keys), QStringLiteral("-04"));
    }

    // The whole of a 105-key keyboard through the Linux path: input code, scan code and flag,
    // then the tables.
    void fullKeyboardThroughEvdev()
    {
        const struct { unsigned evdev; int usage; } keys[] = {
            {1, 0x29}, {2, 0x1E}, {3, 0x1F}, {4, 0x20}, {5, 0x21}, {6, 0x22}, {7, 0x23}, {8, 0x24},
            {9, 0x25}, {10, 0x26}, {11, 0x27}, {12, 0x2D}, {13, 0x2E}, {14, 0x2A}, {15, 0x2B},
            {16, 0x14}, {17, 0x1A}, {18, 0x08}, {19, 0x15}, {20, 0x17}, {21, 0x1C}, {22, 0x18},
            {23, 0x0C}, {24, 0x12}, {25, 0x13}, {26, 0x2F}, {27, 0x30}, {28, 0x28}, {29, 0xE0},
            {30, 0x04}, {31, 0x16}, {32, 0x07}, {33, 0x09}, {34, 0x0A}, {35, 0x0B}, {36, 0x0D},
            {37, 0x0E}, {38, 0x0F}, {39, 0x33}, {40, 0x34}, {41, 0x35}, {42, 0xE1}, {43, 0x31},
            {44, 0x1D}, {45, 0x1B}, {46, 0x06}, {47, 0x19}, {48, 0x05}, {49, 0x11}, {50, 0x10},
            {51, 0x36}, {52, 0x37}, {53, 0x38}, {54, 0xE5}, {55, 0x55}, {56, 0xE2}, {57, 0x2C},
            {58, 0x39}, {59, 0x3A}, {60, 0x3B}, {61, 0x3C}, {62, 0x3D}, {63, 0x3E}, {64, 0x3F},
            {65, 0x40}, {66, 0x41}, {67, 0x42}, {68, 0x43}, {69, 0x53}, {70, 0x47}, {71, 0x5F},
            {72, 0x60}, {73, 0x61}, {74, 0x56}, {75, 0x5C}, {76, 0x5D}, {77, 0x5E}, {78, 0x57},
            {79, 0x59}, {80, 0x5A}, {81, 0x5B}, {82, 0x62}, {83, 0x63}, {86, 0x64}, {87, 0x44},
            {88, 0x45}, {96, 0x58}, {97, 0xE4}, {98, 0x54}, {99, 0x46}, {100, 0xE6}, {102, 0x4A},
            {103, 0x52}, {104, 0x4B}, {105, 0x50}, {106, 0x4F}, {107, 0x4D}, {108, 0x51},
            {109, 0x4E}, {110, 0x49}, {111, 0x4C}, {119, 0x48}, {125, 0xE3}, {127, 0x65},
            {193, 0x72},
        };
        InputCapture capture(false);
        std::vector<Reported> seen;
        capture.setKeyboardReceiver(&record, &seen);
        std::vector<Reported> expected;
        for (const auto &k : keys) {
            capture.evdevKeyEvent(k.evdev, true);
            capture.evdevKeyEvent(k.evdev, true);   // auto-repeat
            capture.evdevKeyEvent(k.evdev, false);
            expected.push_back({k.usage, true});
            expected.push_back({k.usage, false});
        }
        QCOMPARE(seen.size(), expected.size());
        for (std::size_t i = 0; i < seen.size(); ++i) {
            if (!(seen[i] == expected[i]))
                QFAIL(qPrintable(QStringLiteral("event %1: usage %2 instead of %3")
                                     .arg(i).arg(seen[i].usage, 0, 16).arg(expected[i].usage, 0, 16)));
        }

        // Keys the tables do not know: right Win, media keys, F13, mouse buttons.
        seen.clear();
        for (unsigned code : {126u, 113u, 114u, 115u, 163u, 164u, 183u, 0x110u, 0u, 84u, 85u})
            capture.evdevKeyEvent(code, true);
        QVERIFY(seen.empty());

        // X servers number keys from 8 on.
        QCOMPARE(evdevFromXKeycode(38), 30u);
        QCOMPARE(evdevFromXKeycode(3), 0u);
    }

    // Where nothing can listen to the whole desktop (here: offscreen), the program's own key
    // and button events are heard.
    void ownWindowEventsWithoutX11()
    {
        InputCapture capture;
        QVERIFY(capture.isListening());
        std::vector<Reported> keys;
        std::vector<Click> clicks;
        capture.setKeyboardReceiver(&record, &keys);
        capture.setMouseReceiver(&recordClick, &clicks);

        QWidget w;
        w.resize(100, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyPress(&w, Qt::Key_A);
        QTest::keyRelease(&w, Qt::Key_A);
        QTest::keyPress(&w, Qt::Key_Shift);
        QTest::keyPress(&w, Qt::Key_F12, Qt::ShiftModifier);
        QTest::keyRelease(&w, Qt::Key_F12, Qt::ShiftModifier);
        QTest::keyRelease(&w, Qt::Key_Shift);
        QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(&w, Qt::Key_Return);
        QTest::keyClick(&w, Qt::Key_Exclam, Qt::ShiftModifier);   // Shift goes down and up around it
        const std::vector<Reported> expected = {
            {0x04, true}, {0x04, false}, {0xE1, true}, {0x45, true}, {0x45, false}, {0xE1, false},
            {0x58, true}, {0x58, false}, {0x28, true}, {0x28, false}, {0xE1, true}, {0x1E, true}, {0x1E, false}, {0xE1, false},
        };
        QCOMPARE(describe(keys), describe(expected));

        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(5, 6));
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, QPoint(5, 6));
        QTest::mouseDClick(w.windowHandle(), Qt::MiddleButton, {}, QPoint(5, 6));
        QVERIFY(clicks.size() >= 4);
        QCOMPARE(clicks[0].code, 0xF0u);
        QVERIFY(clicks[0].pressed);
        QCOMPARE(clicks[1].code, 0xF0u);
        QVERIFY(!clicks[1].pressed);
        QCOMPARE(clicks[2].code, 0xF1u);
        for (std::size_t i = 4; i < clicks.size(); ++i)
            QCOMPARE(clicks[i].code, 0xF2u);

        // Once removed, nothing more is heard.
        capture.removeHooks();
        QVERIFY(!capture.isListening());
        keys.clear();
        QTest::keyClick(&w, Qt::Key_B);
        QVERIFY(keys.empty());
    }
};

QTEST_MAIN(TestInputCapture)
#include "tst_input_capture.moc"
