// Damaged profile files applied to the virtual mouse: the mouse gets sound settings, the left
// button stays the left button, and the file is mended or kept, never zeroed.
#include "app/profile_applier.h"
#include "app/widget.h"
#include "device/link_state.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray withLine(QByteArray profile, const QByteArray &section, const QByteArray &line)
{
    const QByteArray key = line.left(line.indexOf('=') + 1);
    const qsizetype at = profile.indexOf("\n" + key, profile.indexOf("[" + section + "]"));
    if (at < 0)
        return profile + "\n[" + section + "]\n" + line + "\n";
    const qsizetype end = profile.indexOf('\n', at + 1);
    return profile.left(at + 1) + line + profile.mid(end);
}

// Applies profile 1 in-process as --apply-profile does; the exit status it would give.
int applyProfile1(VirtualMouseFixture &f, QString *message = nullptr)
{
    Widget *w = f.widget();
    QQuickItem *root = w->view()->rootObject();
    if (!QTest::qWaitFor([&] { return root->property("isPowerOn").toBool(); }))
        return -1;
    f.mouse().clearLog();
    int code = -1;
    ProfileApplier applier(w, 1);
    applier.setFinishedHandler([&](int c) { code = c; });
    if (!applier.start() || !QTest::qWaitFor([&] { return code >= 0; }, 20000))
        return -1;
    if (message)
        *message = applier.message();
    return code;
}

} // namespace

class TestDamagedFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LinkState::deviceConnected = false; }

    void damagedProfileApplied_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray factory = bytesOf(QStringLiteral(SKALD_SOURCE_DIR "/modules/setting/pD.bin"));
        QVERIFY(!factory.isEmpty());
        QByteArray garbage;
        quint32 x = 99;
        for (int i = 0; i < 8192; ++i) {
            x = x * 1664525u + 1013904223u;
            garbage.append(char(x >> 24));
        }
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << factory.left(factory.indexOf("[keydefine_J2]") + 30);
        QTest::newRow("garbage") << garbage;
        QTest::newRow("short key entries") << withLine(withLine(factory, "keydefine_J2", "0=1, 0"), "keydefine_J2", "3=1, 0, 244, 0, 9");
        QTest::newRow("lift-off -5") << withLine(factory, "sensor", "jmgd=-5");
        QTest::newRow("negative dpi") << withLine(factory, "sensor", "dpi_J2=-400, -800, -1600, -2400, -3200, -6400, -8000, -12000");
        QTest::newRow("huge dpi") << withLine(factory, "sensor", "dpi_J2=99999999999, 800, 1600, 2400, 3200, 6400, 8000, 12000");
        QTest::newRow("words for dpi") << withLine(factory, "sensor", "dpi_J2=a, b, c, d, e, f, g, h");
        QTest::newRow("one dpi value") << withLine(factory, "sensor", "dpi_J2=16000");
        QByteArray minusOne = factory;
        for (int i = 0; i < 16; ++i)
            minusOne = withLine(minusOne, "keydefine_J2", QByteArray::number(i) + "=-1");
        QTest::newRow("keydefine -1") << minusOne;
        for (const char *slot : {"255", "0"}) {
            QByteArray noSuchMacro = factory;
            for (int i = 0; i < 16; ++i)
                noSuchMacro = withLine(noSuchMacro, "keydefine_J2", QByteArray::number(i) + "=9, 0, " + QByteArray(slot) + ", 0");
            QTest::newRow(("macro slot " + QByteArray(slot)).constData()) << noSuchMacro;
        }
        QTest::newRow("wrong-length block") << withLine(factory, "profile", "data=1, 2, 3");
    }

    void damagedProfileApplied()
    {
        QFETCH(QByteArray, content);
        RuntimeTree tree;
        const QString file = QStringLiteral("modules/setting/p2.bin");
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        VirtualMouseFixture f;
        QCOMPARE(applyProfile1(f), 0);

        // Every button has a real assignment, the left button first.
        const QByteArray matrix = f.mouse().keyMatrix(0);
        QCOMPARE(matrix.left(4), QByteArray::fromHex("0100f000"));
        QVERIFY(!matrix.contains(QByteArray::fromHex("ffffffff")));
        QCOMPARE(matrix.count('\0') < matrix.size() - 16, true);
        for (int i = 0; i + 3 < matrix.size(); i += 4) {
            if (matrix[i] == 0x09)
                QVERIFY2(matrix[i + 2] >= 1 && matrix[i + 2] <= 16, qPrintable(QStringLiteral("entry %1").arg(i / 4)));
        }
        QVERIFY(f.mouse().liftOff() == 2 || f.mouse().liftOff() == 3);
        for (int stage = 1; stage <= 8; ++stage) {
            const int dpi = f.mouse().stageDpi(stage);
            QVERIFY2(dpi >= 200 && dpi <= 16000, qPrintable(QStringLiteral("stage %1: %2").arg(stage).arg(dpi)));
        }
        const QByteArray block = f.mouse().profileBlock(0);
        QCOMPARE(block.mid(30, 2), QByteArray(2, 1));

        // What the file now holds is what was sent, never zeros.
        QSettings stored(file, QSettings::IniFormat);
        const QVariantList left = stored.value(QStringLiteral("keydefine_J2/0")).toList();
        if (!left.isEmpty())
            QCOMPARE(left, (QVariantList{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("240"), QStringLiteral("0")}));
        const QVariant jmgd = stored.value(QStringLiteral("sensor/jmgd"));
        QVERIFY(!jmgd.isValid() || jmgd.toInt() == 2 || jmgd.toInt() == 3);
    }

    // A list that is partly damaged keeps what is good in it, in the file and on the mouse; only
    // the damaged line of the file changes.
    void partlyDamagedListsKeepTheirValidEntries_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");      // the key's value in the file after the apply
        QTest::addColumn<int>("offset");          // where in the block the mouse received ...
        QTest::addColumn<QByteArray>("bytes");    // ... these bytes

        const QByteArray rest = "0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255";
        QTest::newRow("colours of 3") << QByteArray("color_J2") << QByteArray("type1=10, 20, 30") << QStringLiteral("color_J2/type1")
                                      << QString::fromLatin1("10, 20, 30, " + rest) << 100 << QByteArray::fromHex("0a141e0000ff00ff");
        QTest::newRow("colours of 25") << QByteArray("color_J2") << QByteArray("type1=10, 20, 30, " + rest + ", 77")
                                       << QStringLiteral("color_J2/type1") << QString::fromLatin1("10, 20, 30, " + rest + ", 77") << 100
                                       << QByteArray::fromHex("0a141e0000ff00ff");
        // Stage 2 stays disabled: bit 1 of the mask is clear.
        QTest::newRow("stage enables of 3") << QByteArray("sensor") << QByteArray("dpi_Select=1, 0, 1") << QStringLiteral("sensor/dpi_Select")
                                            << QStringLiteral("1, 0, 1, 1, 1, 1, 1, 1") << 71 << QByteArray::fromHex("fd");
        QByteArray head;
        QByteArray line = "data=";
        for (int i = 0; i < 40; ++i) {
            // Bytes the pages write themselves (the marks, the sensitivities, the first DPI) as
            // the settings have them.
            const int byte = i == 30 || i == 31 ? 1 : i == 35 || i == 36 ? 100 : i == 37 ? 8 : i == 38 ? 0 : i == 39 ? 16 : 200 + i;
            head.append(char(byte));
            line += QByteArray::number(byte) + (i < 39 ? ", " : "");
        }
        QTest::newRow("block of 40") << QByteArray("profile") << line << QString() << QString() << 0 << head;
        QTest::newRow("x/y 12") << QByteArray("XYSensitive") << QByteArray("0=12") << QStringLiteral("XYSensitive/0") << QStringLiteral("9")
                                << 35 << QByteArray::fromHex("c864");
    }

    void partlyDamagedListsKeepTheirValidEntries()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, line);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        RuntimeTree tree;
        const QString file = QStringLiteral("modules/setting/p2.bin");
        const QByteArray damaged = withLine(bytesOf(QStringLiteral("modules/setting/pD.bin")), section, line);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(damaged);
        }
        VirtualMouseFixture f;
        f.widget();
        const QByteArray mendedFile = bytesOf(file);
        QCOMPARE(applyProfile1(f), 0);

        QCOMPARE(f.mouse().profileBlock(0).mid(offset, bytes.size()).toHex(), bytes.toHex());
        if (!key.isEmpty()) {
            QSettings after(file, QSettings::IniFormat);
            QCOMPARE(after.value(key).toStringList().join(QStringLiteral(", ")), stored);
        }
        // At start only the damaged line was rewritten: every other line kept its bytes.
        QList<QByteArray> before = damaged.split('\n');
        QList<QByteArray> now = mendedFile.split('\n');
        QCOMPARE(now.size(), before.size());
        int changed = 0;
        for (qsizetype i = 0; i < now.size(); ++i)
            changed += now[i] == before[i] ? 0 : 1;
        QCOMPARE(changed, line.endsWith(", 77") ? 0 : 1);
    }

    // A file that is no profile at all is replaced by the factory profile, and the user is told.
    void wholeDamagedFileTakesTheFactoryProfile()
    {
        RuntimeTree tree;
        const QString file = QStringLiteral("modules/setting/p2.bin");
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("\x7f" "ELF not a profile\n\x01\x02[[[\n");
        }
        VirtualMouseFixture f;
        f.widget();
        QCOMPARE(bytesOf(file), bytesOf(QStringLiteral("modules/setting/pD.bin")));
        QCOMPARE(applyProfile1(f), 0);
        QCOMPARE(f.mouse().profileBlock(0).mid(71, 1), QByteArray::fromHex("ff"));
    }

    // A profile whose file cannot be written: the mouse gets it, but the apply fails, because
    // the file is the reference.
    void unwritableProfileReported()
    {
        RuntimeTree tree;
        const QString file = QStringLiteral("modules/setting/p2.bin");
        QFile::remove(file);
        QVERIFY(QFile::link(tree.filePath(QStringLiteral("no/such/folder/p2.bin")), file));
        VirtualMouseFixture f;
        QString message;
        QCOMPARE(applyProfile1(f, &message), 2);
        QVERIFY2(message.contains(QStringLiteral("could not be stored")), qPrintable(message));
    }
};

QTEST_MAIN(TestDamagedFiles)
#include "tst_damaged_files.moc"
