// What reaches the mouse from the profile operations: the whole block with command 0x06, and
// nothing at all from making a profile current or replacing a profile file.
#include "app/widget.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QtTest>

class TestProfileDevice : public QObject
{
    Q_OBJECT

private slots:
    void blockGoesToTheMouse()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        VirtualMouseFixture::settle();
        const int before = f.blocks().size();

        view->ui_02H_SetCurrentProfile(2);
        view->resetProfile(3);
        view->copyProfile(4, 3);
        QCOMPARE(f.blocks().size(), before);

        uchar *block = view->profileBlock(2);
        for (int i = 0; i < 128; ++i)
            block[i] = uchar(0xC0 ^ i);
        view->mouseSetProfile(2);
        QByteArray expected(reinterpret_cast<char *>(block), 128);
        expected[30] = 1;
        expected[31] = 1;
        QCOMPARE(QByteArray(reinterpret_cast<char *>(block), 128), expected);

        // Always into the mouse's slot 0, whatever the profile; the cache stays as stored.
        QCOMPARE(f.blocks().size(), before + 1);
        QCOMPARE(f.lastBlock(0x06), QByteArray::fromHex("0600800000000079"));
        QCOMPARE(f.mouse().profileBlock(0), expected);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(view->profileBlock(2)), 128), expected);
    }
};

QTEST_MAIN(TestProfileDevice)
#include "tst_profile_device.moc"
