#include "device/block_scrambling.h"
#include "device/command_frames.h"
#include "device/hid_checksum.h"

#include <QRandomGenerator>
#include <QtTest>

#include <array>
#include <cstring>

using Block = std::array<unsigned char, 8>;
Q_DECLARE_METATYPE(Block)
Q_DECLARE_METATYPE(CommandFrame)

namespace {

Block blockOf(const CommandFrame &f)
{
    Block b;
    std::memcpy(b.data(), f.block, 8);
    return b;
}

// The scrambling written out the long way, byte by byte, as an independent reference.
Block referenceScramble(Block p, const unsigned char *code)
{
    const unsigned char key[8] = {'T', 'a', 'V', 'r', 'i', 's', 'O', 'p'};
    Block s = {p[5], p[4], p[7], p[6], p[1], p[0], p[3], p[2]};
    for (int i = 1; i <= 6; ++i)
        s[i] = static_cast<unsigned char>(s[i] ^ code[i]);
    Block r;
    for (int i = 0; i < 8; ++i)
        r[i] = static_cast<unsigned char>((s[i] << 3) | (s[(i + 1) % 8] >> 5));
    for (int i = 0; i < 8; ++i)
        r[i] = static_cast<unsigned char>(r[i] + static_cast<unsigned char>((key[i] << 4) | (key[i] >> 4)));
    return r;
}

} // namespace

class TestByteRules : public QObject
{
    Q_OBJECT

private slots:
    void checksum()
    {
        const unsigned char a[8] = {0x8B, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(hidChecksum(a), 0x74);
        const unsigned char b[8] = {0x03, 0x04, 0, 0, 0, 0, 0, 0};
        QCOMPARE(hidChecksum(b), 0xF8);
        // Only seven bytes count, and the sum wraps at 8 bits.
        const unsigned char c[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x55};
        QCOMPARE(hidChecksum(c), static_cast<unsigned char>(~(7 * 0xFF)));
        unsigned char d[8] = {0x84, 0, 0, 0, 0, 0, 0, 0x7B};
        QVERIFY(hidChecksumMatches(d));
        d[7] = 0x7C;
        QVERIFY(!hidChecksumMatches(d));
    }

    void scramblingMatchesTheReference()
    {
        QRandomGenerator rng(42);
        for (int n = 0; n < 2000; ++n) {
            Block p;
            unsigned char code[8];
            for (auto &x : p)
                x = static_cast<unsigned char>(rng.bounded(256));
            for (auto &x : code)
                x = static_cast<unsigned char>(rng.bounded(256));
            Block q = p;
            scrambleBlock(q.data(), code);
            QCOMPARE(q, referenceScramble(p, code));
        }
    }

    void scramblingRoundTripsEveryByteValue()
    {
        const unsigned char codes[][8] = {
            {0, '7', '3', '9', '1', '5', '4', 0},
            {0, 0, 0, 0, 0, 0, 0, 0},
            {0xAA, 0xFF, 0x01, 0x80, 0x7F, 0x10, 0xEE, 0x55},
            {0, 'A', 'b', 'C', 'd', 'E', 'f', 0},
        };
        QRandomGenerator rng(7);
        for (const auto &code : codes) {
            for (int pos = 0; pos < 8; ++pos) {
                for (int v = 0; v < 256; ++v) {
                    Block p;
                    for (auto &x : p)
                        x = static_cast<unsigned char>(rng.bounded(256));
                    p[pos] = static_cast<unsigned char>(v);
                    Block q = p;
                    scrambleBlock(q.data(), code);
                    unscrambleBlock(q.data(), code);
                    if (q != p)
                        QFAIL(qPrintable(QStringLiteral("position %1 value %2 did not round-trip").arg(pos).arg(v)));
                }
            }
        }
    }

    void xorStepLeavesBytesZeroAndSevenAlone()
    {
        // Codes that differ only in bytes 0 and 7 scramble identically: those bytes never mix in.
        const unsigned char a[8] = {0x00, 1, 2, 3, 4, 5, 6, 0x00};
        const unsigned char b[8] = {0xFF, 1, 2, 3, 4, 5, 6, 0xA5};
        Block p = {0x06, 0x00, 0x80, 0, 0, 0, 0, 0x79};
        Block pa = p, pb = p;
        scrambleBlock(pa.data(), a);
        scrambleBlock(pb.data(), b);
        QCOMPARE(pa, pb);

        // With six zero bytes the XOR step changes nothing: swap, rotate and offset alone.
        const unsigned char zero[8] = {};
        Block z = p;
        scrambleBlock(z.data(), zero);
        QCOMPARE(z, referenceScramble(p, zero));
        const unsigned char one[8] = {0, 0, 0, 0, 0, 0, 0, 0};
        Block z2 = p;
        scrambleBlock(z2.data(), one);
        QCOMPARE(z2, z);
        // A code with the six bytes set does change the result.
        Block c = p;
        scrambleBlock(c.data(), a);
        QVERIFY(c != z);
    }

    void knownScrambledBlock()
    {
        // 0x84 with the default code "739154", worked out by hand.
        const unsigned char code[8] = {0, '7', '3', '9', '1', '5', '4', 0};
        Block p = {0x84, 0, 0, 0, 0, 0, 0, 0x7B};
        // swap:   00 00 7b 00 00 84 00 00
        // xor:    00 37 48 39 31 b1 34 00
        // rotl 3: 01 ba 41 c9 8d 89 a0 00
        // offset: +45 16 65 27 96 37 f4 07
        const Block expected = {0x46, 0xD0, 0xA6, 0xF0, 0x23, 0xC0, 0x94, 0x07};
        scrambleBlock(p.data(), code);
        QCOMPARE(p, expected);
    }

    void framing_data()
    {
        QTest::addColumn<CommandFrame>("frame");
        QTest::addColumn<Block>("expected");
        QTest::addColumn<bool>("read");
        QTest::addColumn<bool>("settle");
        QTest::addColumn<int>("payload");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("lockText");

        using namespace CommandFrames;
        auto row = [](const char *name, const CommandFrame &f, Block expected, bool read, bool settle, int payload,
                      int after, const char *text) {
            expected[7] = hidChecksum(expected.data());
            QTest::newRow(name) << f << expected << read << settle << payload << after << QString::fromLatin1(text);
        };
        row("01", setKeyboardOption(5), {0x01, 5}, false, false, 0, 8, "cmd Failed 01");
        row("02", setCurrentProfile(3), {0x02, 3}, false, false, 0, 8, "cmd Failed 02");
        row("03", setReportRate(4), {0x03, 4}, false, true, 0, 0, "cmd Failed 03");
        row("04", setGunData(1, 2, 3, 4, 5), {0x04, 1, 2, 3, 4, 5}, false, true, 0, 0, "cmd Failed 04");
        row("06", setProfileData(0), {0x06, 0, 0x80}, false, true, 128, 0, "cmd Failed 06");
        row("07", setKeyMatrix(2), {0x07, 0, 2, 0x80}, false, true, 128, 0, "cmd Failed 07");
        row("08", setMacroKey(9), {0x08, 9, 0x80}, false, true, 128, 0, "cmd Failed 08");
        row("09", setLedData(1, 7), {0x09, 1, 0x80, 7}, false, true, 128, 20, "cmd Failed 09");
        row("0A", setLedShow(2), {0x0A, 2}, false, true, 0, 0, "cmd Failed 0A");
        row("0B", setJmgd(3), {0x0B, 3}, false, true, 0, 0, "cmd Failed 0B");
        row("0D", setRgbLedEffect(2, 8, 0), {0x0D, 2, 8, 0}, false, true, 0, 0, "cmd Failed 0D");
        row("0E", setXySensitive(20, 200), {0x0E, 20, 200}, false, true, 0, 0, "cmd Failed 0E");
        row("10 type 2", setLed8StageColor(2), {0x10, 2, 4}, false, true, 4, 0, "cmd Failed 10");
        row("10 type 1", setLed8StageColor(1), {0x10, 1, 24}, false, true, 24, 0, "cmd Failed 10");
        row("10 type 0", setLed8StageColor(0), {0x10, 0, 24}, false, true, 24, 0, "cmd Failed 10");
        row("11", setDpiSet(3), {0x11, 3, 8}, false, true, 8, 0, "cmd Failed 11");
        row("81", getKeyboardOption(), {0x81}, true, false, 0, 0, "cmd Failed");
        row("83", getReportRate(), {0x83}, true, false, 0, 0, "cmd Failed 83H");
        row("84", getCurrentDpi(), {0x84}, true, false, 0, 0, "cmd Failed 84H");
        row("86", readProfileData(1), {0x86, 1}, true, false, 128, 0, "cmd Failed 86h");
        row("8B", getCurrentDpiStage(), {0x8B}, true, false, 0, 0, "cmd Failed");
        row("8D", getRgbLedEffect(), {0x8D}, true, false, 0, 0, "cmd Failed");
        row("90 type 2", getLed8StageColor(2), {0x90, 2}, true, false, 4, 0, "cmd Failed");
        row("90 type 1", getLed8StageColor(1), {0x90, 1}, true, false, 24, 0, "cmd Failed");
    }

    void framing()
    {
        QFETCH(CommandFrame, frame);
        QTEST(blockOf(frame), "expected");
        QTEST(frame.read, "read");
        QTEST(frame.settle, "settle");
        QTEST(frame.payloadLength, "payload");
        QTEST(frame.pauseAfterMs, "after");
        QTEST(QString::fromLatin1(frame.lockFailure), "lockText");
    }

    void framingExamples()
    {
        // 01(5) on the wire, checksum and all.
        QCOMPARE(blockOf(CommandFrames::setKeyboardOption(5)), (Block{0x01, 0x05, 0, 0, 0, 0, 0, 0xF9}));
        QCOMPARE(blockOf(CommandFrames::getCurrentDpi()), (Block{0x84, 0, 0, 0, 0, 0, 0, 0x7B}));
        QCOMPARE(blockOf(CommandFrames::getCurrentDpiStage()), (Block{0x8B, 0, 0, 0, 0, 0, 0, 0x74}));
        QCOMPARE(blockOf(CommandFrames::setReportRate(4)), (Block{0x03, 0x04, 0, 0, 0, 0, 0, 0xF8}));
        // 0x86 carries no length byte: its checksum covers only the code and the index.
        QCOMPARE(blockOf(CommandFrames::readProfileData(2)),
                 (Block{0x86, 2, 0, 0, 0, 0, 0, static_cast<unsigned char>(~(0x86 + 2))}));
    }
};

QTEST_APPLESS_MAIN(TestByteRules)
#include "tst_byte_rules.moc"
