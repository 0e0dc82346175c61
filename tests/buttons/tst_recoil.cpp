#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class TestRecoil : public QObject
{
    Q_OBJECT

    static QStringList presetKeys()
    {
        QSettings file(QStringLiteral("modules/gun/gunData.bin"), QSettings::IniFormat);
        file.beginGroup(QStringLiteral("gunData"));
        return file.childKeys();
    }

private slots:
    void presets()
    {
        RuntimeTree tree;
        QVERIFY(QFile::exists(QStringLiteral("modules/gun/gunData.bin")));   // shipped, empty
        myQQuickView view;
        QVERIFY(view.getGunData(QStringLiteral("Gun0")).isEmpty());

        view.saveGundata({"Gun0", "L-Click", 10, 0, 0, 0});
        view.saveGundata({"Gun1", "L-Click", 20, -10, 127, 3});
        QCOMPARE(presetKeys(), (QStringList{"Gun0", "Gun1"}));
        const QVariantList gun1 = view.getGunData(QStringLiteral("Gun1"));
        QCOMPARE(gun1.size(), 5);
        QCOMPARE(gun1[0].toString(), QStringLiteral("L-Click"));
        QCOMPARE(gun1[2].toInt(), -10);
        QCOMPARE(gun1[4].toInt(), 3);

        // Rename and update: one key, under the new name.
        view.modifyGundata(1, {"AK", "L-Click", 30, 5, -5, 0, "Gun1"});
        QCOMPARE(presetKeys(), (QStringList{"AK", "Gun0"}));
        QCOMPARE(view.getGunData(QStringLiteral("AK")).value(1).toInt(), 30);
        QVERIFY(view.getGunData(QStringLiteral("Gun1")).isEmpty());

        // Deleting what is not stored, or with no name, or an unknown type, changes nothing.
        view.modifyGundata(0, {"Nope"});
        view.modifyGundata(0, {""});
        view.modifyGundata(1, {"", "L-Click", 1, 1, 1, 1, "AK"});
        view.modifyGundata(2, {"AK"});
        view.saveGundata({"", "L-Click", 1, 1, 1, 1});
        view.saveGundata({"Short", 1});
        QCOMPARE(presetKeys(), (QStringList{"AK", "Gun0"}));
        view.modifyGundata(0, {"Gun0"});
        QCOMPARE(presetKeys(), QStringList{QStringLiteral("AK")});
    }

    void neverCreatesTheFile()
    {
        RuntimeTree tree;
        QVERIFY(QFile::remove(QStringLiteral("modules/gun/gunData.bin")));
        myQQuickView view;
        view.saveGundata({"Gun0", "L-Click", 10, 0, 0, 0});
        view.modifyGundata(1, {"A", "L-Click", 10, 0, 0, 0, "Gun0"});
        QVERIFY(view.getGunData(QStringLiteral("Gun0")).isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("modules/gun/gunData.bin")));
    }

    void selectedPreset()
    {
        RuntimeTree tree;
        myQQuickView view;
        QCOMPARE(view.getselectGun(0), QVariant(QString()));
        view.setSelectGun(0, QStringLiteral("AK"));
        QCOMPARE(view.getselectGun(0), QVariant(QStringLiteral("AK")));
        QCOMPARE(view.currentSettings()->value(QStringLiteral("selectGun/0")).toString(), QStringLiteral("AK"));
        QVERIFY(view.profileFile(1)->value(QStringLiteral("selectGun/0")).isNull());
    }
};

QTEST_MAIN(TestRecoil)
#include "tst_recoil.moc"
