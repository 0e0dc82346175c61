// Byte-level and list rules of the profile subsystem, without files.
#include "profiles/language_file.h"
#include "profiles/names_list_rule.h"
#include "profiles/profile_data_block.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_list.h"
#include "profiles/settings_store.h"
#include "profiles/stored_value_rules.h"
#include "profiles/value_mend.h"

#include <QSettings>
#include <QtTest>
#include <cstring>

class TestProfileRules : public QObject
{
    Q_OBJECT

private slots:
    // A stored value is mended by the smallest change: valid entries stay, what is missing or
    // does not fit comes from the factory value, else the rule's own; extra entries stay in the
    // file unused; a number outside a continuous range goes to the nearer end, a code that is
    // not one of its values takes the factory value.
    void mendsTheSmallestPart_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("factory");
        QTest::addColumn<QVariant>("used");
        QTest::addColumn<QVariant>("written");   // invalid: the file is left alone

        const auto ints = [](std::initializer_list<int> v) {
            QVariantList l;
            for (int i : v)
                l.append(i);
            return QVariant(l);
        };
        const auto texts = [](const char *csv) { return QVariant(QString::fromLatin1(csv).split(QStringLiteral(", "))); };
        const QString colours = QStringLiteral("color_J2/type1");
        const QVariant factoryColours = texts("255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255");
        QVariantList user = factoryColours.toList();
        user[0] = 10; user[1] = 20; user[2] = 30;
        QVariantList longer = user;
        longer.append(QStringLiteral("77"));

        QTest::newRow("colours of 3") << colours << texts("10, 20, 30") << factoryColours << QVariant(user) << QVariant(user);
        QTest::newRow("colours of 25") << colours << QVariant(longer) << factoryColours << QVariant(user) << QVariant();
        QVariantList bright = user;
        bright[0] = 255;
        bright[1] = 0;
        QVariantList brightStored = bright;
        brightStored.append(QStringLiteral("77"));
        QVariantList brightIn = longer;
        brightIn[0] = 300;
        brightIn[1] = -4;
        QTest::newRow("colour out of range, extra kept") << colours << QVariant(brightIn) << factoryColours << QVariant(bright) << QVariant(brightStored);
        QTest::newRow("colour no number: factory entry") << colours << texts("x, 20, 30") << factoryColours
                                                       << QVariant([&] { QVariantList l = user; l[0] = 255; return l; }())
                                                       << QVariant([&] { QVariantList l = user; l[0] = 255; return l; }());

        QTest::newRow("stage enables of 3") << QStringLiteral("sensor/dpi_Select") << texts("1, 0, 1") << texts("1, 1, 1, 1, 1, 1, 1, 1")
                                           << ints({1, 0, 1, 1, 1, 1, 1, 1}) << ints({1, 0, 1, 1, 1, 1, 1, 1});
        QTest::newRow("stage enable 2 is a code") << QStringLiteral("sensor/dpi_Select") << texts("1, 2, 0, 1, 1, 1, 1, 1") << QVariant()
                                                 << ints({1, 1, 0, 1, 1, 1, 1, 1}) << ints({1, 1, 0, 1, 1, 1, 1, 1});
        QTest::newRow("dpi clamped to the model") << QStringLiteral("sensor/dpi_J2") << texts("-400, 800, 99999999999, a, 3200, 6400, 8000, 12000")
                                                 << texts("400, 800, 1600, 2400, 3200, 6400, 8000, 12000")
                                                 << ints({200, 800, 16000, 2400, 3200, 6400, 8000, 12000})
                                                 << ints({200, 800, 16000, 2400, 3200, 6400, 8000, 12000});

        QVariantList block;
        QVariantList factoryBlock;
        for (int i = 0; i < 128; ++i) {
            factoryBlock.append(QString::number(i % 7));
            block.append(i < 40 ? 100 + i : i % 7);
        }
        QTest::newRow("block of 40") << QStringLiteral("profile/data") << QVariant(QVariantList(block.mid(0, 40))) << QVariant(factoryBlock)
                                     << QVariant(block) << QVariant(block);
        QTest::newRow("no block: the factory's") << QStringLiteral("profile/data") << QVariant() << QVariant(factoryBlock)
                                                 << QVariant([&] { QVariantList l; for (int i = 0; i < 128; ++i) l.append(i % 7); return l; }())
                                                 << QVariant();

        QTest::newRow("x/y 12 is 9") << QStringLiteral("XYSensitive/0") << QVariant(QStringLiteral("12")) << QVariant(QStringLiteral("4"))
                                     << QVariant(9) << QVariant(9);
        QTest::newRow("x/y -3 is 0") << QStringLiteral("XYSensitive/1") << QVariant(QStringLiteral("-3")) << QVariant() << QVariant(0) << QVariant(0);
        QTest::newRow("x/y word: factory") << QStringLiteral("XYSensitive/1") << QVariant(QStringLiteral("nine")) << QVariant(QStringLiteral("6"))
                                           << QVariant(6) << QVariant(6);
        QTest::newRow("x/y fits") << QStringLiteral("XYSensitive/1") << QVariant(QStringLiteral("7")) << QVariant() << QVariant(7) << QVariant();
        QTest::newRow("scroll lines 500 is 100") << QStringLiteral("sensor/verticalScrollLines_J2") << QVariant(QStringLiteral("500"))
                                                << QVariant(QStringLiteral("3")) << QVariant(100) << QVariant(100);
        QTest::newRow("scroll lines page") << QStringLiteral("sensor/verticalScrollLines_J2") << QVariant(QStringLiteral("1000"))
                                          << QVariant() << QVariant(1000) << QVariant();
        QTest::newRow("report rate 3 is a code") << QStringLiteral("sensor/reportRate_J2") << QVariant(QStringLiteral("3"))
                                                << QVariant(QStringLiteral("2")) << QVariant(2) << QVariant(2);
        QTest::newRow("lift-off 4 is a code") << QStringLiteral("sensor/jmgd") << QVariant(QStringLiteral("4")) << QVariant(QStringLiteral("3"))
                                             << QVariant(3) << QVariant(3);
        QTest::newRow("light: effect code, level clamped") << QStringLiteral("color_J2/ledEffect") << texts("9, 7, 0, 12, 300, 34")
                                                          << texts("1, 4, 0, 255, 0, 0") << ints({1, 4, 0, 12, 255, 34})
                                                          << ints({1, 4, 0, 12, 255, 34});
        QTest::newRow("macro slot 255: factory entry") << QStringLiteral("keydefine_J2/3") << texts("9, 0, 255, 0") << texts("1, 0, 244, 0")
                                                      << ints({1, 0, 244, 0}) << ints({1, 0, 244, 0});
        QTest::newRow("short key entry: factory entry") << QStringLiteral("keydefine_J2/6") << texts("1, 2") << QVariant()
                                                       << ints({7, 0, 2, 0}) << ints({7, 0, 2, 0});
        QTest::newRow("key entry of 5: fifth unused") << QStringLiteral("keydefine_J2/0") << texts("1, 0, 241, 0, 9") << QVariant()
                                                     << ints({1, 0, 241, 0}) << QVariant();
    }

    void mendsTheSmallestPart()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, factory);
        QFETCH(QVariant, used);
        QFETCH(QVariant, written);
        const StoredValues::Rule *rule = StoredValues::profileRule(key);
        QVERIFY(rule);
        const ValueMend::Mended m = ValueMend::mend(*rule, stored, factory);
        // Numbers compare by their text, as the file holds them.
        const auto text = [](const QVariant &v) { return settingsList(v).isEmpty() ? QStringList() : QVariant(settingsList(v)).toStringList(); };
        QCOMPARE(text(m.used), text(used));
        QCOMPARE(m.changed, written.isValid());
        QCOMPARE(text(m.stored), text(written.isValid() ? written : stored));
    }

    void blockFromStoredList()
    {
        unsigned char block[ProfileBlock::Size];
        std::memset(block, 0xAA, sizeof block);
        // Numbers are cut to their low byte; text that is no number gives 0; a short list
        // leaves the rest of the block alone.
        ProfileBlock::fillFromList(block, {9, QStringLiteral("x"), 300, -1, QStringLiteral("17"), QStringLiteral("2.9")});
        const unsigned char head[] = {9, 0, 44, 255, 17, 0};
        QCOMPARE(QByteArray(reinterpret_cast<char *>(block), 6), QByteArray(reinterpret_cast<const char *>(head), 6));
        for (int i = 6; i < ProfileBlock::Size; ++i)
            QCOMPARE(int(block[i]), 0xAA);

        // A longer list fills the block and nothing beyond it.
        unsigned char guarded[ProfileBlock::Size + 4];
        std::memset(guarded, 0x55, sizeof guarded);
        QVariantList longList;
        for (int i = 0; i < 300; ++i)
            longList.append(i);
        ProfileBlock::fillFromList(guarded, longList);
        QCOMPARE(int(guarded[127]), 127);
        QCOMPARE(int(guarded[128]), 0x55);

        const QVariantList back = ProfileBlock::toList(guarded);
        QCOMPARE(back.size(), 128);
        QCOMPARE(back[127].toInt(), 127);
    }

    void blockMarksAndPatches()
    {
        unsigned char block[ProfileBlock::Size] = {};
        ProfileBlock::markForSend(block);
        QCOMPARE(int(block[30]), 1);
        QCOMPARE(int(block[31]), 1);

        const unsigned char colours[24] = {1, 2, 3};
        QVERIFY(ProfileBlock::patch(block, ProfileBlock::StageColours, colours, 24));
        QCOMPARE(int(block[102]), 3);
        QVERIFY(ProfileBlock::patch(block, 127, colours, 1));
        QVERIFY(!ProfileBlock::patch(block, 120, colours, 9));
        QVERIFY(!ProfileBlock::patch(block, -1, colours, 1));
        QVERIFY(!ProfileBlock::patch(block, 0, colours, -1));
        QCOMPARE(int(block[120]), 0);
    }

    void storedValuesAsLists()
    {
        QCOMPARE(settingsList(QVariant()), QVariantList());
        QCOMPARE(settingsList(QVariantList{1, 2}), (QVariantList{1, 2}));
        QCOMPARE(settingsList(QStringList{QStringLiteral("a"), QStringLiteral("b")}),
                 (QVariantList{QStringLiteral("a"), QStringLiteral("b")}));
        // A single stored word is one element, not a list of its characters.
        QCOMPARE(settingsList(QStringLiteral("Macro_0")), QVariantList{QStringLiteral("Macro_0")});
        QCOMPARE(settingsList(QStringLiteral("")), QVariantList{QString()});
    }

    // A value that is already in the file does not rewrite it: a rewrite would drop the
    // hand-written comment below. Anything else does.
    void storesOnlyWhatChanges()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.bin"));
        const QByteArray original = "; kept while nothing changes\n[sensor]\nreportRate_J2=1\n"
                                    "dpi_Select=1, 0, 1\nempty=\n";
        const auto write = [&] {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(original);
        };
        const auto contents = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        write();
        {
            QSettings s(path, QSettings::IniFormat);
            storeSetting(&s, QStringLiteral("sensor/reportRate_J2"), 1);
            // Pages hand numbers over as doubles.
            storeSetting(&s, QStringLiteral("sensor/dpi_Select"), QVariantList{1.0, 0.0, 1.0});
            storeSetting(&s, QStringLiteral("sensor/empty"), QString());
            removeSetting(&s, QStringLiteral("sensor/absent"));
        }
        QCOMPARE(contents(), original);

        const QList<std::pair<QString, QVariant>> changes = {
            {QStringLiteral("sensor/reportRate_J2"), 2},
            {QStringLiteral("sensor/dpi_Select"), QVariantList{1, 0}},
            {QStringLiteral("sensor/dpi_Select"), QVariantList{1, 1, 1}},
            {QStringLiteral("sensor/absent"), QString()},
            // No plain text form: always stored.
            {QStringLiteral("sensor/empty"), QVariantMap{{QStringLiteral("a"), 1}}},
        };
        for (const auto &[key, value] : changes) {
            write();
            {
                QSettings s(path, QSettings::IniFormat);
                storeSetting(&s, key, value);
            }
            QVERIFY2(contents() != original, qPrintable(key));
            QCOMPARE(settingsList(QSettings(path, QSettings::IniFormat).value(key)).size(), settingsList(value).size());
        }
        write();
        {
            QSettings s(path, QSettings::IniFormat);
            removeSetting(&s, QStringLiteral("sensor/empty"));
        }
        QVERIFY(!QSettings(path, QSettings::IniFormat).contains(QStringLiteral("sensor/empty")));
    }

    void namesFiller()
    {
        const QString filler = QStringLiteral("loadertobrel");
        QCOMPARE(NamesList::withFiller({QStringLiteral("a")}), (QStringList{QStringLiteral("a"), filler}));
        QCOMPARE(NamesList::withFiller({}), QStringList());
        const QStringList three{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QCOMPARE(NamesList::withFiller(three), three);

        QCOMPARE(NamesList::withoutFiller({QStringLiteral("a"), filler}), QVariantList{QStringLiteral("a")});
        // Only the second of exactly two elements is the filler.
        const QVariantList threeWithFiller{QStringLiteral("a"), filler, QStringLiteral("c")};
        QCOMPARE(NamesList::withoutFiller(threeWithFiller), threeWithFiller);
        const QVariantList fillerFirst{filler, QStringLiteral("b")};
        QCOMPARE(NamesList::withoutFiller(fillerFirst), fillerFirst);

        QCOMPARE(NamesList::keyForType(0), QStringLiteral("macro/macroName"));
        QCOMPARE(NamesList::keyForType(1), QStringLiteral("gun/gunName"));
        QCOMPARE(NamesList::keyForType(2), QStringLiteral("profile/profileName"));
        QCOMPARE(NamesList::keyForType(3), QStringLiteral("gun/selectGun"));
        QVERIFY(NamesList::keyForType(4).isEmpty());
    }

    void languageSectionsAndCodes()
    {
        const char *const expected[] = {"main",       "keyMatrix", "keyMenu", "macroEditor",
                                        "gunControl", "macroKey",  "other",   "screenEditor"};
        for (uint t = 0; t < 8; ++t)
            QCOMPARE(LanguageFile::sectionForType(t), QString::fromLatin1(expected[t]));
        QVERIFY(LanguageFile::sectionForType(8).isEmpty());
        QVERIFY(LanguageFile::sectionForType(uint(-1)).isEmpty());

        QVERIFY(LanguageFile::isValidCode(QStringLiteral("lang_025044")));
        QVERIFY(!LanguageFile::isValidCode(QStringLiteral("../setting/apConfig")));
        QVERIFY(!LanguageFile::isValidCode(QStringLiteral("/etc/passwd")));
        QVERIFY(!LanguageFile::isValidCode(QStringLiteral("a\\b")));
        QVERIFY(!LanguageFile::isValidCode(QString()));
    }

    void profileNames()
    {
        QCOMPARE(ProfileKeys::profileFileName(0), QStringLiteral("./modules/setting/p1.bin"));
        QCOMPARE(ProfileKeys::profileFileName(9), QStringLiteral("./modules/setting/p10.bin"));
        QCOMPARE(ProfileKeys::dpiListKey(0), QStringLiteral("sensor/dpi_J2_3337"));
        QCOMPARE(ProfileKeys::dpiListKey(1), QStringLiteral("sensor/dpi_J2"));
        QCOMPARE(ProfileKeys::dpiListKey(2), QStringLiteral("sensor/dpi_J2"));
        QVERIFY(ProfileKeys::isBlockIndex(5) && !ProfileKeys::isBlockIndex(6) && !ProfileKeys::isBlockIndex(-1));
        QVERIFY(ProfileKeys::isFileIndex(9) && !ProfileKeys::isFileIndex(10));
    }
};

QTEST_APPLESS_MAIN(TestProfileRules)
#include "tst_profile_rules.moc"
