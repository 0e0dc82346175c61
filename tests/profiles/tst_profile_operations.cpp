// The bridge's profile files and whole-profile operations, on a private runtime tree.
#include "app/myqquickview.h"
#include "profiles/profile_file_dialogs.h"
#include "profiles/settings_file.h"
#include "tests/support/runtime_tree.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QString profilePath(int index)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(index + 1);
}

// Stand-ins for the file dialogs: they answer with `answer` and remember how they were asked.
struct DialogCall
{
    QWidget *parent = nullptr;
    QString caption, directory, filter;
};
QString answer;
QList<DialogCall> calls;

QStringList warnings;
void fakeWarning(QWidget *, const QString &title, const QString &text)
{
    warnings.append(title + QStringLiteral(": ") + text);
}

QString fakeDialog(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    calls.append({parent, caption, directory, filter});
    return answer;
}

void checkTenFilesInOrder(const myQQuickView &view)
{
    QSet<QSettings *> seen;
    for (int i = 0; i < 10; ++i) {
        QSettings *s = view.profileFile(i);
        QVERIFY(s);
        QVERIFY(s->fileName().endsWith(QStringLiteral("/modules/setting/p%1.bin").arg(i + 1)));
        seen.insert(s);
    }
    QCOMPARE(seen.size(), 10);
    QVERIFY(!view.profileFile(10));
}

} // namespace

class TestProfileOperations : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ProfileFileDialogs::open = fakeDialog;
        ProfileFileDialogs::save = fakeDialog;
        ProfileFileDialogs::warn = fakeWarning;
        warnings.clear();
        answer.clear();
        calls.clear();
    }

    void startsWithoutAnyFile()
    {
        RuntimeTree tree(false);
        {
            myQQuickView view;
            // A profile without a file is the factory profile, never a block of zeros: every
            // stage enabled, the first at 400 DPI, a static red light.
            for (int p = 0; p < 6; ++p) {
                const uchar *block = view.profileBlock(p);
                QCOMPARE(QByteArray(reinterpret_cast<const char *>(block + 71), 8),
                         QByteArray::fromHex("ff0001") + QByteArray::fromHex("0a00ff0000"));
                QCOMPARE(int(block[37]), 8);
            }
            QVERIFY(!view.profileBlock(6));
            QCOMPARE(view.currentProfile(), 0);
            QCOMPARE(view.getProfile().toInt(), 0);
            QCOMPARE(view.getData(QStringLiteral("sensor/jmgd")).toInt(), 2);   // factory lift-off for a missing one
            // Making the current profile current again writes nothing.
            view.ui_02H_SetCurrentProfile(0);
            view.syncSettings();
        }
        // Only the language of the first start is stored.
        QCOMPARE(QDir(QStringLiteral("modules/setting")).entryList(QDir::Files), QStringList{QStringLiteral("apConfig.bin")});
        QCOMPARE(QSettings(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat).allKeys(),
                 QStringList{QStringLiteral("common/language")});
    }

    void loadsTheCachedBlocks()
    {
        RuntimeTree tree;
        QVariantList data;
        for (int i = 0; i < 130; ++i)
            data.append((i * 7) & 0xFF);
        {
            QSettings p3(profilePath(2), QSettings::IniFormat);
            p3.setValue(QStringLiteral("profile/data"), data);
            QSettings p7(profilePath(6), QSettings::IniFormat);
            p7.setValue(QStringLiteral("profile/data"), data);
        }
        myQQuickView view;
        for (int i = 0; i < 128; ++i)
            QCOMPARE(int(view.profileBlock(2)[i]), (i * 7) & 0xFF);
        // The shipped first profile carries the factory block.
        QCOMPARE(int(view.profileBlock(0)[71]), 0xFF);
        QCOMPARE(int(view.profileBlock(1)[71]), 0xFF);   // no file: the factory block too

        // Reading a file into a buffer: the entries that fit stay, what does not fit or is
        // missing is the factory block's; indices outside the ten files are refused.
        uchar dest[128];
        memset(dest, 0xAA, sizeof dest);
        {
            QSettings p10(profilePath(9), QSettings::IniFormat);
            p10.setValue(QStringLiteral("profile/data"), QVariantList{5, QStringLiteral("nine"), 256 + 3});
        }
        QSettings *p10 = view.profileFile(9);
        p10->sync();
        view.mouseReadProfile(dest, 9);
        QCOMPARE(int(dest[0]), 5);
        QCOMPARE(int(dest[1]), 0);
        QCOMPARE(int(dest[2]), 0);
        QCOMPARE(int(dest[71]), 0xFF);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("mouseReadProfile refused")));
        view.mouseReadProfile(dest, 10);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("mouseReadProfile refused")));
        view.mouseReadProfile(dest, -1);
        view.mouseReadProfile(nullptr, 0);
        QCOMPARE(int(dest[0]), 5);
    }

    void currentProfile()
    {
        RuntimeTree tree(false);
        myQQuickView view;
        view.ui_02H_SetCurrentProfile(3);
        QCOMPARE(view.currentProfile(), 3);
        QCOMPARE(view.getProfile().toInt(), 3);
        QCOMPARE(view.currentSettings(), view.profileFile(3));

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("ui_02H_SetCurrentProfile refused")));
        view.ui_02H_SetCurrentProfile(6);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("ui_02H_SetCurrentProfile refused")));
        view.ui_02H_SetCurrentProfile(-1);
        QCOMPARE(view.currentProfile(), 3);
        QCOMPARE(view.getProfile().toInt(), 3);

        // setProfile only records a number; it does not change the current profile.
        view.setProfile(QStringLiteral("4"));
        QCOMPARE(view.getProfile().toInt(), 4);
        QCOMPARE(view.currentProfile(), 3);

        view.syncSettings();
        const QByteArray before = bytesOf(QStringLiteral("./modules/setting/apConfig.bin"));
        view.ui_02H_SetCurrentProfile(3);
        view.syncSettings();
        QCOMPARE(bytesOf(QStringLiteral("./modules/setting/apConfig.bin")), before);
    }

    void storesTheDataBlock()
    {
        RuntimeTree tree(false);
        myQQuickView view;
        view.profileBlock(2)[35] = 120;
        view.profileBlock(2)[127] = 9;
        view.mouseSetProfile(2);
        QCOMPARE(int(view.profileBlock(2)[30]), 1);
        QCOMPARE(int(view.profileBlock(2)[31]), 1);
        view.syncSettings();
        {
            const QSettings p3(profilePath(2), QSettings::IniFormat);
            const QVariantList stored = p3.value(QStringLiteral("profile/data")).toList();
            QCOMPARE(stored.size(), 128);
            QCOMPARE(stored[30].toInt(), 1);
            QCOMPARE(stored[31].toInt(), 1);
            QCOMPARE(stored[35].toInt(), 120);
            QCOMPARE(stored[127].toInt(), 9);
        }
        QVERIFY(!QFile::exists(profilePath(0)));

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("mouseSetProfile refused")));
        view.mouseSetProfile(6);
        view.syncSettings();
        QVERIFY(!QFile::exists(profilePath(6)));

        // A new run reads the stored block back.
        myQQuickView again;
        QCOMPARE(QByteArray(reinterpret_cast<char *>(again.profileBlock(2)), 128),
                 QByteArray(reinterpret_cast<char *>(view.profileBlock(2)), 128));
    }

    void resetReplacesTheFile()
    {
        RuntimeTree tree;
        myQQuickView view;
        view.profileBlock(1)[35] = 77;
        view.profileFile(1)->setValue(QStringLiteral("sensor/jmgd"), 3);
        view.profileFile(1)->sync();
        // Written just before the reset, still buffered.
        view.profileFile(1)->setValue(QStringLiteral("sensor/reportRate_J2"), 8);
        view.resetProfile(1);

        const QByteArray defaults = bytesOf(QStringLiteral("./modules/setting/pD.bin"));
        QVERIFY(!defaults.isEmpty());
        QCOMPARE(bytesOf(profilePath(1)), defaults);
        QCOMPARE(view.profileFile(1)->value(QStringLiteral("sensor/jmgd")).toInt(), 2);
        QCOMPARE(view.profileFile(1)->value(QStringLiteral("sensor/reportRate_J2")).toInt(), 1);
        checkTenFilesInOrder(view);
        // The cached block keeps the old profile's values until the pages resend their settings.
        QCOMPARE(int(view.profileBlock(1)[35]), 77);

        // Releasing the old settings object later changes nothing on disk.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bytesOf(profilePath(1)), defaults);
    }

    void resetOfAFileLikeTheDefaults()
    {
        // Same size as the defaults: the new content must still be seen at once.
        RuntimeTree tree;
        QByteArray almost = bytesOf(QStringLiteral("./modules/setting/pD.bin"));
        QVERIFY(almost.contains("jmgd=2"));
        almost.replace("jmgd=2", "jmgd=3");
        writeFile(profilePath(3), almost);
        myQQuickView view;
        QCOMPARE(view.profileFile(3)->value(QStringLiteral("sensor/jmgd")).toInt(), 3);
        view.resetProfile(3);
        QCOMPARE(view.profileFile(3)->value(QStringLiteral("sensor/jmgd")).toInt(), 2);
    }

    void resetWithoutDefaults()
    {
        RuntimeTree tree;
        QVERIFY(QFile::remove(QStringLiteral("./modules/setting/pD.bin")));
        myQQuickView view;
        QCOMPARE(view.getData(QStringLiteral("sensor/jmgd")).toInt(), 2);
        // Without defaults the reset fails: the user is told, and the profile stays whole.
        const QByteArray before = bytesOf(profilePath(0));
        view.resetProfile(0);
        QCOMPARE(bytesOf(profilePath(0)), before);
        QCOMPARE(view.getData(QStringLiteral("sensor/jmgd")).toInt(), 2);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(QStringLiteral("could not be reset")), qPrintable(warnings[0]));

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("resetProfile refused")));
        view.resetProfile(10);
    }

    void copyProfile()
    {
        RuntimeTree tree;
        myQQuickView view;
        view.profileFile(1)->setValue(QStringLiteral("sensor/jmgd"), 2);
        view.profileFile(4)->setValue(QStringLiteral("sensor/jmgd"), 3);
        view.profileFile(4)->setValue(QStringLiteral("macro/0"), QStringLiteral("Macro_0"));
        view.copyProfile(1, 4);

        const QByteArray source = bytesOf(profilePath(4));
        QVERIFY(source.contains("jmgd=3"));
        QCOMPARE(bytesOf(profilePath(1)), source);
        QCOMPARE(view.profileFile(1)->value(QStringLiteral("macro/0")).toString(), QStringLiteral("Macro_0"));
        QCOMPARE(view.profileFile(4)->value(QStringLiteral("sensor/jmgd")).toInt(), 3);
        checkTenFilesInOrder(view);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bytesOf(profilePath(4)), source);
        QCOMPARE(bytesOf(profilePath(1)), source);

        // A profile copied onto itself stays as it is.
        view.copyProfile(4, 4);
        QCOMPARE(bytesOf(profilePath(4)), source);
        QCOMPARE(view.profileFile(4)->value(QStringLiteral("sensor/jmgd")).toInt(), 3);

        // A source that cannot be read leaves the target as it was, and says so.
        QFile::remove(profilePath(7));
        view.copyProfile(1, 7);
        QCOMPARE(bytesOf(profilePath(1)), source);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(QStringLiteral("could not be copied")));

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("copyProfile refused")));
        view.copyProfile(1, 10);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("copyProfile refused")));
        view.copyProfile(-1, 0);
        QCOMPARE(bytesOf(profilePath(1)), source);
    }

    void exportProfile()
    {
        RuntimeTree tree;
        myQQuickView view;
        view.profileFile(2)->setValue(QStringLiteral("sensor/jmgd"), 3);
        answer = tree.filePath(QStringLiteral("out.pf"));
        view.saveProfile(2);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].parent, &view);
        QCOMPARE(calls[0].caption, QStringLiteral("Save File"));
        QCOMPARE(calls[0].directory, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        QCOMPARE(calls[0].filter, QStringLiteral("Profile(*.pf)"));
        QVERIFY(bytesOf(answer).contains("jmgd=3"));
        QCOMPARE(bytesOf(answer), bytesOf(profilePath(2)));

        // An existing export file is replaced.
        writeFile(answer, "something else entirely, and longer than a profile would be ..........");
        view.saveProfile(0);
        QCOMPARE(bytesOf(answer), bytesOf(profilePath(0)));

        // Cancelled: nothing happens.
        const QByteArray kept = bytesOf(answer);
        answer.clear();
        view.saveProfile(2);
        QCOMPARE(bytesOf(tree.filePath(QStringLiteral("out.pf"))), kept);

        // Exporting a profile onto its own file keeps the file.
        const QByteArray own = bytesOf(profilePath(0));
        answer = QFileInfo(profilePath(0)).absoluteFilePath();
        view.saveProfile(0);
        QCOMPARE(bytesOf(profilePath(0)), own);

        // A folder that is not there: the export fails and says so.
        QVERIFY(warnings.isEmpty());
        answer = tree.filePath(QStringLiteral("no/such/folder/out.pf"));
        view.saveProfile(0);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(QStringLiteral("could not be exported")));

        calls.clear();
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("saveProfile refused")));
        view.saveProfile(10);
        QVERIFY(calls.isEmpty());
    }

    void importProfile()
    {
        RuntimeTree tree;
        myQQuickView view;
        const QByteArray original = bytesOf(profilePath(0));

        QVERIFY(!view.loadProfile(0));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].parent, &view);
        QCOMPARE(calls[0].caption, QStringLiteral("Open File"));
        QCOMPARE(calls[0].directory, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        QCOMPARE(calls[0].filter, QStringLiteral("Profile(*.pf)"));
        QCOMPARE(bytesOf(profilePath(0)), original);

        const QString chosen = tree.filePath(QStringLiteral("friend.pf"));
        writeFile(chosen, "[sensor]\njmgd=3\nreportRate_J2=4\n");
        answer = chosen;
        QVERIFY(view.loadProfile(0));
        QCOMPARE(bytesOf(profilePath(0)), bytesOf(chosen));
        QCOMPARE(view.getData(QStringLiteral("sensor/jmgd")).toInt(), 3);
        QVERIFY(!view.currentSettings()->contains(QStringLiteral("profile/data")));
        checkTenFilesInOrder(view);

        // Something that is not a profile is refused with a message, and changes nothing.
        const QByteArray imported = bytesOf(profilePath(0));
        QByteArray garbage;
        quint32 x = 12345;
        for (int i = 0; i < 4096; ++i) {
            x = x * 1103515245u + 12345u;
            garbage.append(char(x >> 24));
        }
        for (const QByteArray &content : {garbage, QByteArray(), QByteArray("[other]\nkey=1\n"),
                                          QByteArray(SettingsFile::MaxIniSize + 1, '\n')}) {
            warnings.clear();
            writeFile(chosen, content);
            QVERIFY(!view.loadProfile(0));
            QCOMPARE(bytesOf(profilePath(0)), imported);
            QCOMPARE(view.getData(QStringLiteral("sensor/jmgd")).toInt(), 3);
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings[0].contains(QStringLiteral("is not a profile")), qPrintable(warnings[0]));
        }

        // Importing the profile's own file keeps it.
        answer = QFileInfo(profilePath(0)).absoluteFilePath();
        QVERIFY(view.loadProfile(0));
        QCOMPARE(bytesOf(profilePath(0)), imported);

        calls.clear();
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("loadProfile refused")));
        QVERIFY(!view.loadProfile(-1));
        QVERIFY(calls.isEmpty());
    }

    void olderEscapedTextReadsBack()
    {
        // Files of the earlier program keep text outside ASCII as \x escapes.
        RuntimeTree tree;
        writeFile(profilePath(0), "[macro]\n0=\\x4e2d\\x6587\n1=caf\\xe9\n\n[sensor]\njmgd=3\n");
        myQQuickView view;
        const QString chinese = QString::fromUtf8("\xe4\xb8\xad\xe6\x96\x87");
        QCOMPARE(view.getData(QStringLiteral("macro/0")).toString(), chinese);
        QCOMPARE(view.getData(QStringLiteral("macro/1")).toString(), QString::fromUtf8("caf\xc3\xa9"));

        // After the program rewrote the file the text is unchanged, for this run and the next.
        view.currentSettings()->setValue(QStringLiteral("sensor/jmgd"), 2);
        view.syncSettings();
        QCOMPARE(view.getData(QStringLiteral("macro/0")).toString(), chinese);
        myQQuickView next;
        QCOMPARE(next.getData(QStringLiteral("macro/0")).toString(), chinese);
        QCOMPARE(next.getData(QStringLiteral("macro/1")).toString(), QString::fromUtf8("caf\xc3\xa9"));
        QCOMPARE(next.getData(QStringLiteral("sensor/jmgd")).toInt(), 2);
    }

#ifndef Q_OS_WIN
    void updaterOfTheDeviceKind()
    {
        RuntimeTree tree;
        QVERIFY(QDir().mkpath(QStringLiteral("update")));
        for (const char *model : {"3337", "3389"}) {
            const QString script = QStringLiteral("update/") + QLatin1String(model);
            writeFile(script, QByteArray("#!/bin/sh\necho ") + model + " > started-" + model + "\n");
            QFile(script).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        myQQuickView view;
        view.initUI(1);
        QCOMPARE(view.deviceKind(), 1);
        view.openUpdateExe();
        QTRY_VERIFY(QFile::exists(QStringLiteral("started-3389")));
        QVERIFY(!QFile::exists(QStringLiteral("started-3337")));
        view.initUI(0);
        view.openUpdateExe();
        QTRY_VERIFY(QFile::exists(QStringLiteral("started-3337")));
    }
#endif
};

QTEST_MAIN(TestProfileOperations)
#include "tst_profile_operations.moc"
