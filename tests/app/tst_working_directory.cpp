#include "app/working_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// Where the program keeps its files: in place beside a portable executable, otherwise in the
// user's data folder, filled from the installed tree without ever losing the user's own files.
class TestWorkingDirectory : public QObject
{
    Q_OBJECT

    static bool write(const QString &path, const QByteArray &data)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // An installed program: <root>/bin holds only the executable, <root>/share/skald-config the
    // shipped tree, <root>/home the user's data folder (not made yet).
    struct Installed
    {
        QTemporaryDir dir;
        QString bin = dir.filePath(QStringLiteral("bin"));
        QString shipped = dir.filePath(QStringLiteral("share/skald-config"));
        QString home = dir.filePath(QStringLiteral("home/.local/share/skald-config"));

        Installed()
        {
            QDir().mkpath(bin);
            write(shipped + QStringLiteral("/modules/setting/p1.bin"), "[profile]\ndata=1\n");
            write(shipped + QStringLiteral("/modules/setting/apConfig.bin"), "[J2]\nprofileNo=0\n");
            write(shipped + QStringLiteral("/modules/i18n/lang_025044.ini"), "shipped language");
            QDir().mkpath(shipped + QStringLiteral("/modules/macro"));
            write(shipped + QStringLiteral("/HZK16"), QByteArray(4096, '\x5a'));
        }
    };

private slots:
    void portableTreeIsUsedInPlace()
    {
        QTemporaryDir dir;
        QVERIFY(write(dir.filePath(QStringLiteral("modules/setting/p1.bin")), "mine"));
        const QString user = dir.filePath(QStringLiteral("user"));
        QString error;
        QCOMPARE(WorkingDirectory::choose(dir.path(), user, &error), QDir::cleanPath(dir.path()));
        QVERIFY(error.isEmpty());
        QVERIFY(!QFileInfo::exists(user));
    }

    void installedProgramWorksInTheUserFolder()
    {
        Installed in;
        QString error;
        QCOMPARE(WorkingDirectory::choose(in.bin, in.home, &error), in.home);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(read(in.home + QStringLiteral("/modules/setting/p1.bin")), QByteArray("[profile]\ndata=1\n"));
        QCOMPARE(read(in.home + QStringLiteral("/HZK16")), QByteArray(4096, '\x5a'));
        QVERIFY(QFileInfo(in.home + QStringLiteral("/modules/macro")).isDir());
        QVERIFY(!QFileInfo::exists(in.bin + QStringLiteral("/modules")));

        // Between two starts the user changes a profile and loses a file; a newer version
        // ships one more. The user's change stays, the missing and the new file arrive.
        QVERIFY(write(in.home + QStringLiteral("/modules/setting/p1.bin"), "[profile]\ndata=2\n"));
        QVERIFY(QFile::remove(in.home + QStringLiteral("/modules/i18n/lang_025044.ini")));
        QVERIFY(write(in.shipped + QStringLiteral("/modules/gun/gunData.bin"), "new presets"));
        QVERIFY(write(in.shipped + QStringLiteral("/modules/setting/p1.bin"), "[profile]\ndata=3\n"));
        QCOMPARE(WorkingDirectory::choose(in.bin, in.home, &error), in.home);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(read(in.home + QStringLiteral("/modules/setting/p1.bin")), QByteArray("[profile]\ndata=2\n"));
        QCOMPARE(read(in.home + QStringLiteral("/modules/i18n/lang_025044.ini")), QByteArray("shipped language"));
        QCOMPARE(read(in.home + QStringLiteral("/modules/gun/gunData.bin")), QByteArray("new presets"));
    }

    void failedCopyStopsTheStart()
    {
        Installed in;
        // Something that is not a file stands where a shipped file must go.
        QVERIFY(QDir().mkpath(in.home + QStringLiteral("/modules/setting/p1.bin")));
        QString error;
        QVERIFY(WorkingDirectory::choose(in.bin, in.home, &error).isEmpty());
        QVERIFY2(error.contains(QStringLiteral("p1.bin")), qPrintable(error));
        const QStringList left = QDir(in.home + QStringLiteral("/modules/setting")).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(left.filter(QStringLiteral("p1.bin")).isEmpty(), qPrintable(left.join(QLatin1Char(' '))));

        // A user folder that cannot be made.
        Installed blocked;
        QVERIFY(write(blocked.dir.filePath(QStringLiteral("home/.local")), "a file, not a folder"));
        error.clear();
        QVERIFY(WorkingDirectory::choose(blocked.bin, blocked.home, &error).isEmpty());
        QVERIFY2(error.contains(QStringLiteral("cannot create")), qPrintable(error));
    }

    void withoutShippedTree()
    {
        QTemporaryDir dir;
        const QString user = dir.filePath(QStringLiteral("user"));
        QString error;
        QVERIFY(WorkingDirectory::choose(dir.path(), user, &error).isEmpty());
        QVERIFY2(error.contains(QStringLiteral("share/skald-config")), qPrintable(error));
        QVERIFY(WorkingDirectory::choose(dir.path(), QString(), &error).isEmpty());

        // The user's tree from an earlier start is still good to work in.
        QVERIFY(write(user + QStringLiteral("/modules/setting/p1.bin"), "mine"));
        error.clear();
        QCOMPARE(WorkingDirectory::choose(dir.path(), user, &error), QDir::cleanPath(user));
        QVERIFY(error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWorkingDirectory)
#include "tst_working_directory.moc"
