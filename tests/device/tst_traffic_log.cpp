#include "device/device_table.h"
#include "device/hid_thread.h"
#include "device/hid_traffic_log.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

class TestTrafficLog : public QObject
{
    Q_OBJECT

    static QList<QByteArray> lines(const QString &file)
    {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        QList<QByteArray> out = f.readAll().split('\n');
        if (!out.isEmpty() && out.last().isEmpty())
            out.removeLast();
        return out;
    }

    // The lines without their time stamps.
    static QList<QByteArray> exchanges(const QList<QByteArray> &all, const QByteArray &tagPrefix = QByteArray())
    {
        QList<QByteArray> out;
        for (const QByteArray &l : all) {
            const QByteArray rest = l.mid(l.indexOf(' ') + 1);
            if (rest.startsWith(tagPrefix))
                out.append(rest);
        }
        return out;
    }

private slots:
    void lineFormat()
    {
        const unsigned char sf[9] = {0x00, 0x84, 0, 0, 0, 0, 0, 0, 0x7B};
        QCOMPARE(HidTrafficLog::line(1234, "SF", false, sf, 9), QByteArray("1234 SF 00840000000000007b"));
        QCOMPARE(HidTrafficLog::line(7, "SF", true, sf, 9), QByteArray("7 SF! 00840000000000007b"));
        QCOMPARE(HidTrafficLog::line(0, "GF", true, nullptr, 0), QByteArray("0 GF!"));
        const unsigned char rn[4] = {0x06, 0x07, 0x00, 0xAB};
        QCOMPARE(HidTrafficLog::line(99, "RN", false, rn, 4), QByteArray("99 RN 060700ab"));
    }

    void everyReportOfATransaction()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        const QString file = tree.filePath(QStringLiteral("hid.txt"));
        HidTrafficLog log(&f.mouse(), file);
        QVERIFY(log.isOpen());
        setCurrentHidBackend(&log);
        {
            Hid_Thread link;
            link.findDevices(loadBuiltInDeviceTable({}));
            link.swichCurDevice(uint(link.curDevice()));

            QByteArray block(128, '\0');
            for (int i = 0; i < 128; ++i)
                block[i] = char(i);
            link.hid_06H_SetProfileData(reinterpret_cast<uchar *>(block.data()), 0);
            link.hid_83H_GetReportRate();
            QByteArray back(128, '\0');
            link.hid_86H_ReadProfileData(reinterpret_cast<uchar *>(back.data()), 0);
            f.mouse().failCall(VirtualMouse::Call::SendFeature);
            link.hid_03H_SetReportRate(2);
            f.mouse().failCall(VirtualMouse::Call::GetFeature);
            link.hid_83H_GetReportRate();
            f.mouse().failCall(VirtualMouse::Call::Read);
            link.hid_86H_ReadProfileData(reinterpret_cast<uchar *>(back.data()), 0);
            f.mouse().pressDpiButton();
            QTRY_VERIFY(!exchanges(lines(file), "RN").isEmpty());
            link.stopWorker();
            f.mouse().wakeReaders();
        }
        setCurrentHidBackend(&f.mouse());

        const QList<QByteArray> all = lines(file);
        const QRegularExpression shape(QStringLiteral("^\\d+ (SF|GF|WO|RI|RN)!?( [0-9a-f]+)?$"));
        qint64 last = 0;
        for (const QByteArray &l : all) {
            QVERIFY2(shape.match(QString::fromLatin1(l)).hasMatch(), l.constData());
            const qint64 ms = l.left(l.indexOf(' ')).toLongLong();
            QVERIFY(ms >= last);
            last = ms;
        }

        QByteArray payload1 = "00", payload2 = "00";
        for (int i = 0; i < 64; ++i) {
            payload1 += QByteArray::number(i, 16).rightJustified(2, '0');
            payload2 += QByteArray::number(i + 64, 16).rightJustified(2, '0');
        }
        const QByteArray reply83 = "00" "830100000000007b";   // code, rate 1, checksum
        const QList<QByteArray> expected = {
            "SF 000600800000000079",
            "WO " + payload1,
            "WO " + payload2,
            "SF 00830000000000007c",
            "GF " + reply83,
            "SF 008600000000000079",
            "GF 008600000000000079",
            "RI " + payload1.mid(2),
            "RI " + payload2.mid(2),
            "SF! 0003020000000000fa",
            "SF 0003020000000000fa",   // the second try
            "SF 00830000000000007c",
            "GF!",
            "SF 008600000000000079",
            "GF 008600000000000079",
            "RI!",
            "RN 06070003",
        };
        QList<QByteArray> seen = exchanges(all);
        QCOMPARE(seen.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(seen[i], expected[i]);
    }
};

QTEST_MAIN(TestTrafficLog)
#include "tst_traffic_log.moc"
