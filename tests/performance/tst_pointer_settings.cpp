#include "performance/pointer_settings.h"
#include "performance/pointer_settings_gnome.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QSettings>
#include <QtTest>

namespace {

// Records what the bridge asks of the system; refuses speeds outside 1..20 as Windows does.
class FakePointerSettings : public PointerSettings
{
public:
    bool getMouse(int params[3]) override
    {
        ++gets;
        std::copy(triple, triple + 3, params);
        return getWorks;
    }
    bool setMouse(const int params[3]) override
    {
        std::copy(params, params + 3, triple);
        ++sets;
        return true;
    }
    bool setMouseSpeed(unsigned speed) override
    {
        speeds.append(speed);
        return speed >= 1 && speed <= 20;
    }
    bool setWheelScrollLines(unsigned lines) override
    {
        scrollLines.append(lines);
        return true;
    }
    bool setDoubleClickTime(unsigned milliseconds) override
    {
        doubleClickTimes.append(milliseconds);
        return true;
    }

    int triple[3] = {6, 10, 1};
    bool getWorks = true;
    int gets = 0;
    int sets = 0;
    QList<unsigned> speeds, scrollLines, doubleClickTimes;
};

} // namespace

class TestPointerSettings : public QObject
{
    Q_OBJECT

private slots:
    void valuesPassedToTheSystemAndStored()
    {
        RuntimeTree tree(false);
        FakePointerSettings fake;
        myQQuickView view;
        view.setPointerSettings(&fake);

        QCOMPARE(view.getCursorSpeed(), 0u);
        QCOMPARE(view.getDoubleClickSpeed(), 0u);
        QCOMPARE(view.getVerticalScrollLines(), 0u);

        view.setCursorSpeed(0);
        view.setCursorSpeed(10);
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        view.setCursorSpeed(11);
        QCOMPARE(fake.speeds, (QList<unsigned>{1, 20, 22}));
        QCOMPARE(view.getCursorSpeed(), 11u);

        view.setDoubleClickSpeed(0);
        view.setDoubleClickSpeed(5);
        view.setDoubleClickSpeed(11);
        QCOMPARE(fake.doubleClickTimes, (QList<unsigned>{900, 550, 130}));
        QCOMPARE(view.getDoubleClickSpeed(), 11u);

        view.setVerticalScrollLines(3);
        view.setVerticalScrollLines(1000);
        QCOMPARE(fake.scrollLines, (QList<unsigned>{3, 1000}));
        QCOMPARE(view.getVerticalScrollLines(), 1000u);

        view.currentSettings()->sync();
        const QSettings file(QStringLiteral("./modules/setting/p1.bin"), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("sensor/cursorSpeed_J2")).toUInt(), 11u);
        QCOMPARE(file.value(QStringLiteral("sensor/doubleClickSpeed_J2")).toUInt(), 11u);
        QCOMPARE(file.value(QStringLiteral("sensor/verticalScrollLines_J2")).toUInt(), 1000u);
    }

    void accelerationKeepsTheThresholds()
    {
        RuntimeTree tree;
        FakePointerSettings fake;
        fake.triple[0] = 3;
        fake.triple[1] = 7;
        myQQuickView view;
        view.setPointerSettings(&fake);
        QVERIFY(view.getAcceleration());
        view.setAcceleration(false);
        QCOMPARE(fake.triple[0], 3);
        QCOMPARE(fake.triple[1], 7);
        QCOMPARE(fake.triple[2], 0);
        QVERIFY(!view.getAcceleration());
        view.setAcceleration(true);
        QCOMPARE(fake.triple[2], 1);

        fake.getWorks = false;
        QTest::ignoreMessage(QtDebugMsg, "getAcceleration Failed");
        QVERIFY(!view.getAcceleration());
        QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        view.setAcceleration(false);
        QCOMPARE(fake.sets, 2);
    }

    void gnomeDesktopThroughGsettings()
    {
        QList<QStringList> calls;
        QByteArray accelProfile = "'flat'\n";
        const QByteArray mouseKeys = "accel-profile\ndouble-click\nspeed\n";
        GnomePointerSettings gnome(
            [&](const QStringList &args, QByteArray *out) {
                calls.append(args);
                if (args.value(0) == QLatin1String("list-keys")) {
                    if (args.value(1) != QLatin1String("org.gnome.desktop.peripherals.mouse"))
                        return false;
                    if (out)
                        *out = mouseKeys;
                } else if (args.value(0) == QLatin1String("get") && out) {
                    *out = accelProfile;
                }
                return true;
            },
            true);
        int triple[3] = {};
        QVERIFY(gnome.getMouse(triple));
        QCOMPARE(triple[2], 0);
        const int on[3] = {6, 10, 1};
        QVERIFY(gnome.setMouse(on));
        QVERIFY(gnome.setMouseSpeed(1));
        QVERIFY(gnome.setMouseSpeed(10));
        QVERIFY(gnome.setMouseSpeed(20));
        QVERIFY(!gnome.setMouseSpeed(22));
        QVERIFY(gnome.setDoubleClickTime(550));
        QVERIFY(!gnome.setWheelScrollLines(3));
        const QString schema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
        QCOMPARE(calls, (QList<QStringList>{
                            {QStringLiteral("list-keys"), schema},
                            {QStringLiteral("get"), schema, QStringLiteral("accel-profile")},
                            {QStringLiteral("set"), schema, QStringLiteral("accel-profile"), QStringLiteral("adaptive")},
                            {QStringLiteral("set"), schema, QStringLiteral("speed"), QStringLiteral("-0.90")},
                            {QStringLiteral("set"), schema, QStringLiteral("speed"), QStringLiteral("0.00")},
                            {QStringLiteral("set"), schema, QStringLiteral("speed"), QStringLiteral("1.00")},
                            {QStringLiteral("list-keys"), schema},
                            {QStringLiteral("set"), schema, QStringLiteral("double-click"), QStringLiteral("550")},
                        }));
    }

    void olderGnomeKeepsDoubleClickInTheDaemonSchema()
    {
        QList<QStringList> calls;
        GnomePointerSettings gnome(
            [&](const QStringList &args, QByteArray *out) {
                calls.append(args);
                if (args.value(0) == QLatin1String("list-keys") && out)
                    *out = args.value(1).contains(QLatin1String("settings-daemon")) ? "double-click\n" : "speed\n";
                return true;
            },
            true);
        QVERIFY(gnome.setDoubleClickTime(900));
        QCOMPARE(calls.last(), (QStringList{QStringLiteral("set"),
                                            QStringLiteral("org.gnome.settings-daemon.peripherals.mouse"),
                                            QStringLiteral("double-click"), QStringLiteral("900")}));
    }

    void otherDesktopsRunNothing()
    {
        int runs = 0;
        GnomePointerSettings other([&](const QStringList &, QByteArray *) { return ++runs, true; }, false);
        int triple[3] = {};
        QVERIFY(!other.getMouse(triple));
        QVERIFY(!other.setMouse(triple));
        QVERIFY(!other.setMouseSpeed(10));
        QVERIFY(!other.setDoubleClickTime(500));
        QCOMPARE(runs, 0);

        qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        QVERIFY(GnomePointerSettings::runningOnGnome());
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        QVERIFY(!GnomePointerSettings::runningOnGnome());
        qunsetenv("XDG_CURRENT_DESKTOP");
        QVERIFY(!GnomePointerSettings::runningOnGnome());
    }
};

QTEST_MAIN(TestPointerSettings)
#include "tst_pointer_settings.moc"
