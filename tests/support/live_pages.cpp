#include "tests/support/live_pages.h"

#include "app/widget.h"
#include "app/myqquickview.h"

#include <QJSValue>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>
#include <QQmlExpression>
#include <QQuickItem>
#include <QtTest>

LivePages::LivePages(Widget *window) : m_view(window->view())
{
    QObject::connect(m_view->engine(), &QQmlEngine::warnings, m_view, [this](const QList<QQmlError> &list) {
        for (const QQmlError &e : list)
            m_warnings << e.toString();
    });
}

QQuickItem *LivePages::root() const
{
    return m_view->rootObject();
}

bool LivePages::waitForWorkingScreen(int timeoutMs)
{
    return QTest::qWaitFor([this] { return eval(QStringLiteral("mainIten.isWorkingScreen")).toBool(); }, timeoutMs)
        && waitUntilEnabled(timeoutMs);
}

bool LivePages::waitUntilEnabled(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_view->isEnabled(); }, timeoutMs);
}

QVariant LivePages::eval(const QString &expression)
{
    // The page ids live in the context of the screen that the first initUI creates.
    QQuickItem *top = root();
    if (!top)
        return {};
    QObject *inner = top->findChild<QObject *>(QStringLiteral("mainMask"));
    QQmlExpression e(inner ? qmlContext(inner) : qmlContext(top), top, expression);
    QVariant v = e.evaluate();
    if (e.hasError())
        m_warnings << e.error().toString();
    if (v.metaType().id() == qMetaTypeId<QJSValue>())
        v = v.value<QJSValue>().toVariant();
    return v;
}

// Items a Repeater makes are not QObject children of the page: walk the item tree as well.
static QQuickItem *findItem(QQuickItem *from, const QString &objectName)
{
    if (!from)
        return nullptr;
    if (auto *item = from->findChild<QQuickItem *>(objectName))
        return item;
    for (QQuickItem *child : from->childItems()) {
        if (child->objectName() == objectName)
            return child;
        if (QQuickItem *item = findItem(child, objectName))
            return item;
    }
    return nullptr;
}

QQuickItem *LivePages::item(const QString &objectName) const
{
    return findItem(root(), objectName);
}

QPoint LivePages::centreOf(const QString &objectName)
{
    QQuickItem *item = this->item(objectName);
    if (!item)
        return {-1, -1};
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

QPoint LivePages::pointOf(const QString &expression)
{
    return eval(expression).toPointF().toPoint();
}

void LivePages::click(const QPoint &at, Qt::MouseButton button)
{
    QTest::mouseClick(m_view, button, Qt::NoModifier, at);
}

void LivePages::doubleClick(const QPoint &at)
{
    QTest::mouseDClick(m_view, Qt::LeftButton, Qt::NoModifier, at);
}

void LivePages::hover(const QPoint &at)
{
    QTest::mouseMove(m_view, at);
}

void LivePages::drag(const QPoint &from, const QPoint &to, int steps)
{
    QTest::mousePress(m_view, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(m_view, from + (to - from) * i / steps);
    QTest::mouseRelease(m_view, Qt::LeftButton, Qt::NoModifier, to);
}

void LivePages::typeText(const QString &text)
{
    QTest::keyClicks(m_view, text);
}

void LivePages::key(int qtKey, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_view, Qt::Key(qtKey), modifiers);
}
