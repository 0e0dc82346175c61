#include "app/device_failure_watch.h"
#include "app/profile_applier.h"
#include "app/widget.h"
#include "device/link_state.h"
#include "profiles/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QtTest>

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
    void failureWatch()
    {
        {
            DeviceFailureWatch watch;
            qDebug() << "Device Connect";
            QCOMPARE(watch.failures(), 0);
            qDebug("cmd Failed 06");
            qDebug("cmd Failed 84H");
            QCOMPARE(watch.failures(), 2);
            QCOMPARE(watch.firstFailure(), QStringLiteral("cmd Failed 06"));
            // A second watch while one is active stays out of the way.
            DeviceFailureWatch inner;
            qDebug("cmd Failed 03");
            QCOMPARE(watch.failures(), 3);
            QCOMPARE(inner.failures(), 0);
        }
        DeviceFailureWatch later;
        QCOMPARE(later.failures(), 0);
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
        QCOMPARE(code, 0);
        QCOMPARE(applier.exitCode(), 0);
        QQuickItem *root = w.view()->rootObject();
        QVERIFY(root->property("isPowerOn").toBool());
        QCOMPARE(eval(w, QStringLiteral("profileMain.profileNo")).toInt(), 4);
        // The busy period of the apply has begun.
        QVERIFY(!w.view()->isEnabled());
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
        QTRY_COMPARE(code, 0);
        LinkState::deviceConnected = false;
    }
};

QTEST_MAIN(TestApplyProfile)
#include "tst_apply_profile.moc"
