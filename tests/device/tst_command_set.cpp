#include "device/device_table.h"
#include "app/widget.h"
#include "device/block_scrambling.h"
#include "device/hid_thread.h"
#include "device/link_state.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {

using Report = VirtualMouse::Report;

QList<Report> reportsOf(const VirtualMouse &m, Report::Kind kind)
{
    QList<Report> out;
    for (const Report &r : m.reports()) {
        if (r.kind == kind)
            out.append(r);
    }
    return out;
}

QByteArray pattern(int n, int start = 0)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((start + i) & 0xFF);
    return b;
}

uchar *bytes(QByteArray &b)
{
    return reinterpret_cast<uchar *>(b.data());
}

} // namespace

// The command set and its transport, on the wire of a virtual mouse, with pauses recorded.
class TestCommandSet : public QObject
{
    Q_OBJECT

    std::unique_ptr<RuntimeTree> m_tree;

private slots:
    void initTestCase() { m_tree = std::make_unique<RuntimeTree>(); }
    void cleanupTestCase() { m_tree.reset(); }

    void everyCommandOnTheWire_data()
    {
        QTest::addColumn<std::function<void(Hid_Thread &)>>("call");
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QList<int>>("pauses");

        QByteArray buf = pattern(128);
        const QList<int> plain = {10, 64, 64};
        const QList<int> withPayload2 = {10, 64, 64, 8, 8, 64, 64};
        const QList<int> withPayload1 = {10, 64, 64, 8, 64, 64};
        auto row = [](const char *name, std::function<void(Hid_Thread &)> f, const char *hex, int writes,
                      QList<int> pauses) {
            QTest::newRow(name) << f << QByteArray::fromHex(hex) << writes << pauses;
        };
        row("01", [](Hid_Thread &h) { h.hid_01H_SetKeyboardoption(5); }, "0001050000000000f9", 0, {10, 8});
        row("02", [](Hid_Thread &h) { h.hid_02H_SetCurrentProfile(1); }, "0002010000000000fc", 0, {10, 8});
        row("03", [](Hid_Thread &h) { h.hid_03H_SetReportRate(4); }, "0003040000000000f8", 0, plain);
        row("04", [](Hid_Thread &h) { h.hid_04H_SetGunData(1, 2, 3, 4, 5); }, "0004010203040500ec", 0, plain);
        row("06", [buf](Hid_Thread &h) mutable { h.hid_06H_SetProfileData(bytes(buf), 0); }, "000600800000000079",
            2, withPayload2);
        row("07", [buf](Hid_Thread &h) mutable { h.hid_07H_SetKeyMatrix(bytes(buf), 3); }, "000700038000000075",
            2, withPayload2);
        row("08", [buf](Hid_Thread &h) mutable { h.hid_08H_SetMacroKey(9, bytes(buf)); }, "00080980000000006e",
            2, withPayload2);
        row("09", [buf](Hid_Thread &h) mutable { h.hid_09H_SetLEDData(bytes(buf), 2, 1); }, "000902800100000073",
            2, withPayload2 + QList<int>{20});
        row("0A", [](Hid_Thread &h) { h.hid_0AH_SetLEDShow(6); }, "000a060000000000ef", 0, plain);
        row("0B", [](Hid_Thread &h) { h.hid_0BH_SetJMGD(3); }, "000b030000000000f1", 0, plain);
        row("0D", [](Hid_Thread &h) { h.hid_0DH_SetRGBLedEffect(2, 8, 0); }, "000d020800000000e8", 0, plain);
        row("0E", [](Hid_Thread &h) { h.hid_0EH_SetXYSensitive(20, 200); }, "000e14c80000000015", 0, plain);
        row("10 type 2", [buf](Hid_Thread &h) mutable { h.hid_10H_SetLED8StageColor(2, bytes(buf)); },
            "0010020400000000e9", 1, withPayload1);
        row("10 type 1", [buf](Hid_Thread &h) mutable { h.hid_10H_SetLED8StageColor(1, bytes(buf)); },
            "0010011800000000d6", 1, withPayload1);
        row("11", [buf](Hid_Thread &h) mutable { h.hid_11H_SetDPISet(3, bytes(buf)); }, "0011030800000000e3",
            1, withPayload1);
        row("81", [](Hid_Thread &h) { uchar b = 0; h.hid_81H_GetKeyboardoption(b); }, "00810000000000007e", 0, {8});
        row("83", [](Hid_Thread &h) { h.hid_83H_GetReportRate(); }, "00830000000000007c", 0, {8});
        row("84", [](Hid_Thread &h) { h.hid_84H_GetCurrentDPI(); }, "00840000000000007b", 0, {8});
        row("86", [buf](Hid_Thread &h) mutable { h.hid_86H_ReadProfileData(bytes(buf), 1); }, "008601000000000078",
            0, {8});
        row("8B", [](Hid_Thread &h) { uchar s = 0; h.hid_8BH_GetCurrentDPIStage(s); }, "008b00000000000074", 0, {8});
        row("8D", [](Hid_Thread &h) { uchar a = 0, b = 0, c = 0; h.hid_8DH_GetRGBLedEffect(a, b, c); },
            "008d00000000000072", 0, {8});
        row("90", [buf](Hid_Thread &h) mutable { h.hid_90H_GetLED8StageColor(1, bytes(buf)); },
            "00900100000000006e", 0, {8});
    }

    void everyCommandOnTheWire()
    {
        QFETCH(std::function<void(Hid_Thread &)>, call);
        QFETCH(QByteArray, block);
        QFETCH(int, writes);
        QFETCH(QList<int>, pauses);

        VirtualMouseFixture f;
        Hid_Thread &link = f.bareLink();
        f.mouse().clearLog();
        f.clearPauses();

        call(link);

        const QList<Report> sent = reportsOf(f.mouse(), Report::SendFeature);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].bytes.toHex(), block.toHex());
        QCOMPARE(f.mouse().rejectedBlocks(), 0);
        const QList<Report> out = reportsOf(f.mouse(), Report::Write);
        QCOMPARE(out.size(), writes);
        for (const Report &r : out)
            QCOMPARE(r.bytes.size(), 65);
        QCOMPARE(f.pauses(), pauses);
        QVERIFY(link.waitForIdle());
        QCOMPARE(f.mouse().openCommandHandles(), 0);
    }

    void payloadsReachTheMouse()
    {
        VirtualMouseFixture f;
        Hid_Thread &link = f.bareLink();
        VirtualMouse &m = f.mouse();

        QByteArray block = pattern(128, 3);
        link.hid_06H_SetProfileData(bytes(block), 0);
        QCOMPARE(m.profileBlock(0), block);
        const QList<Report> out = reportsOf(m, Report::Write);
        QCOMPARE(out.size(), 2);
        QCOMPARE(out[0].bytes, QByteArray(1, '\0') + block.left(64));
        QCOMPARE(out[1].bytes, QByteArray(1, '\0') + block.mid(64));

        QByteArray keys = pattern(128, 100);
        link.hid_07H_SetKeyMatrix(bytes(keys), 0);
        QCOMPARE(m.keyMatrix(0), keys);
        QByteArray macro = pattern(128, 7);
        link.hid_08H_SetMacroKey(4, bytes(macro));
        QCOMPARE(m.macro(4), macro);
        QByteArray screen = pattern(128, 50);
        link.hid_09H_SetLEDData(bytes(screen), 3, 1);
        QCOMPARE(m.screenChunk(3, 1), screen);
        link.hid_0AH_SetLEDShow(5);
        QCOMPARE(m.screenMode(), 5);
        link.hid_03H_SetReportRate(8);
        QCOMPARE(m.reportRate(), 8);
        link.hid_0BH_SetJMGD(3);
        QCOMPARE(m.liftOff(), 3);
        link.hid_04H_SetGunData(9, 8, 7, 6, 5);
        QCOMPARE(m.gunData(), QByteArray::fromHex("0908070605"));

        // Type 2 colours are one 4-byte record padded to a whole report; other types 24 bytes.
        m.clearLog();
        QByteArray colours = pattern(24, 200);
        link.hid_10H_SetLED8StageColor(2, bytes(colours));
        QCOMPARE(m.stageColours(2), colours.left(4));
        QCOMPARE(reportsOf(m, Report::Write)[0].bytes, QByteArray(1, '\0') + colours.left(4) + QByteArray(60, '\0'));
        link.hid_10H_SetLED8StageColor(1, bytes(colours));
        QCOMPARE(m.stageColours(1), colours);
    }

    void readsHandBackTheReply()
    {
        VirtualMouseFixture f(3337);
        Hid_Thread &link = f.bareLink();
        VirtualMouse &m = f.mouse();

        QCOMPARE(link.hid_83H_GetReportRate().toInt(), 1);
        // Factory stage 2 is 800 DPI: 16 units, no high flag.
        QCOMPARE(link.hid_84H_GetCurrentDPI(), (QVariantList{2, 16, 0}));
        m.setCurrentStage(8);   // 18000 on the 3337: halved count with the flag
        QCOMPARE(link.hid_84H_GetCurrentDPI(), (QVariantList{8, 180, 1}));
        uchar stage = 0;
        link.hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 8);
        link.hid_0DH_SetRGBLedEffect(3, 12, 0);
        uchar e = 0, o1 = 0, o2 = 9;
        link.hid_8DH_GetRGBLedEffect(e, o1, o2);
        QCOMPARE(QList<int>({e, o1, o2}), QList<int>({3, 12, 0}));
        link.hid_01H_SetKeyboardoption(5);
        uchar opt = 0;
        link.hid_81H_GetKeyboardoption(opt);
        QCOMPARE(int(opt), 5);

        QByteArray block(128, '\0');
        link.hid_86H_ReadProfileData(bytes(block), 0);
        QCOMPARE(block, m.profileBlock(0));
        QCOMPARE(int(uchar(block[71])), 0xFF);

        QByteArray colours(24, '\0');
        link.hid_90H_GetLED8StageColor(1, bytes(colours));
        QCOMPARE(colours, m.stageColours(1));
        QByteArray four(24, 'x');
        link.hid_90H_GetLED8StageColor(2, bytes(four));
        QCOMPARE(four.left(4), m.stageColours(2));
        QCOMPARE(four.mid(4), QByteArray(20, 'x'));   // only n bytes come back
    }

    void chunkingFollowsTheReportLength()
    {
        VirtualMouseFixture f;
        VirtualMouse &m = f.mouse();
        m.setReportLength(24);
        DeviceTable table = loadBuiltInDeviceTable({});
        for (DeviceTableEntry &e : table)
            e.reportLength = 24;
        Hid_Thread link;
        m.setInspectHook([&link] { link.waitForIdle(); });
        link.findDevices(table);
        QCOMPARE(link.curDevice(), 1);

        // Exactly one report length: one report.
        QByteArray colours = pattern(24, 1);
        link.hid_10H_SetLED8StageColor(1, bytes(colours));
        QList<Report> out = reportsOf(m, Report::Write);
        QCOMPARE(out.size(), 1);
        QCOMPARE(out[0].bytes, QByteArray(1, '\0') + colours);
        QCOMPARE(m.stageColours(1), colours);

        // 128 bytes in 24-byte chunks: six reports, the last one padded with zeros.
        m.clearLog();
        QByteArray block = pattern(128, 9);
        link.hid_06H_SetProfileData(bytes(block), 0);
        out = reportsOf(m, Report::Write);
        QCOMPARE(out.size(), 6);
        QCOMPARE(out[5].bytes, QByteArray(1, '\0') + block.mid(120) + QByteArray(16, '\0'));
        QCOMPARE(m.profileBlock(0), block);

        QByteArray back(128, '\0');
        link.hid_86H_ReadProfileData(bytes(back), 0);
        QCOMPARE(back, block);
        QCOMPARE(reportsOf(m, Report::Read).size(), 6);

        // Twice the report length: two reports.
        table[1].reportLength = 64;
        m.setReportLength(64);
        link.findDevices(table);
        m.clearLog();
        link.hid_06H_SetProfileData(bytes(block), 0);
        QCOMPARE(reportsOf(m, Report::Write).size(), 2);
        m.setInspectHook([&f] { f.finishCommands(); });
    }

    void scrambledBlocks()
    {
        VirtualMouseFixture f;
        Hid_Thread &link = f.bareLink();
        VirtualMouse &m = f.mouse();
        // The connection check loaded the default secrecy code.
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(LinkState::SecrecyCode) + 1, 6), QByteArray("739154"));

        LinkState::isEncode = true;
        m.setScrambling(true);
        m.clearLog();
        link.hid_03H_SetReportRate(2);
        QCOMPARE(m.reportRate(), 2);
        QCOMPARE(m.rejectedBlocks(), 0);
        unsigned char expected[8] = {0x03, 0x02, 0, 0, 0, 0, 0, 0xFA};
        scrambleBlock(expected, LinkState::SecrecyCode);
        QCOMPARE(reportsOf(m, Report::SendFeature)[0].bytes,
                 QByteArray(1, '\0') + QByteArray(reinterpret_cast<const char *>(expected), 8));
        QCOMPARE(link.hid_83H_GetReportRate().toInt(), 2);
        QCOMPARE(link.hid_84H_GetCurrentDPI(), (QVariantList{2, 16, 0}));
        // Payload reads leave their reply scrambled but the payload is plain.
        QByteArray block(128, '\0');
        link.hid_86H_ReadProfileData(bytes(block), 0);
        QCOMPARE(block, m.profileBlock(0));

        // A mouse with another code rejects the blocks; the getter then gets nothing.
        m.setScrambling(true, "000000");
        QCOMPARE(link.hid_83H_GetReportRate().toInt(), 0);
        QCOMPARE(m.rejectedBlocks(), 1);
        QVERIFY(link.waitForIdle());
    }

    void failedExchangesGiveTheFailureResults()
    {
        VirtualMouseFixture f;
        Hid_Thread &link = f.bareLink();
        VirtualMouse &m = f.mouse();
        using Call = VirtualMouse::Call;

        m.failCall(Call::GetFeature);
        QCOMPARE(link.hid_83H_GetReportRate().toInt(), 0);
        m.failCall(Call::GetFeature);
        QCOMPARE(link.hid_84H_GetCurrentDPI(), (QVariantList{0, 0, 0}));
        uchar stage = 5;
        m.failCall(Call::SendFeature);
        link.hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 0);
        uchar e = 1, o1 = 1, o2 = 1;
        m.failCall(Call::GetFeature);
        link.hid_8DH_GetRGBLedEffect(e, o1, o2);
        QCOMPARE(QList<int>({e, o1, o2}), QList<int>({0, 0, 0}));
        // 0x81 hands the caller's own value back.
        uchar opt = 7;
        m.failCall(Call::GetFeature);
        link.hid_81H_GetKeyboardoption(opt);
        QCOMPARE(int(opt), 7);
        // A reply with a wrong checksum is not believed.
        m.corruptNextReply();
        opt = 9;
        link.hid_81H_GetKeyboardoption(opt);
        QCOMPARE(int(opt), 9);
        m.corruptNextReply();
        QCOMPARE(link.hid_83H_GetReportRate().toInt(), 0);

        // Payload reads that fail leave the caller's buffer alone.
        QByteArray colours(24, 'c');
        link.hid_90H_GetLED8StageColor(1, bytes(colours));   // fills the payload buffer
        QByteArray block(128, 'b');
        m.failCall(Call::Read, 1);
        link.hid_86H_ReadProfileData(bytes(block), 0);
        QCOMPARE(block, QByteArray(128, 'b'));
        m.shortenNextInputReport(10);
        link.hid_86H_ReadProfileData(bytes(block), 0);
        QCOMPARE(block, QByteArray(128, 'b'));
        QByteArray four(24, 'x');
        m.failCall(Call::GetFeature);
        link.hid_90H_GetLED8StageColor(2, bytes(four));
        QCOMPARE(four, QByteArray(24, 'x'));

        QVERIFY(link.waitForIdle());
        QCOMPARE(m.openCommandHandles(), 0);
        // None of that cost the connection.
        QCOMPARE(link.hid_83H_GetReportRate().toInt(), 1);
    }

    void queuedInOrderFoldedAndNeverDropped()
    {
        VirtualMouseFixture f;
        Widget *w = f.widget();
        Hid_Thread &link = w->hid();
        VirtualMouse &m = f.mouse();
        m.clearLog();
        f.clearMessages();

        // Commands that replace no state all go, in the order asked for.
        for (uchar i = 1; i <= 3; ++i) {
            link.hid_0EH_SetXYSensitive(i, i);
            link.hid_0DH_SetRGBLedEffect(i, 0, 0);
        }
        QList<int> sent;
        for (const QByteArray &b : m.commandBlocks())
            sent.append(uchar(b[0]) << 8 | uchar(b[1]));
        QCOMPARE(sent, (QList<int>{0x0E01, 0x0D01, 0x0E02, 0x0D02, 0x0E03, 0x0D03}));

        // Held, a batch folds to the newest send of each state, in the place of the newest.
        m.clearLog();
        QByteArray first = pattern(128), second = pattern(128, 7);
        link.holdCommands();
        link.hid_06H_SetProfileData(bytes(first), 0);
        link.hid_03H_SetReportRate(2);
        first.fill('z');   // the caller's buffer is its own again at once
        link.hid_06H_SetProfileData(bytes(second), 0);
        link.hid_03H_SetReportRate(4);
        link.hid_0AH_SetLEDShow(1);
        QVERIFY(!link.isLinkFree());
        // A read waits its turn, and gives up after its bound rather than for good.
        QElapsedTimer t;
        t.start();
        QCOMPARE(link.hid_83H_GetReportRate().toInt(), 1);
        QVERIFY(t.elapsed() >= Hid_Thread::ReadWaitMs - 50);
        link.releaseCommands();
        QList<int> codes;
        for (const QByteArray &b : m.commandBlocks())
            codes.append(uchar(b[0]));
        QCOMPARE(codes, (QList<int>{0x06, 0x03, 0x0A}));
        QCOMPARE(m.profileBlock(0), second);
        QCOMPARE(m.reportRate(), 4);
        QCOMPARE(link.failureCount(), 1);
        QCOMPARE(link.failureAt(0), QStringLiteral("command 83: link busy failed"));

        // A transfer refused once goes through on the second try; refused twice, it is
        // counted, and the user hears of it once, when the queue is empty.
        m.failCall(VirtualMouse::Call::Write);
        link.hid_07H_SetKeyMatrix(bytes(second), 0);
        QCOMPARE(m.keyMatrix(0), second);
        QCOMPARE(link.failureCount(), 1);
        for (int skip = 0; skip < 4; ++skip)
            m.failCall(VirtualMouse::Call::Write, skip);
        link.holdCommands();
        link.hid_08H_SetMacroKey(3, bytes(first));
        link.hid_09H_SetLEDData(bytes(first), 0, 1);
        link.hid_0BH_SetJMGD(2);
        link.releaseCommands();
        QVERIFY(link.waitForIdle());
        f.settle(50);
        QCOMPARE(link.failureCount(), 3);
        int balloons = 0;
        for (const QString &line : f.messages())
            balloons += line.startsWith(QStringLiteral("balloon: Info: 2 settings did not reach the mouse"));
        QCOMPARE(balloons, 1);
    }

    void unpluggedMidTransfer()
    {
        VirtualMouseFixture f;
        Hid_Thread &link = f.bareLink();
        VirtualMouse &m = f.mouse();
        const QByteArray before = m.profileBlock(0);

        // The command report and one of the two payload reports get through, then it is gone.
        m.vanishAfterReports(2);
        QByteArray block = pattern(128);
        link.hid_06H_SetProfileData(bytes(block), 0);
        QVERIFY(link.waitForIdle());
        QCOMPARE(m.profileBlock(0), before);   // half a block is never taken
        QCOMPARE(m.openCommandHandles(), 0);

        // The command path is forgotten: later commands fail at once, without a report.
        m.clearLog();
        link.hid_03H_SetReportRate(4);
        QVERIFY(m.reports().isEmpty());
        QVERIFY(link.devices().at(1).commandPath.isEmpty());

        // Plugged back, the next device check recovers.
        m.plug();
        link.stopWorker();
        link.waitForWorker();
        link.findDevices(loadBuiltInDeviceTable({}));
        link.swichCurDevice(uint(link.curDevice()));
        link.hid_03H_SetReportRate(4);
        QCOMPARE(m.reportRate(), 4);

        // A failed write ends the transaction the same way; its second try goes through whole.
        m.failCall(VirtualMouse::Call::Write, 1);
        link.hid_06H_SetProfileData(bytes(block), 0);
        QVERIFY(link.waitForIdle());
        QCOMPARE(m.openCommandHandles(), 0);
        QCOMPARE(m.abandonedPayloads(), 1);
        QCOMPARE(m.profileBlock(0), block);
        m.failCall(VirtualMouse::Call::Open);
        QVERIFY(!link.readCommand(0));
        QVERIFY(link.waitForIdle());
    }
};

QTEST_MAIN(TestCommandSet)
#include "tst_command_set.moc"
