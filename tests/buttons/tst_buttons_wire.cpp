#include "app/widget.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QQmlContext>
#include <QQmlExpression>
#include <QtTest>

// What the button, macro and recoil operations put on the wire, as the virtual mouse reads it.
class TestButtonsWire : public QObject
{
    Q_OBJECT

    // Calls a bridge slot the way the pages do.
    static QVariant fromPage(myQQuickView *view, const QString &script)
    {
        QQmlExpression expression(view->rootContext(), nullptr, script);
        const QVariant result = expression.evaluate();
        if (expression.hasError())
            qWarning("%s", qPrintable(expression.error().toString()));
        return result;
    }

private slots:
    void keyMatrix()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        fromPage(view, QStringLiteral(
            "ui_View.ui_07H_SetKeyMatrix([1,0,0xf0,0, 1,0,0xf1,0, 1,0,0xf2,0, 1,0,0xf4,0, 1,0,0xf3,0,"
            " 0,0,5,0, 0,0,6,0, 0,0,7,0, 9,2,9,0, 0,0,0,0, 0,0,0,0, 0,0,0,0, 0,0,0,0, 0,0,0,0,"
            " 4,0,1,0, 4,0,2,0])"));
        const QByteArray m = f.mouse().keyMatrix(0);
        QCOMPARE(m.size(), 128);
        QCOMPARE(m.left(36).toHex(' '),
                 QByteArray("01 00 f0 00 01 00 f1 00 01 00 f2 00 01 00 f3 00 01 00 f4 00 "
                            "00 00 07 00 09 02 09 00 00 00 06 00 00 00 05 00"));
        QCOMPARE(m.mid(56, 8).toHex(' '), QByteArray("04 00 01 00 04 00 02 00"));
        QCOMPARE(m.mid(64, 56), QByteArray(56, '\0'));
        QCOMPARE(m.right(8).toHex(' '), QByteArray("01 00 f7 00 01 00 f8 00"));
        QCOMPARE(quint8(f.lastBlock(0x07).at(0)), quint8(0x07));
        // Stored first, as the pages read it back.
        QCOMPARE(fromPage(view, QStringLiteral("ui_View.getKeydefine(8)")).toList(), (QVariantList{9, 2, 9, 0}));
    }

    void macros()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        QCOMPARE(fromPage(view, QStringLiteral(
                     "ui_View.sendMacroData(ui_View.encodeMacro([\"1,A\", \"0,50\", \"2,A\"], 1), 2)")),
                 QVariant(true));
        QByteArray expected = QByteArray::fromHex("0001050481040000");
        expected.append(QByteArray(120, '\0'));
        QCOMPARE(f.mouse().macro(3), expected);   // slot = macro index + 1

        // The editor's worst case, 130 bytes, arrives cut after its last whole event.
        QString steps;
        for (int i = 0; i < 30; ++i)
            steps += QStringLiteral("\"1,A\", \"0,50\", \"2,A\", \"0,30\", ");
        steps += QStringLiteral("\"0,5000\", \"1,B\"");
        QCOMPARE(fromPage(view, QStringLiteral("ui_View.encodeMacro([%1], 1).length").arg(steps)).toInt(), 130);
        fromPage(view, QStringLiteral("ui_View.sendMacroData(ui_View.encodeMacro([%1], 1), 0)").arg(steps));
        const QByteArray m = f.mouse().macro(1);
        QCOMPARE(m.size(), 128);
        QCOMPARE(m.mid(118).toHex(' '), QByteArray("05 04 81 04 00 00 00 00 00 00"));
    }

    void recoil()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        // The page turns a negative offset into its two's-complement byte.
        fromPage(view, QStringLiteral("var x = -10, y = 127;"
                                      "ui_View.ui_04H_SetGunData(0xF0, 3, x < 0 ? 0x100 - Math.abs(x) : x,"
                                      " y < 0 ? 0x100 - Math.abs(y) : y, 0)"));
        QCOMPARE(f.mouse().gunData().toHex(' '), QByteArray("f0 03 f6 7f 00"));
        // A negative number handed over as it is ends up the same byte.
        fromPage(view, QStringLiteral("ui_View.ui_04H_SetGunData(0xF0, 0, -10, -127, 0)"));
        QCOMPARE(f.mouse().gunData().toHex(' '), QByteArray("f0 00 f6 81 00"));
    }
};

QTEST_MAIN(TestButtonsWire)
#include "tst_buttons_wire.moc"
