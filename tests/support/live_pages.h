#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>

class QQuickItem;
class myQQuickView;
class Widget;

// The real pages of a real main window (usually VirtualMouseFixture::widget()), driven as a
// person would: expressions evaluated where the page ids live, clicks and keys sent to the
// view. Every QML warning from the moment of construction is kept.
//
//   RuntimeTree tree;
//   VirtualMouseFixture f;
//   LivePages pages(f.widget());
//   QVERIFY(pages.waitForWorkingScreen());
//   pages.click(pages.centreOf("profilesButton"));
//   QCOMPARE(pages.eval("profileMain.visible").toBool(), true);
//   QVERIFY2(pages.warnings().isEmpty(), qPrintable(pages.warnings().join('\n')));
class LivePages
{
public:
    explicit LivePages(Widget *window);

    myQQuickView *view() const { return m_view; }
    QQuickItem *root() const;

    // Waits until the power-on logo has given way to the working screen and the view is enabled.
    bool waitForWorkingScreen(int timeoutMs = 5000);
    // Waits until the busy overlay of a send (setProtectUI) has ended.
    bool waitUntilEnabled(int timeoutMs = 5000);

    // Evaluates JavaScript in the main screen's context; arrays and objects come back as
    // QVariantList / QVariantMap. An error is kept among the warnings.
    QVariant eval(const QString &expression);

    // An item by objectName, also among those that a Repeater made; null when there is none.
    QQuickItem *item(const QString &objectName) const;

    // Scene position of the centre of an item found by objectName, or of a point that an
    // expression returns (for example "keyMenuMain.mapToItem(null, 10, 10)").
    QPoint centreOf(const QString &objectName);
    QPoint pointOf(const QString &expression);

    void click(const QPoint &at, Qt::MouseButton button = Qt::LeftButton);
    void doubleClick(const QPoint &at);
    void hover(const QPoint &at);
    void drag(const QPoint &from, const QPoint &to, int steps = 10);
    void typeText(const QString &text);
    void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    QStringList warnings() const { return m_warnings; }

private:
    myQQuickView *m_view;
    QStringList m_warnings;
};
