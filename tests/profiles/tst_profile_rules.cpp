// Byte-level and list rules of the profile subsystem, without files.
#include "profiles/language_file.h"
#include "profiles/names_list_rule.h"
#include "profiles/profile_data_block.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_list.h"
#include "profiles/settings_store.h"

#include <QSettings>
#include <QtTest>
#include <cstring>

class TestProfileRules : public QObject
{
    Q_OBJECT

private slots:
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
