#include "device/device_table.h"
#include "profiles/product_names.h"
#include "device/mouse_model.h"
#include "tests/support/runtime_tree.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class TestDeviceTable : public QObject
{
    Q_OBJECT

    static QSettings *table(QTemporaryDir &dir, const QByteArray &text)
    {
        const QString path = dir.filePath(QStringLiteral("t.ini"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
        f.close();
        return new QSettings(path, QSettings::IniFormat);
    }

private slots:
    void shippedTableHasTwoMiceAndIgnoresTheKeyboard()
    {
        const QSettings shipped(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
        const DeviceTable t = parseDeviceTable(shipped, {QStringLiteral("A"), QStringLiteral("B")});
        QCOMPARE(t.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(t[i].type, 1);
            QCOMPARE(t[i].vid, quint16(0x1209));
            QCOMPARE(t[i].usagePage, quint16(0xff01));
            QCOMPARE(t[i].usage, quint16(0xff01));
            QCOMPARE(t[i].usagePage2, quint16(0xff02));
            QCOMPARE(t[i].usage2, quint16(0xff02));
            QCOMPARE(t[i].reportLength, 64u);
        }
        QCOMPARE(t[0].pid, quint16(0x0007));
        QCOMPARE(t[1].pid, quint16(0x0008));
        QCOMPARE(t[0].name, QStringLiteral("A"));
        QCOMPARE(t[1].name, QStringLiteral("B"));
        QVERIFY(!deviceTableIsEncode(shipped));
    }

    void shippedFileKeepsItsCommentsAndCrlf()
    {
        QFile f(QStringLiteral(":/DevInfo.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.startsWith("; type 0: Keyboard, type 1: Mouse\r\n"));
        QVERIFY(text.contains(";pid = 0006\r\n"));
        QVERIFY(!text.contains("\n\n"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
    }

    void parseRules()
    {
        QTemporaryDir dir;
        std::unique_ptr<QSettings> s(table(dir,
            "[common]\ntotal = 3\nisEncode = true\n"
            "[0]\ntype = 1\nvid = zz\npid = 00ff\nusagePage = ff01\nusage = 0001\nreportLength = 64\n"
            "[1]\nreportLength = abc\n"
            "[2]\ntype = a\nusage2 = 12345\n"));
        const DeviceTable t = parseDeviceTable(*s, {QStringLiteral("only one")});
        QCOMPARE(t.size(), 3);
        QCOMPARE(t[0].vid, quint16(0));          // not a number
        QCOMPARE(t[0].pid, quint16(0xff));
        QCOMPARE(t[0].usagePage, quint16(65281));
        QCOMPARE(t[0].usage, quint16(1));
        QCOMPARE(t[0].reportLength, 64u);         // decimal
        QCOMPARE(t[1].type, -1);                  // absent
        QCOMPARE(t[1].reportLength, 0u);
        QCOMPARE(t[1].name, QString());           // the names list is shorter
        QCOMPARE(t[2].type, 10);                  // hexadecimal
        QCOMPARE(t[2].usage2, quint16(0x2345));   // kept to 16 bits
        QVERIFY(deviceTableIsEncode(*s));
    }

    void emptyOrMissingCount()
    {
        QTemporaryDir dir;
        std::unique_ptr<QSettings> none(table(dir, "[0]\ntype = 1\n"));
        QVERIFY(parseDeviceTable(*none, {}).isEmpty());
        QVERIFY(!deviceTableIsEncode(*none));
        std::unique_ptr<QSettings> zero(table(dir, "[common]\ntotal = 0\n[0]\ntype = 1\n"));
        QVERIFY(parseDeviceTable(*zero, {}).isEmpty());
        std::unique_ptr<QSettings> hostile(table(dir, "[common]\ntotal = -5\n"));
        QVERIFY(parseDeviceTable(*hostile, {}).isEmpty());
        // A count of billions once kept the device check reading for good, and a report length
        // of two gigabytes made every transfer ask for that much.
        std::unique_ptr<QSettings> endless(
            table(dir, "[common]\ntotal = 4294967\n[0]\nreportLength = 2147483647\n[1]\nreportLength = 4096\n"));
        const DeviceTable t = parseDeviceTable(*endless, {});
        QCOMPARE(t.size(), 256);
        QCOMPARE(t[0].reportLength, 0u);
        QCOMPARE(t[1].reportLength, 4096u);
    }

    // A model is described once and listed in two files: the built-in table, at the index that
    // becomes its device kind, and the udev rule that lets the user open it.
    void everyModelIsInTheTableAndTheUdevRule()
    {
        const QSettings shipped(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
        const DeviceTable t = parseDeviceTable(shipped, {});
        QFile rule(QStringLiteral(SKALD_SOURCE_DIR "/packaging/70-skald-mouse.rules"));
        QVERIFY(rule.open(QIODevice::ReadOnly));
        const QString rules = QString::fromUtf8(rule.readAll());
        QCOMPARE(t.size(), mouseModels().size());
        for (int kind = 0; kind < t.size(); ++kind) {
            const MouseModel &m = mouseModels()[kind];
            QCOMPARE(&modelForDeviceKind(kind), &m);
            QCOMPARE(t[kind].vid, m.vendorId);
            QCOMPARE(t[kind].pid, m.productId);
            const QString ids = QStringLiteral("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\"")
                                    .arg(m.vendorId, 4, 16, QLatin1Char('0'))
                                    .arg(m.productId, 4, 16, QLatin1Char('0'));
            QVERIFY2(rules.contains(ids), qPrintable(ids));
        }
        QCOMPARE(modelForDeviceKind(-1).id, defaultModel().id);
        QCOMPARE(modelForDeviceKind(int(t.size())).id, defaultModel().id);
    }

    void namesComeFromTheApplicationConfiguration()
    {
        RuntimeTree tree;
        QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
        config.setValue(QStringLiteral("common/product_name"), QStringList{QStringLiteral("First")});
        config.sync();
        const DeviceTable t = loadBuiltInDeviceTable(productNamesFromConfig());
        QCOMPARE(t.size(), 2);
        QCOMPARE(t[0].name, QStringLiteral("First"));
        QCOMPARE(t[1].name, QString());
    }
};

QTEST_GUILESS_MAIN(TestDeviceTable)
#include "tst_device_table.moc"
