#pragma once

#include "device/hid_thread.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QQmlError>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class QQuickItem;

// A bridge that answers the pages from canned values and writes down every call they make to
// an answered slot, in order, as "name(arg, arg)". The slots and their signatures are the
// bridge's own, found through its meta-object; slots without an answer run the real bridge.
class FakeBridge : public myQQuickView
{
public:
    FakeBridge();

    QStringList calls;

    QVariant lang;
    QVariant storedProfile = 0;
    QHash<int, QVariantList> nameLists;
    bool loadResult = true;

    // Per-profile values the panels read.
    QVariant reportRate = 1;
    QVariantList keyEntry = {1, 0, 0xf0, 0};
    QVariant xySensitive = 4;
    QVariantList dpiValues = {400, 800, 1600, 3200, 6400, 12000, 16000, 16000};
    // What the mouse itself holds; empty means the same as dpiValues.
    QVariantList mouseDpiValues;
    QVariantList dpiSelects = {1, 1, 1, 1, 1, 0, 0, 0};
    QVariantList stageColors;
    QVariantList ledEffect = {2, 3, 0, 255, 0, 0};
    uint cursorSpeed = 5;
    uint doubleClickSpeed = 6;
    uint scrollLines = 3;
    QVariant jmgd = 2;

    // Only the calls whose names are in `names`, in order.
    QStringList callsNamed(const QStringList &names) const;
    // The names of the calls, without arguments.
    QStringList callNames() const;

    // Where the pages' calls arrive: an answered slot is recorded and answered here.
    int qt_metacall(QMetaObject::Call call, int id, void **args) override;

private:
    using Answer = std::function<QVariant(const QVariantList &)>;
    void answer(const char *slot, Answer answer);
    void record(const QString &name, const QVariantList &args = {});

    QHash<QByteArray, Answer> m_answers;
};

// Stands in for the window controller.
class FakeController : public QObject
{
    Q_OBJECT

public:
    QStringList calls;
    // Whether the window manager takes drags.
    bool systemMove = false;

public slots:
    bool startSystemMove()
    {
        calls << QStringLiteral("startSystemMove");
        return systemMove;
    }
    void onMinimize() { calls << QStringLiteral("onMinimize"); }
    void onClose() { calls << QStringLiteral("onClose"); }
    void onXChanged(int x) { calls << QStringLiteral("onXChanged(%1)").arg(x); }
    void onYChanged(int y) { calls << QStringLiteral("onYChanged(%1)").arg(y); }
};

// main.qml in a fake bridge, published the way the window controller does it: the three
// context properties are set only after loading. Every QML warning is kept.
class PageHost
{
public:
    PageHost();
    ~PageHost();

    // Loads the pages; call after setting the bridge's canned values.
    bool load();

    FakeBridge &bridge() { return *m_bridge; }
    FakeController &controller() { return m_controller; }
    QQuickItem *root() const;
    QStringList warnings() const { return m_warnings; }

    // Evaluates a JavaScript expression in the main screen's context, where the page ids live.
    QVariant eval(const QString &expression);
    // Calls a function of the root item.
    QVariant call(const char *function, const QVariantList &args = {});

    // initUI(device) and the end of its busy period.
    bool powerOn(int device = 1);

    // The centre of a named item, in view coordinates.
    QPoint centreOf(const QString &objectName);
    QPoint pointOf(const QString &expression);
    void click(const QPoint &at, Qt::MouseButton button = Qt::LeftButton);

private:
    RuntimeTree m_tree;
    Hid_Thread m_hid;
    FakeController m_controller;
    std::unique_ptr<FakeBridge> m_bridge;
    QStringList m_warnings;
};

// Every stage colour as three bytes, for "#rrggbb" texts.
QVariantList colourBytes(const QStringList &colours);
