// The shipped factory profile: complete, within every page's ranges, and with a profile data
// block that says the same as the page-level keys.
#include "tests/support/runtime_tree.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {

QList<int> ints(const QVariant &v)
{
    QList<int> out;
    for (const QVariant &e : v.toList())
        out.append(e.toInt());
    return out;
}

// The two sensors' stage packing: (low byte, high flag).
QPair<int, int> pack(int dpi, bool is3337)
{
    const int units = dpi / 50;
    const int low = (is3337 && units > 256) ? units / 2 : units % 256;
    return {low, units > 255 ? 1 : 0};
}

} // namespace

class TestDefaultProfile : public QObject
{
    Q_OBJECT

private slots:
    void completeAndConsistent()
    {
        RuntimeTree tree;
        const QSettings d(QStringLiteral("./modules/setting/pD.bin"), QSettings::IniFormat);
        QCOMPARE(d.status(), QSettings::NoError);

        // Button assignments equal the key page's defaults.
        const char *const keys[16] = {"0100f000", "0100f100", "0100f200", "0100f400", "0100f300", "07000100",
                                      "07000200", "00000000", "00000000", "00000000", "00000000", "00000000",
                                      "00000000", "00000000", "04000100", "04000200"};
        for (int n = 0; n < 16; ++n) {
            QList<int> expected;
            for (int b = 0; b < 4; ++b)
                expected.append(QByteArray(keys[n]).mid(2 * b, 2).toInt(nullptr, 16));
            QCOMPARE(ints(d.value(QStringLiteral("keydefine_J2/%1").arg(n))), expected);
        }
        for (int n = 0; n < 9; ++n)
            QVERIFY(d.contains(QStringLiteral("macro/%1").arg(n)));
        QVERIFY(d.contains(QStringLiteral("selectGun/0")));

        const int x = d.value(QStringLiteral("XYSensitive/0")).toInt();
        const int y = d.value(QStringLiteral("XYSensitive/1")).toInt();
        QCOMPARE(x, 4);
        QCOMPARE(y, 4);
        QCOMPARE(d.value(QStringLiteral("sensor/reportRate_J2")).toInt(), 1);
        QCOMPARE(d.value(QStringLiteral("sensor/jmgd")).toInt(), 2);
        const int speed = d.value(QStringLiteral("sensor/cursorSpeed_J2")).toInt();
        const int doubleClick = d.value(QStringLiteral("sensor/doubleClickSpeed_J2")).toInt();
        const int lines = d.value(QStringLiteral("sensor/verticalScrollLines_J2")).toInt();
        QVERIFY(speed >= 0 && speed <= 10);           // 11 asks the system for more than it allows
        QVERIFY(doubleClick >= 0 && doubleClick <= 11);
        QVERIFY((lines >= 1 && lines <= 100) || lines == 1000);

        const QList<int> dpi3389 = ints(d.value(QStringLiteral("sensor/dpi_J2")));
        const QList<int> dpi3337 = ints(d.value(QStringLiteral("sensor/dpi_J2_3337")));
        QCOMPARE(dpi3389.size(), 8);
        QCOMPARE(dpi3337.size(), 8);
        for (int i = 0; i < 8; ++i) {
            QVERIFY(dpi3389[i] >= 200 && dpi3389[i] <= 16000 && dpi3389[i] % 100 == 0);
            QVERIFY(dpi3337[i] >= 200 && dpi3337[i] <= 18000 && dpi3337[i] % 100 == 0);
        }
        const QList<int> enabled = ints(d.value(QStringLiteral("sensor/dpi_Select")));
        QCOMPARE(enabled, QList<int>(8, 1));

        const QList<int> colours = ints(d.value(QStringLiteral("color_J2/type1")));
        const QList<int> pageColours = {255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0,
                                        0, 255, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255};
        QCOMPARE(colours, pageColours);
        const QList<int> led = ints(d.value(QStringLiteral("color_J2/ledEffect")));
        QCOMPARE(led.size(), 6);
        QVERIFY(led[0] >= 1 && led[0] <= 4 && led[1] >= 0 && led[1] <= 4 && led[2] == 0);

        // The block carries the same settings.
        const QList<int> block = ints(d.value(QStringLiteral("profile/data")));
        QCOMPARE(block.size(), 128);
        QCOMPARE(block[30], 1);
        QCOMPARE(block[31], 1);
        QCOMPARE(block[35], (x + 1) * 20);
        QCOMPARE(block[36], (y + 1) * 20);
        for (int i = 0; i < 8; ++i) {
            // Whichever sensor is connected, the stored block holds its packing of its own list.
            for (bool is3337 : {false, true}) {
                const auto packed = pack(is3337 ? dpi3337[i] : dpi3389[i], is3337);
                QCOMPARE(block[37 + 2 * i], packed.first);
                QCOMPARE(block[38 + 2 * i], packed.second);
                QCOMPARE(block[53 + 2 * i], packed.first);
                QCOMPARE(block[54 + 2 * i], packed.second);
            }
        }
        int mask = 0;
        for (int i = 0; i < 8; ++i)
            mask |= enabled[i] == 1 ? 1 << i : 0;
        QCOMPARE(block[71], mask);
        // Lighting in the mouse's terms, as the main screen translates the page's effect and level.
        int option = 1;
        if (led[0] == 1)
            option = QList<int>{0, 2, 4, 6, 10}[led[1]];
        else if (led[0] == 2)
            option = 2 * led[1] + 2;
        else
            option = 6 * (led[1] + 1);
        const bool off = led[0] == 1 && led[1] == 0;
        QCOMPARE(block.mid(73, 6), (QList<int>{off ? 0 : led[0], off ? 0 : option, 0, led[3], led[4], led[5]}));
        QCOMPARE(block.mid(100, 24), colours);
    }

    void firstProfileIsTheFactoryProfile()
    {
        RuntimeTree tree;
        QFile d(QStringLiteral("./modules/setting/pD.bin"));
        QFile p1(QStringLiteral("./modules/setting/p1.bin"));
        QVERIFY(d.open(QIODevice::ReadOnly) && p1.open(QIODevice::ReadOnly));
        QCOMPARE(p1.readAll(), d.readAll());
    }
};

QTEST_APPLESS_MAIN(TestDefaultProfile)
#include "tst_default_profile.moc"
