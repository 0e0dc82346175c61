#include "device/device_table.h"
#include "app/widget.h"
#include "device/hid_thread.h"
#include "device/link_state.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include <map>
#include <memory>

namespace {

// Both models on the bus at once.
class TwoMice : public HidBackend
{
public:
    VirtualMouse first{3337};
    VirtualMouse second{3389};

    std::vector<HidDeviceInfo> enumerate(unsigned short vid, unsigned short pid) override
    {
        auto a = first.enumerate(vid, pid);
        auto b = second.enumerate(vid, pid);
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    HidHandle *openPath(const QString &path) override
    {
        for (VirtualMouse *m : {&first, &second}) {
            if (HidHandle *h = m->openPath(path)) {
                owners[h] = m;
                return h;
            }
        }
        return nullptr;
    }
    int setNonblocking(HidHandle *d, int n) override { return owners[d]->setNonblocking(d, n); }
    int sendFeatureReport(HidHandle *d, const unsigned char *p, size_t n) override { return owners[d]->sendFeatureReport(d, p, n); }
    int getFeatureReport(HidHandle *d, unsigned char *p, size_t n) override { return owners[d]->getFeatureReport(d, p, n); }
    int write(HidHandle *d, const unsigned char *p, size_t n) override { return owners[d]->write(d, p, n); }
    int read(HidHandle *d, unsigned char *p, size_t n) override { return owners[d]->read(d, p, n); }
    int readTimeout(HidHandle *d, unsigned char *p, size_t n, int ms) override { return owners[d]->readTimeout(d, p, n, ms); }
    void close(HidHandle *d) override
    {
        owners[d]->close(d);
        owners.erase(d);
    }

    std::map<HidHandle *, VirtualMouse *> owners;
};

// A mouse whose enumeration lacks one of its interfaces.
class MissingInterface : public VirtualMouse
{
public:
    explicit MissingInterface(unsigned short usagePage) : VirtualMouse(3389), m_missing(usagePage) {}
    std::vector<HidDeviceInfo> enumerate(unsigned short vid, unsigned short pid) override
    {
        auto all = VirtualMouse::enumerate(vid, pid);
        std::vector<HidDeviceInfo> kept;
        for (const HidDeviceInfo &d : all) {
            if (d.usagePage != m_missing)
                kept.push_back(d);
        }
        return kept;
    }

private:
    unsigned short m_missing;
};

const char *const RecordingRoot = R"(import QtQuick
Item {
    width: 100; height: 100
    property int refreshes: 0
    property string inits: ""
    function initUI(devIndex) { inits += devIndex + "," }
    function run() {}
    function refreashDPI() { refreshes += 1 }
    function detectKeyboard(isDown, usbCode) {}
    function detectMouse(isDown, vornCode, x, y) {}
    function setProtectUI(busyTime) {}
}
)";

int count(const QStringList &lines, const QString &line)
{
    return int(lines.count(line));
}

} // namespace

// Discovery, the connection check, device changes and the worker, around a main window.
class TestDeviceLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<RuntimeTree> m_tree;

    // The window with a page root that records what the link asks of the pages.
    Widget *recordingWidget(VirtualMouseFixture &f, bool check = true)
    {
        Widget *w = f.widget(false);
        const QString qml = m_tree->filePath(QStringLiteral("recording.qml"));
        QFile file(qml);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(RecordingRoot);
        file.close();
        w->view()->setSource(QUrl::fromLocalFile(qml));
        if (check)
            w->checkDevice();
        return w;
    }

    static QQuickItem *root(Widget *w) { return w->view()->rootObject(); }

    void setConfig(const QString &key, const QVariant &value)
    {
        QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
        if (value.isValid())
            config.setValue(key, value);
        else
            config.remove(key);
    }

private slots:
    void initTestCase() { m_tree = std::make_unique<RuntimeTree>(); }
    void cleanupTestCase() { m_tree.reset(); }

    void discoveryPrefersTheFirstEntry()
    {
        VirtualMouseFixture f;
        TwoMice both;
        setCurrentHidBackend(&both);
        const DeviceTable table = loadBuiltInDeviceTable({});
        {
            Hid_Thread link;
            link.findDevices(table);
            QCOMPARE(link.curDevice(), 0);
            QCOMPARE(link.devices().size(), 1);   // later entries are not examined
            QCOMPARE(link.devices()[0].commandPath, both.first.commandPath());
            QCOMPARE(link.devices()[0].notifyPath, both.first.notifyPath());
            QCOMPARE(link.devices()[0].reportLength, 64);
        }
        both.first.unplug();
        {
            Hid_Thread link;
            link.findDevices(table);
            QCOMPARE(link.curDevice(), 1);
            QCOMPARE(link.devices().size(), 2);
            QVERIFY(link.devices()[0].commandPath.isEmpty() && link.devices()[0].notifyPath.isEmpty());
            QCOMPARE(link.devices()[1].commandPath, both.second.commandPath());
        }
        both.second.unplug();
        {
            // Nothing found: the index stays where it was, every record is empty.
            Hid_Thread link;
            link.findDevices(table);
            QCOMPARE(link.curDevice(), 1);
            QCOMPARE(link.devices().size(), 2);
            for (const DeviceRecord &r : link.devices())
                QVERIFY(r.commandPath.isEmpty() && r.notifyPath.isEmpty());
        }
        // An empty table finds nothing and the check fails.
        {
            Hid_Thread link;
            link.findDevices(DeviceTable());
            link.chkDeviceIsEnCode();
            QCOMPARE(link.curDevice(), 0);
            QVERIFY(!LinkState::deviceConnected);
        }
        setCurrentHidBackend(&f.mouse());
    }

    void bothInterfacesAreNeeded()
    {
        VirtualMouseFixture f;
        for (unsigned short missing : {0xFF01, 0xFF02}) {
            MissingInterface mouse(missing);
            setCurrentHidBackend(&mouse);
            Hid_Thread link;
            link.findDevices(loadBuiltInDeviceTable({}));
            for (const DeviceRecord &r : link.devices())
                QVERIFY(r.commandPath.isEmpty() && r.notifyPath.isEmpty());
            f.clearMessages();
            link.chkDeviceIsEnCode();
            QCOMPARE(count(f.messages(), "Device Error"), 1);
            QCOMPARE(link.curDevice(), 0);
            QVERIFY(!link.isListening());
        }
        setCurrentHidBackend(&f.mouse());
    }

    void secrecyCodeFromTheConfiguration()
    {
        VirtualMouseFixture f;
        Hid_Thread &link = f.bareLink();   // device 1: key common/sCode1
        auto code = [] { return QByteArray(reinterpret_cast<const char *>(LinkState::SecrecyCode) + 1, 6); };
        QCOMPARE(code(), QByteArray("739154"));

        setConfig(QStringLiteral("common/sCode1"), QStringLiteral("AbC-9z"));
        link.chkDeviceIsEnCode();
        QCOMPARE(code(), QByteArray("AbC-9z"));
        QCOMPARE(int(LinkState::SecrecyCode[0]), 0);
        QCOMPARE(int(LinkState::SecrecyCode[7]), 0);
        for (const QString &wrong : {QStringLiteral("12345"), QStringLiteral("1234567"), QString()}) {
            setConfig(QStringLiteral("common/sCode1"), wrong);
            link.chkDeviceIsEnCode();
            QCOMPARE(code(), QByteArray("AbC-9z"));
        }
        setConfig(QStringLiteral("common/sCode1"), QVariant());   // absent: the default
        link.chkDeviceIsEnCode();
        QCOMPARE(code(), QByteArray("739154"));
        setConfig(QStringLiteral("common/sCode1"), QStringLiteral("739154"));
    }

    void connectionCheckTellsThePages()
    {
        VirtualMouseFixture f(3337);
        Widget *w = recordingWidget(f);
        QCOMPARE(w->hid().curDevice(), 0);
        QTRY_COMPARE(root(w)->property("inits").toString(), QStringLiteral("0,"));
        const QStringList m = f.messages();
        QVERIFY(m.indexOf("Device Connect") >= 0);
        QVERIFY(m.indexOf("balloon: Info: Detect Mouse!") > m.indexOf("Device Connect"));
        QVERIFY(LinkState::deviceConnected);
        QVERIFY(w->hid().isListening());
        QVERIFY(w->view()->isEnabled());
        QVERIFY(w->hid().waitForIdle());
    }

    void connectionCheckInChinese()
    {
        setConfig(QStringLiteral("common/language"), QStringLiteral("ChineseSimplified"));
        {
            VirtualMouseFixture f;
            Widget *w = recordingWidget(f);
            QTRY_COMPARE(root(w)->property("inits").toString(), QStringLiteral("1,"));
            QCOMPARE(count(f.messages(), QStringLiteral(u"balloon: Info: 检测到鼠标!")), 1);
        }
        setConfig(QStringLiteral("common/language"), QStringLiteral("English"));
    }

    void failedCheck()
    {
        VirtualMouseFixture f;
        f.mouse().unplug();
        Widget *w = recordingWidget(f);
        QTRY_COMPARE(root(w)->property("inits").toString(), QStringLiteral("0,"));
        QCOMPARE(count(f.messages(), "Device Error"), 1);
        QCOMPARE(count(f.messages(), "Device Connect"), 0);
        QVERIFY(f.messages().filter(QStringLiteral("balloon")).isEmpty());
        QCOMPARE(w->hid().curDevice(), 0);
        QVERIFY(!LinkState::deviceConnected);
        QVERIFY(!w->hid().isListening());
    }

    void burstOfDeviceChangesGivesOneCheck()
    {
        VirtualMouseFixture f;
        f.mouse().unplug();
        Widget *w = recordingWidget(f);
        QVERIFY(!w->hid().isListening());
        f.clearMessages();
        f.mouse().plug();   // the first notification of the burst
        QElapsedTimer sinceLast;
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(100);
            w->onDeviceChange();
            sinceLast.start();
        }
        QTRY_VERIFY_WITH_TIMEOUT(f.messages().contains("Device Connect"), 4000);
        const qint64 after = sinceLast.elapsed();
        QVERIFY2(after >= 2000, qPrintable(QString::number(after)));
        QTest::qWait(300);
        QCOMPARE(count(f.messages(), "Device Connect"), 1);
        QCOMPARE(count(f.messages(), "Device Error"), 0);

        // While the worker listens, device changes are left to it.
        QVERIFY(w->hid().isListening());
        w->onDeviceChange();
        QVERIFY(!w->deviceCheckTimer().isActive());
    }

    void dpiButtonShowsTheStage()
    {
        VirtualMouseFixture f;
        Widget *w = recordingWidget(f);
        QVERIFY(w->hid().isListening());
        LinkState::setCurrentDpi(2, 1600);
        f.mouse().setCurrentStage(2);
        f.mouse().pressDpiButton();   // to stage 3
        QTRY_COMPARE(count(f.messages(), "balloon: Info: DPI Switch to 1600"), 1);
        QTRY_COMPARE(root(w)->property("refreshes").toInt(), 1);
        QCOMPARE(f.mouse().currentStage(), 3);

        // Other four-byte reports only refresh; a stage outside 1..8 shows nothing.
        f.mouse().sendNotification(QByteArray("\x06\x07\x00\x00", 4));
        QTRY_COMPARE(root(w)->property("refreshes").toInt(), 2);
        f.mouse().sendNotification(QByteArray("\x06\x07\x00\x09", 4));
        QTRY_COMPARE(root(w)->property("refreshes").toInt(), 3);
        f.mouse().sendNotification(QByteArray("\x01\x02\x03\x04", 4));
        QTRY_COMPARE(root(w)->property("refreshes").toInt(), 4);
        f.mouse().sendNotification(QByteArray("\x06\x07\x00", 3));   // another length: nothing
        LinkState::setCurrentDpi(7, 16000);
        f.mouse().sendNotification(QByteArray("\x06\x07\x00\x08", 4));
        QTRY_COMPARE(root(w)->property("refreshes").toInt(), 5);
        QTRY_COMPARE(count(f.messages(), "balloon: Info: DPI Switch to 16000"), 1);
        int balloons = 0;
        for (const QString &line : f.messages())
            balloons += line.startsWith(QLatin1String("balloon: Info: DPI")) ? 1 : 0;
        QCOMPARE(balloons, 2);
        LinkState::setCurrentDpi(2, 0);
        LinkState::setCurrentDpi(7, 0);
    }

    void removalAndReconnection()
    {
        VirtualMouseFixture f;
        Widget *w = recordingWidget(f);
        QVERIFY(w->hid().isListening());
        f.clearMessages();

        // While the worker listens, device changes are its business: no check.
        w->onDeviceChange();
        QVERIFY(!w->deviceCheckTimer().isActive());

        f.mouse().unplug();
        QTRY_COMPARE(count(f.messages(), "Device removed"), 1);
        QTRY_VERIFY(!w->view()->isEnabled());
        QVERIFY(!w->hid().isListening());
        QVERIFY(!w->hid().isWorkerRunning());
        QVERIFY(w->hid().devices()[1].notifyPath.isEmpty());
        // The system's notice of the removal races the worker: it is ignored when it arrives
        // while the worker still listens, and starts a check when the worker saw the removal
        // first. Either is right; drop a pending check so the re-plug below is the one checked.
        w->deviceCheckTimer().stop();

        w->deviceCheckTimer().setInterval(20);
        f.mouse().plug();
        QTRY_VERIFY(f.messages().contains("Device Connect"));
        QTRY_VERIFY(w->view()->isEnabled());
        QVERIFY(w->hid().isListening());
        QCOMPARE(root(w)->property("inits").toString(), QStringLiteral("1,1,"));
        w->hid().hid_03H_SetReportRate(8);
        QCOMPARE(f.mouse().reportRate(), 8);
    }

    void oneWorkerAndAQuickStop()
    {
        VirtualMouseFixture f;
        Widget *w = recordingWidget(f);
        Hid_Thread &link = w->hid();
        link.startWorker(1);
        link.startWorker(1);
        link.swichCurDevice(1);
        int most = 0;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 1200) {
            most = std::max(most, f.mouse().openHandleCount() - f.mouse().openCommandHandles());
            QThread::msleep(2);
        }
        QCOMPARE(most, 1);

        // The stop request ends the job within one read time-out.
        QTRY_VERIFY(f.mouse().openHandleCount() == 1);   // the worker waits in its read
        t.restart();
        w->exitSYS();
        link.waitForWorker();
        QVERIFY2(t.elapsed() < 600, qPrintable(QString::number(t.elapsed())));
        QVERIFY(!link.isWorkerRunning());
        QCOMPARE(f.mouse().openHandleCount(), 0);
    }

    void theLinkOutlivesItsWorker()
    {
        VirtualMouseFixture f;
        auto w = std::make_unique<Widget>();
        w->checkDevice();
        QVERIFY(w->hid().isWorkerRunning());
        QTRY_VERIFY(f.mouse().openHandleCount() == 1);
        QElapsedTimer t;
        t.start();
        w.reset();   // waits for the job, which still holds its handle
        QVERIFY(t.elapsed() < 700);
        QCOMPARE(f.mouse().openHandleCount(), 0);
    }
};

QTEST_MAIN(TestDeviceLink)
#include "tst_device_link.moc"
