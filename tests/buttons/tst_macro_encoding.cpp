#include "buttons/macro_encoding.h"

#include <QtTest>

namespace {

QString hex(const std::vector<std::uint8_t> &bytes)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())).toHex(' '));
}

std::vector<std::uint8_t> encode(const QStringList &steps, long loops = 1)
{
    return MacroEncoding::encode(MacroEncoding::parseSteps(steps), loops);
}

// `n` key taps (press and release of A) with short delays between them.
QStringList taps(int n)
{
    QStringList steps;
    for (int i = 0; i < n; ++i)
        steps << QStringLiteral("1,A") << QStringLiteral("0,50") << QStringLiteral("2,A") << QStringLiteral("0,30");
    return steps;
}

} // namespace

class TestMacroEncoding : public QObject
{
    Q_OBJECT

private slots:
    void examples()
    {
        QCOMPARE(hex(encode({"1,A", "0,50", "2,A"})), QStringLiteral("00 01 05 04 81 04 00 00"));
        // 127 units: extended, 20 ms steps.
        QCOMPARE(hex(encode({"1,A", "0,1270", "2,A"})), QStringLiteral("00 01 00 04 00 01 00 3f 81 04 00 00"));
        QCOMPARE(hex(encode({"2,A", "0,1270", "1,B"})), QStringLiteral("00 01 80 04 00 01 00 3f 01 05 00 00"));
        // 15 ms is 1.5 units, taken as 1; no delay, or 0 ms, as 1 too.
        QCOMPARE(hex(encode({"1,A", "0,15", "2,A"})), QStringLiteral("00 01 01 04 81 04 00 00"));
        QCOMPARE(hex(encode({"1,A", "0,0", "2,A"})), QStringLiteral("00 01 01 04 81 04 00 00"));
        QCOMPARE(hex(encode({"1,A", "2,A"})), QStringLiteral("00 01 01 04 81 04 00 00"));
        // Below one unit but not nothing: one unit, never the extended mark.
        QCOMPARE(hex(encode({"1,A", "0,4", "2,A"})), QStringLiteral("00 01 01 04 81 04 00 00"));
        // Delays add up; those before the first and after the last event are dropped.
        QCOMPARE(hex(encode({"0,500", "3,MS-L", "0,600", "0,660", "4,MS-L", "0,900"}, 258)),
                 QStringLiteral("01 02 7e f0 81 f0 00 00"));
        // Only delays: the loop count and nothing else.
        QCOMPARE(hex(encode({"0,50", "0,70"}, 3)), QStringLiteral("00 03"));
        QCOMPARE(hex(encode({}, 0)), QStringLiteral("00 00"));
        // Names with commas, the two backslash codes, the mouse's extra buttons.
        QCOMPARE(hex(encode({"1,, <", "1,\\ |", "3,MS-B5"})), QStringLiteral("00 01 01 36 01 32 01 f4 00 00"));
    }

    void longDelays()
    {
        // 50 ms steps from 100000 units (1000 s), 100 ms steps from 300000.
        QCOMPARE(hex(encode({"1,A", "0,1000000", "2,A"})), QStringLiteral("00 01 00 04 00 02 4e 20 81 04 00 00"));
        QCOMPARE(hex(encode({"1,A", "0,999990", "2,A"})), QStringLiteral("00 01 00 04 00 01 c3 4f 81 04 00 00"));
        QCOMPARE(hex(encode({"1,A", "0,3000000", "2,A"})), QStringLiteral("00 01 00 04 00 03 75 30 81 04 00 00"));
        // Beyond what 16 bits of 100 ms hold: the longest delay there is.
        QStringList hours{QStringLiteral("1,A")};
        for (int i = 0; i < 70; ++i)
            hours << QStringLiteral("0,100000");
        hours << QStringLiteral("2,A");
        QCOMPARE(hex(encode(hours)), QStringLiteral("00 01 00 04 00 03 ff ff 81 04 00 00"));
        QCOMPARE(hex(encode({"1,A", "0,1e300", "2,A"})), QStringLiteral("00 01 00 04 00 03 ff ff 81 04 00 00"));
    }

    void oddInput()
    {
        // Unknown names, types and unreadable delays make no events; loop counts are held to 16 bits.
        QCOMPARE(hex(encode({"1,Nope", "7,A", "garbage", "1,A", "0,abc", "0,-50", "2,A"}, 70000)),
                 QStringLiteral("ff ff 01 04 81 04 00 00"));
        QCOMPARE(hex(encode({"1,A"}, -5)), QStringLiteral("00 00 01 04 00 00"));
    }

    void encodedLength()
    {
        // The editor takes one more event below 126 bytes: 60 events make 124, 61 make 126.
        QStringList steps = taps(30);
        QCOMPARE(int(encode(steps).size()), 124);
        steps << QStringLiteral("1,B");
        QCOMPARE(int(encode(steps).size()), 126);
        // An extended delay counts four more; trailing delays count nothing.
        QStringList withLong = taps(29);
        withLong << QStringLiteral("0,2000") << QStringLiteral("1,B") << QStringLiteral("0,99999");
        QCOMPARE(int(encode(withLong).size()), 2 + 59 * 2 + 4 + 2);
        QCOMPARE(int(encode({"0,10"}).size()), 2);
    }

    void fitsIn128()
    {
        // Short encodings are zero-filled.
        std::vector<std::uint8_t> p = MacroEncoding::fitPayload(encode({"1,A", "0,50", "2,A"}));
        QCOMPARE(int(p.size()), 128);
        QCOMPARE(hex({p.begin(), p.begin() + 9}), QStringLiteral("00 01 05 04 81 04 00 00 00"));

        // The editor's worst case: 124 bytes, a long recorded delay, one more event (130 bytes).
        QStringList steps = taps(30);
        steps << QStringLiteral("0,5000") << QStringLiteral("1,B");
        const std::vector<std::uint8_t> full = encode(steps);
        QCOMPARE(int(full.size()), 130);
        p = MacroEncoding::fitPayload(full);
        QCOMPARE(int(p.size()), 128);
        // Cut after the 60th event (A released), closed as the last one, then the terminator.
        QCOMPARE(hex({p.begin() + 118, p.begin() + 124}), QStringLiteral("05 04 81 04 00 00"));
        QVERIFY(std::all_of(p.begin() + 124, p.end(), [](std::uint8_t b) { return b == 0; }));
        QCOMPARE(hex({p.begin(), p.begin() + 120}), hex({full.begin(), full.begin() + 120}));

        // 62 plain events fill 128 exactly with the terminator; a 63rd is cut away.
        steps = taps(31);
        QCOMPARE(int(encode(steps).size()), 128);
        steps << QStringLiteral("1,C");
        p = MacroEncoding::fitPayload(encode(steps));
        QCOMPARE(hex({p.begin() + 122, p.end()}), QStringLiteral("05 04 81 04 00 00"));

        // An event that needs its extended delay records keeps them when they fit...
        steps = taps(29);
        steps << QStringLiteral("1,B") << QStringLiteral("0,5000") << QStringLiteral("2,B");
        steps << QStringLiteral("1,C") << QStringLiteral("2,C");
        p = MacroEncoding::fitPayload(encode(steps));
        QCOMPARE(hex({p.begin() + 118, p.end()}), QStringLiteral("00 05 00 01 00 fa 81 05 00 00"));

        // ...and arbitrary long lists from elsewhere never run past the buffer.
        std::vector<std::uint8_t> junk(1000, 0x00);
        p = MacroEncoding::fitPayload(junk);
        QCOMPARE(int(p.size()), 128);
        std::vector<std::uint8_t> ones(1000, 0x81);
        p = MacroEncoding::fitPayload(ones);
        QCOMPARE(hex({p.begin() + 122, p.end()}), QStringLiteral("81 81 81 81 00 00"));
    }
};

QTEST_MAIN(TestMacroEncoding)
#include "tst_macro_encoding.moc"
