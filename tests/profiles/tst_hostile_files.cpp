// Damaged and hostile settings, names and language files: the bridge starts, reads what it can,
// stays quick, and writes nothing but its own files.
#include "app/myqquickview.h"
#include "profiles/profile_file_dialogs.h"
#include "tests/support/runtime_tree.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

namespace {

QByteArray noise(int size, quint32 seed)
{
    QByteArray out;
    out.reserve(size);
    for (int i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        out.append(char(seed >> 24));
    }
    return out;
}

QByteArray factoryProfile()
{
    QFile f(QStringLiteral(SKALD_SOURCE_DIR "/modules/setting/pD.bin"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray hostile =
    "[J2]\nprofileNo=2000000000\n"
    "[common]\nlanguage=ChineseSimplified\npictureData=abc\n"
    "[main]\ntotal=2000000000\n0=a\n"
    "[other]\ntotal=2\n0=x\n"
    "[keyMenu]\ntotal=-7\n"
    "[profile]\ndata=1, x, 300\nprofileName=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff)\n"
    "[macro]\nmacroName=@Variant(\\0\\0\\0\\xff\\xff\\xff\\xff\\xff)\n"
    "[gun]\ngunName=@ByteArray(\\xff\\xfe)\n"
    "[sensor]\njmgd=abc\ndpi_J2=1, 2, 3\n";

QString chosen;
QString pick(QWidget *, const QString &, const QString &, const QString &)
{
    return chosen;
}

void noWarningBox(QWidget *, const QString &, const QString &) {}

QStringList filesUnder(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        out.append(QDir(root).relativeFilePath(it.next()));
    out.sort();
    return out;
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void everyFileDamaged_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray factory = factoryProfile();
        QVERIFY(!factory.isEmpty());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << factory.left(factory.size() * 3 / 5);
        QTest::newRow("garbage") << noise(65536, 7);
        QTest::newRow("zero bytes") << QByteArray("[sensor]\0jmgd=\0\0[profile]\ndata=\0, 1\n", 36);
        QTest::newRow("one long line") << QByteArray(1 << 20, '[');
        QTest::newRow("hostile values") << hostile;
        QByteArray wrongLengths = "[profile]\ndata=";
        for (int i = 0; i < 300; ++i)
            wrongLengths += QByteArray::number(i) + ", ";
        wrongLengths += "1\n[sensor]\ndpi_J2=800\ndpi_Select=1, 0\n[color_J2]\ntype1=1, 2, 3\n";
        QTest::newRow("wrong lengths") << wrongLengths;
    }

    void everyFileDamaged()
    {
        QFETCH(QByteArray, content);
        RuntimeTree tree;
        const QStringList files = {
            QStringLiteral("modules/setting/apConfig.bin"), QStringLiteral("modules/setting/pD.bin"),
            QStringLiteral("modules/setting/name.bin"), QStringLiteral("modules/i18n/lang_025044.ini")};
        for (QString name : files + QStringList{QStringLiteral("import.pf")}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        for (int i = 1; i <= 10; ++i) {
            QFile f(QStringLiteral("modules/setting/p%1.bin").arg(i));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        const QStringList before = filesUnder(tree.path());

        QElapsedTimer clock;
        clock.start();
        {
            myQQuickView view;
            view.ui_02H_SetCurrentProfile(view.getProfile().toInt());
            QVERIFY(view.currentProfile() >= 0 && view.currentProfile() < 6);
            view.getLang();
            for (int type = 0; type <= 8; ++type)
                QVERIFY(view.getGlobalStrings(type, QStringLiteral("lang_025044")).size() <= 1024);
            for (int type = 0; type <= 4; ++type)
                view.getNameList(type);
            view.getGlobalData(QStringLiteral("common/pictureData"));
            view.getData(QStringLiteral("sensor/jmgd"));
            view.mouseSetProfile(view.currentProfile());
            view.updataNameList(2, {QStringLiteral("Standard0")});
            view.resetProfile(1);
            view.copyProfile(2, 1);
            ProfileFileDialogs::save = pick;
            ProfileFileDialogs::open = pick;
            ProfileFileDialogs::warn = noWarningBox;
            chosen = tree.filePath(QStringLiteral("export.pf"));
            view.saveProfile(3);
            chosen = tree.filePath(QStringLiteral("import.pf"));
            view.loadProfile(4);
            view.syncSettings();
        }
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));

        QStringList after = filesUnder(tree.path());
        after.removeOne(QStringLiteral("export.pf"));
        QCOMPARE(after, before);
    }

    void hostileValuesReadSafely()
    {
        RuntimeTree tree;
        for (const char *name : {"modules/setting/apConfig.bin", "modules/setting/p1.bin", "modules/setting/name.bin",
                                 "modules/i18n/lang_025044.ini"}) {
            QFile f(QString::fromLatin1(name));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(hostile);
        }
        myQQuickView view;
        // Values that do not fit read as their defaults: the factory profile's where it has one.
        QCOMPARE(view.getProfile().toInt(), 0);
        view.ui_02H_SetCurrentProfile(view.getProfile().toInt());
        QCOMPARE(view.currentProfile(), 0);

        // The block's one good entry stays; the rest is the factory block's.
        QCOMPARE(QByteArray(reinterpret_cast<char *>(view.profileBlock(0)), 32),
                 QByteArray(1, 1) + QByteArray(29, 0) + QByteArray(2, 1));
        QCOMPARE(view.getData(QStringLiteral("sensor/jmgd")).toInt(), 2);
        QCOMPARE(view.getGlobalData(QStringLiteral("common/pictureData")), QVariantList());
        QCOMPARE(view.getGlobalStrings(0, QStringLiteral("lang_025044")).size(), 1024);
        QCOMPARE(view.getGlobalStrings(2, QStringLiteral("lang_025044")), QStringList());
        QCOMPARE(view.getGlobalStrings(6, QStringLiteral("lang_025044")).size(), 2);
        QCOMPARE(view.getNameList(2), QVariantList());
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_hostile_files.moc"
