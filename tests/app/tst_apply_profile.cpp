#include "app/device_failure_watch.h"
#include "app/profile_applier.h"
#include "app/widget.h"
#include "device/link_state.h"
#include "app/myqquickview.h"
#include "profiles/profile_file_dialogs.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_file.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>
#include <QQmlExpression>
#include <QQuickItem>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <sys/statvfs.h>
#endif

namespace {

#ifdef Q_OS_LINUX
// A small memory file system over a folder for as long as it lives; what the folder held is
// copied onto it.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &folder) : m_folder(QDir(folder).absolutePath())
    {
        QMap<QString, QByteArray> files;
        for (const QString &name : QDir(m_folder).entryList(QDir::Files)) {
            QFile f(m_folder + QLatin1Char('/') + name);
            if (f.open(QIODevice::ReadOnly))
                files.insert(name, f.readAll());
        }
        m_mounted = ::mount("tmpfs", qPrintable(m_folder), "tmpfs", 0, "size=256k") == 0;
        for (auto it = files.constBegin(); m_mounted && it != files.constEnd(); ++it) {
            QFile f(m_folder + QLatin1Char('/') + it.key());
            m_mounted = f.open(QIODevice::WriteOnly) && f.write(it.value()) == it.value().size() && f.flush();
        }
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(qPrintable(m_folder), MNT_DETACH);
    }
    bool isMounted() const { return m_mounted; }

    qint64 freeBlocks() const
    {
        struct statvfs s = {};
        return ::statvfs(qPrintable(m_folder), &s) == 0 ? qint64(s.f_bavail) : -1;
    }

    // Fills the disk with files of one block each until only `blocks` are left.
    bool fillLeaving(qint64 blocks)
    {
        const QByteArray block(4096, 'f');
        for (int i = 0; freeBlocks() > blocks; ++i) {
            QFile f(m_folder + QStringLiteral("/filler%1").arg(i));
            if (!f.open(QIODevice::WriteOnly) || f.write(block) != block.size() || !f.flush())
                return false;
        }
        return freeBlocks() == blocks;
    }

private:
    QString m_folder;
    bool m_mounted = false;
};
#endif

QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile f(folder + QLatin1Char('/') + name);
        if (f.open(QIODevice::ReadOnly))
            files.insert(name, f.readAll());
    }
    return files;
}

} // namespace

class TestApplyProfile : public QObject
{
    Q_OBJECT

    static QVariant eval(Widget &w, const QString &expression)
    {
        QQuickItem *root = w.view()->rootObject();
        QObject *inner = root->findChild<QObject *>(QStringLiteral("mainMask"));
        QQmlExpression e(qmlContext(inner ? inner : root), root, expression);
        return e.evaluate();
    }

private slots:
    // The mouse pulled out at several points of an apply: whatever was sent before, the apply
    // ends with status 2 and a message naming the first command that did not arrive.
    void unplugMidApply_data()
    {
        QTest::addColumn<int>("reports");
        QTest::addColumn<QString>("first");
        QTest::newRow("before anything") << 0 << QStringLiteral("command 07: open failed");
        QTest::newRow("key matrix cut") << 2 << QStringLiteral("command 07: write failed");
        QTest::newRow("after the key matrix") << 3 << QStringLiteral("command 06: open failed");
        QTest::newRow("profile block cut") << 5 << QStringLiteral("command 06: write failed");
        QTest::newRow("near the end") << 7 << QStringLiteral("command 0b: open failed");
    }

    void unplugMidApply()
    {
        QFETCH(int, reports);
        QFETCH(QString, first);
        RuntimeTree tree;
        VirtualMouseFixture f;
        Widget *w = f.widget();
        QTRY_VERIFY(w->view()->rootObject()->property("isPowerOn").toBool());
        f.mouse().vanishAfterReports(reports);
        int code = -1;
        ProfileApplier applier(w, 1);
        applier.setFinishedHandler([&](int c) { code = c; });
        QVERIFY(applier.start());
        QTRY_COMPARE(code, 2);
        QVERIFY2(applier.message().contains(first), qPrintable(applier.message()));
        QVERIFY(applier.message().startsWith(QStringLiteral("skald-config: ")));
        QVERIFY(!applier.message().contains(QLatin1Char('\n')));
        LinkState::deviceConnected = false;
    }

    void noMouseAppliesNothing()
    {
        RuntimeTree tree;
        Widget w;
        LinkState::deviceConnected = false;
        ProfileApplier applier(&w, 2);
        QVERIFY(!applier.start());
        QVERIFY(!w.trayIcon()->isVisible());
        QVERIFY(!applier.isFinished());
    }

    void appliesAfterTheFirstInitUi()
    {
        RuntimeTree tree;
        Widget w;
        LinkState::deviceConnected = true;
        int code = -1;
        ProfileApplier applier(&w, 4);
        applier.setFinishedHandler([&](int c) { code = c; });
        // As the connection check does: initUI is queued, the applier starts right after.
        w.notifyInit(1);
        QVERIFY(applier.start());
        QVERIFY(!w.isVisible());
        QVERIFY(!applier.isFinished());
        QTRY_VERIFY(applier.isFinished());
        // The connection is only pretended: nothing reached a mouse, and the apply says so.
        QCOMPARE(code, 2);
        QCOMPARE(applier.exitCode(), 2);
        QQuickItem *root = w.view()->rootObject();
        QVERIFY(root->property("isPowerOn").toBool());
        QCOMPARE(eval(w, QStringLiteral("profileMain.profileNo")).toInt(), 4);
        // The busy period of the apply has begun.
        QVERIFY(!w.view()->isEnabled());
        LinkState::deviceConnected = false;
    }

    // An apply, a factory reset and an import each send every state of the profile once, as
    // it ends up stored: the key matrix, one profile data block, the report rate and the
    // lift-off height; no block of half-filled values goes out first.
    void eachStateOnce_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("apply") << QStringLiteral("apply");
        QTest::newRow("reset") << QStringLiteral("reset");
        QTest::newRow("import") << QStringLiteral("import");
    }
    void eachStateOnce()
    {
        QFETCH(QString, operation);
        RuntimeTree tree;
        VirtualMouseFixture f;
        Widget *w = f.widget();
        QVERIFY(LinkState::deviceConnected);
        QQuickItem *root = w->view()->rootObject();
        QTRY_VERIFY(root->property("isPowerOn").toBool());
        w->hid().waitForIdle();
        const qsizetype before = f.blocks().size();

        static QString importFile;
        if (operation == QLatin1String("apply")) {
            int code = -1;
            ProfileApplier applier(w, 1);
            applier.setFinishedHandler([&](int c) { code = c; });
            QVERIFY(applier.start());
            QTRY_COMPARE(code, 0);
        } else if (operation == QLatin1String("reset")) {
            eval(*w, QStringLiteral("mainIten.screen.resetCurrentProfile()"));
        } else {
            // A profile whose lift-off height differs from the one in use.
            QVERIFY(w->view()->syncSettings());
            importFile = QDir::current().absoluteFilePath(QStringLiteral("import.pf"));
            QFile::remove(importFile);
            QVERIFY(QFile::copy(QStringLiteral("./modules/setting/p1.bin"), importFile));
            {
                QSettings pf(importFile, QSettings::IniFormat);
                pf.setValue(QStringLiteral("sensor/jmgd"), 3);
            }
            const ProfileFileDialogs::Function chooser = ProfileFileDialogs::open;
            ProfileFileDialogs::open = [](QWidget *, const QString &, const QString &, const QString &) { return importFile; };
            eval(*w, QStringLiteral("profileMain.loadProfile()"));
            ProfileFileDialogs::open = chooser;
        }
        QVERIFY(w->hid().waitForIdle());

        QList<int> codes;
        for (const QByteArray &block : f.blocks().mid(before))
            codes << (uchar(block.at(0)));
        QCOMPARE(codes, QList<int>({0x07, 0x06, 0x03, 0x0B}));
        // The block on the mouse is the block in the file, with its DPI stages filled in.
        QVERIFY(w->view()->syncSettings());
        const int profile = w->view()->currentProfile();
        QSettings stored(ProfileKeys::profileFileName(profile), QSettings::IniFormat);
        QByteArray fromFile;
        for (const QVariant &v : stored.value(QStringLiteral("profile/data")).toList())
            fromFile.append(char(v.toInt()));
        QCOMPARE(f.mouse().profileBlock(0).toHex(), fromFile.toHex());
        QVERIFY(f.mouse().stageDpi(1) > 0);
        if (operation == QLatin1String("import"))
            QCOMPARE(f.mouse().liftOff(), 3);
        QCOMPARE(f.mouse().liftOff(), stored.value(QStringLiteral("sensor/jmgd")).toInt());
        LinkState::deviceConnected = false;
    }

    // A profile whose data block is missing, empty, garbage or cut off takes what it lacks from
    // the factory profile: the one block that goes out has its DPI stages, the stages enabled
    // and the light on, never zeros.
    void profileWithoutUsableBlock_data()
    {
        QTest::addColumn<QByteArray>("content");
        QFile pD(QStringLiteral(SKALD_SOURCE_DIR "/modules/setting/pD.bin"));
        QVERIFY(pD.open(QIODevice::ReadOnly));
        const QByteArray factory = pD.readAll();
        const qsizetype data = factory.indexOf("data=");
        const qsizetype end = factory.indexOf('\n', data);
        QTest::newRow("empty") << factory.left(data) + "data=" + factory.mid(end);
        QTest::newRow("missing") << factory.left(data) + factory.mid(end + 1);
        QTest::newRow("garbage") << factory.left(data) + "data=\x01zz, @Variant(\\0), \"" + factory.mid(end);
        QTest::newRow("truncated") << factory.left(data + 60);
    }

    void profileWithoutUsableBlock()
    {
        QFETCH(QByteArray, content);
        RuntimeTree tree;
        {
            QFile p2(ProfileKeys::profileFileName(1));
            QVERIFY(p2.open(QIODevice::WriteOnly | QIODevice::Truncate));
            p2.write(content);
        }
        VirtualMouseFixture f;
        Widget *w = f.widget();
        QTRY_VERIFY(w->view()->rootObject()->property("isPowerOn").toBool());
        QVERIFY(w->hid().waitForIdle());
        f.mouse().clearLog();
        int code = -1;
        ProfileApplier applier(w, 1);
        applier.setFinishedHandler([&](int c) { code = c; });
        QVERIFY(applier.start());
        QTRY_COMPARE(code, 0);
        int sentBlocks = 0;
        for (const QByteArray &block : f.blocks())
            sentBlocks += uchar(block.at(0)) == 0x06 ? 1 : 0;
        QCOMPARE(sentBlocks, 1);
        const QByteArray block = f.mouse().profileBlock(0);
        QCOMPARE(uchar(block.at(71)), uchar(0xFF));   // every stage enabled
        QCOMPARE(uchar(block.at(73)), uchar(1));      // a static light
        for (int stage = 1; stage <= 8; ++stage)
            QVERIFY2(f.mouse().stageDpi(stage) >= 200, qPrintable(QString::number(stage)));
        LinkState::deviceConnected = false;
    }

    // The settings folder on a full disk: the apply has settings to store (a new current profile,
    // a block that the pages change), cannot, keeps every file as it was and fails.
    void fullDiskKeepsEveryFile_data()
    {
        QTest::addColumn<int>("freeBlocks");
        QTest::newRow("one free block") << 1;
        QTest::newRow("no free block") << 0;
    }

    void fullDiskKeepsEveryFile()
    {
#ifndef Q_OS_LINUX
        QSKIP("skipped: needs a Linux memory file system");
#else
        QFETCH(int, freeBlocks);
        RuntimeTree tree;
        const QString folder = QStringLiteral("modules/setting");
        // Files larger than the free block, so that no copy of them fits; a block whose X
        // sensitivity the pages will set from the stored one.
        const QByteArray pad = "\n[pad]\nfill=" + QByteArray(6000, 'x') + "\n";
        for (const char *name : {"apConfig.bin", "p1.bin"}) {
            QFile f(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(f.open(QIODevice::Append));
            f.write(pad);
        }
        {
            QFile p1(folder + QStringLiteral("/p1.bin"));
            QVERIFY(p1.open(QIODevice::ReadOnly));
            QByteArray text = p1.readAll();
            p1.close();
            text.replace("0, 0, 0, 100, 100, 8,", "0, 0, 0, 50, 50, 8,");
            QVERIFY(QFile::copy(folder + QStringLiteral("/p1.bin"), folder + QStringLiteral("/p2.bin")));
            QFile p2(folder + QStringLiteral("/p2.bin"));
            QVERIFY(p2.open(QIODevice::WriteOnly | QIODevice::Truncate));
            p2.write(text);
        }
        SmallDisk disk(folder);
        if (!disk.isMounted())
            QSKIP("skipped: a memory file system cannot be mounted here (needs root)");
        QVERIFY(disk.fillLeaving(freeBlocks));
        const QMap<QString, QByteArray> before = filesIn(folder);
        {
            VirtualMouseFixture f;
            Widget *w = f.widget();
            QTRY_VERIFY(w->view()->rootObject()->property("isPowerOn").toBool());
            QVERIFY(w->hid().waitForIdle());
            int code = -1;
            ProfileApplier applier(w, 1);
            applier.setFinishedHandler([&](int c) { code = c; });
            QVERIFY(applier.start());
            QTRY_VERIFY(code >= 0);
            QCOMPARE(code, 2);
            QVERIFY2(applier.message().contains(QStringLiteral("could not be stored")), qPrintable(applier.message()));
            QCOMPARE(uchar(f.mouse().profileBlock(0).at(35)), uchar(100));   // the mouse did get it
            LinkState::deviceConnected = false;
        }
        const QMap<QString, QByteArray> after = filesIn(folder);
        QCOMPARE(after.keys(), before.keys());
        for (auto it = before.constBegin(); it != before.constEnd(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
#endif
    }

    // A profile file that is there but cannot be read would go out as page defaults: nothing
    // is sent, and the apply fails with a message.
    void unreadableProfileSendsNothing()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        Widget *w = f.widget();
        QTRY_VERIFY(w->view()->rootObject()->property("isPowerOn").toBool());
        QVERIFY(w->hid().waitForIdle());
        QFile big(ProfileKeys::profileFileName(3));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.write(QByteArray(int(SettingsFile::MaxIniSize) + 1, 'x')) > 0);
        big.close();
        f.mouse().clearLog();
        ProfileApplier applier(w, 3);
        QVERIFY(!applier.start());
        QTest::qWait(100);
        QVERIFY(f.blocks().isEmpty());
        LinkState::deviceConnected = false;
    }

    // The link sends on its own thread: while a profile goes to the mouse with the real
    // delays, the GUI thread keeps turning.
    void guiKeepsTurningDuringAnApply()
    {
        RuntimeTree tree;
        VirtualMouseFixture f(3389, VirtualMouseFixture::SleepPauses);
        Widget *w = f.widget();
        QQuickItem *root = w->view()->rootObject();
        QTRY_VERIFY(root->property("isPowerOn").toBool());
        QVERIFY(w->hid().waitForIdle());

        QElapsedTimer clock;
        qint64 last = 0, worst = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(10);
        connect(&tick, &QTimer::timeout, this, [&] {
            const qint64 now = clock.elapsed();
            worst = std::max(worst, now - last - 10);
            last = now;
        });
        clock.start();
        tick.start();
        QTest::qWait(30);
        QMetaObject::invokeMethod(root, "applyProfile", Q_ARG(QVariant, 2));
        const qint64 asked = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(w->hid().isLinkFree(), 10000);
        const qint64 sent = clock.elapsed();
        tick.stop();
        qInfo("apply: %lld ms on the link; the 10 ms timer was late by %lld ms at most", sent - asked, worst);
        QVERIFY(sent - asked > 500);   // the real delays were slept, on the link's thread
        QVERIFY2(worst <= 50, qPrintable(QString::number(worst)));
        LinkState::deviceConnected = false;
    }

    // The real bridge against the virtual mouse: the pages start, take a profile change and a
    // factory reset, and say nothing on the way.
    void realBridgeWithoutWarnings()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        QStringList warnings;
        Widget *w = f.widget(false);
        connect(w->view()->engine(), &QQmlEngine::warnings, this, [&](const QList<QQmlError> &list) {
            for (const QQmlError &e : list)
                warnings << e.toString();
        });
        w->checkDevice();
        QQuickItem *root = w->view()->rootObject();
        QTRY_VERIFY(root->property("isPowerOn").toBool());
        QTRY_VERIFY(w->view()->isEnabled());
        eval(*w, QStringLiteral("profileMain.newProfile(); profileMain.close()"));
        QTRY_VERIFY(w->view()->isEnabled());
        eval(*w, QStringLiteral("screenItem.resetCurrentProfile()"));
        QMetaObject::invokeMethod(root, "refreashDPI");
        QTRY_VERIFY(w->view()->isEnabled());
        QCOMPARE(warnings, QStringList());
        LinkState::deviceConnected = false;
    }

    void pagesAlreadyUp()
    {
        RuntimeTree tree;
        Widget w;
        w.notifyInit(0);
        QTRY_VERIFY(w.view()->rootObject()->property("isPowerOn").toBool());
        LinkState::deviceConnected = true;
        int code = -1;
        ProfileApplier applier(&w, 0);
        applier.setFinishedHandler([&](int c) { code = c; });
        QVERIFY(applier.start());
        QTRY_COMPARE(code, 2);   // no mouse behind the pretended connection
        LinkState::deviceConnected = false;
    }
};

QTEST_MAIN(TestApplyProfile)
#include "tst_apply_profile.moc"
