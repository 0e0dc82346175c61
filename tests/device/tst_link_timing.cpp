#include "device/hid_thread.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QtTest>

// The transport's fixed delays, slept for real.
class TestLinkTiming : public QObject
{
    Q_OBJECT

private slots:
    void settledWritesTakeTheirTime()
    {
        RuntimeTree tree;
        VirtualMouseFixture f(3389, VirtualMouseFixture::SleepPauses);
        Hid_Thread &link = f.bareLink();
        QByteArray block(128, '\x11');
        QElapsedTimer t;

        t.start();
        link.hid_06H_SetProfileData(reinterpret_cast<uchar *>(block.data()), 0);
        QVERIFY(link.waitForIdle());
        const qint64 payloadWrite = t.elapsed();
        QCOMPARE(f.mouse().profileBlock(0), block);

        t.restart();
        link.hid_03H_SetReportRate(2);
        QVERIFY(link.waitForIdle());
        const qint64 plainWrite = t.elapsed();
        QCOMPARE(f.mouse().reportRate(), 2);

        qInfo("settled 128-byte write: %lld ms; settled write without payload: %lld ms", payloadWrite, plainWrite);
        QVERIFY(payloadWrite >= 282);
        QVERIFY(plainWrite >= 138);
        // Nothing but the fixed delays: no sleeping beyond them worth speaking of.
        QVERIFY(payloadWrite < 282 + 1000);
        QVERIFY(plainWrite < 138 + 1000);
        QCOMPARE(f.pauses(), QList<int>());   // slept, not recorded
    }
};

QTEST_MAIN(TestLinkTiming)
#include "tst_link_timing.moc"
