// Application configuration, language strings and the names list, with the files the program ships.
#include "profiles/balloon_texts.h"
#include "profiles/language_choice.h"
#include "app/myqquickview.h"
#include "profiles/names_list_rule.h"
#include "tests/support/runtime_tree.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStringDecoder>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

void resetSwitchTexts()
{
    for (int i = 0; i < 8; ++i)
        BalloonTexts::setDpiSwitchText(i, QStringLiteral("DPI Switch to"));
}

QStringList asStrings(const QVariantList &list)
{
    QStringList out;
    for (const QVariant &v : list)
        out.append(v.toString());
    return out;
}

} // namespace

class TestAppState : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSwitchTexts(); }

    void languageSections()
    {
        RuntimeTree tree;
        writeFile(QStringLiteral("./modules/i18n/t.ini"),
                  "total=1\n0=top\n\n[main]\ntotal=3\n0=a\n2=c\n\n[other]\ntotal=3\n0=x\n1=y\n2=z\n\n"
                  "[keyMenu]\ntotal=-4\n0=never\n\n[macroKey]\ntotal=many\n0=never\n");
        myQQuickView view;
        const QString code = QStringLiteral("t");
        QCOMPARE(view.getGlobalStrings(0, code), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("c")}));
        QCOMPARE(view.getGlobalStrings(1, code), QStringList());
        QCOMPARE(view.getGlobalStrings(2, code), QStringList());
        QCOMPARE(view.getGlobalStrings(5, code), QStringList());
        // Above 7 the keys are looked up outside any section.
        QCOMPARE(view.getGlobalStrings(8, code), QStringList{QStringLiteral("top")});
        for (int i = 0; i < 8; ++i)
            QCOMPARE(BalloonTexts::dpiSwitchText(i), QStringLiteral("DPI Switch to"));

        // `other` replaces as many notification texts as it holds, and no more.
        QCOMPARE(view.getGlobalStrings(6, code), (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
        QCOMPARE(BalloonTexts::dpiSwitchText(0), QStringLiteral("x"));
        QCOMPARE(BalloonTexts::dpiSwitchText(2), QStringLiteral("z"));
        for (int i = 3; i < 8; ++i)
            QCOMPARE(BalloonTexts::dpiSwitchText(i), QStringLiteral("DPI Switch to"));

        QCOMPARE(view.getGlobalStrings(0, QStringLiteral("missing")), QStringList());
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("getGlobalStrings refused")));
        QCOMPARE(view.getGlobalStrings(0, QStringLiteral("../setting/apConfig")), QStringList());
    }

    void languageCountIsBounded()
    {
        RuntimeTree tree;
        writeFile(QStringLiteral("./modules/i18n/huge.ini"), "[main]\ntotal=2000000000\n0=a\n");
        myQQuickView view;
        QElapsedTimer clock;
        clock.start();
        const QStringList strings = view.getGlobalStrings(0, QStringLiteral("huge"));
        QCOMPARE(strings.size(), 1024);
        QCOMPARE(strings[0], QStringLiteral("a"));
        QVERIFY(clock.elapsed() < 5000);
    }

    void shippedLanguageFile()
    {
        RuntimeTree tree;
        QFile file(QStringLiteral("./modules/i18n/lang_025044.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(file.readAll());
        QVERIFY(!utf8.hasError());
        QVERIFY(text.contains(QString::fromUtf8("\xe9\x85\x8d\xe7\xbd\xae")));   // "配置"

        myQQuickView view;
        const QString code = QStringLiteral("lang_025044");
        // Lengths of the pages' English lists, and the positions that are empty there.
        const int lengths[8] = {54, 6, 45, 20, 15, 10, 8, 10};
        const QList<QList<int>> empties = {{32, 33, 34}, {}, {44}, {19}, {12, 13, 14}, {}, {}, {}};
        for (int type = 0; type < 8; ++type) {
            const QStringList strings = view.getGlobalStrings(type, code);
            QCOMPARE(strings.size(), lengths[type]);
            for (int i = 0; i < strings.size(); ++i)
                QCOMPARE(strings[i].isEmpty(), empties[type].contains(i));
        }

        const QStringList main = view.getGlobalStrings(0, code);
        QVERIFY(main[8].contains(QLatin1Char('\n')));
        // The profile page's own Chinese menu rows are the same words as the list's.
        QCOMPARE(main.mid(21, 5), QString::fromUtf8("删除,编辑,复制,加载,保存").split(QLatin1Char(',')));
        const QStringList macroKey = view.getGlobalStrings(5, code);
        for (int i = 2; i <= 4; ++i)
            QVERIFY(macroKey[i].contains(QLatin1Char('\n')));
        QCOMPARE(view.getGlobalStrings(2, code).at(0), QString::fromUtf8("左键"));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(BalloonTexts::dpiSwitchText(i), QString::fromUtf8("DPI切换至"));
    }

    void globalDataAbsent()
    {
        RuntimeTree tree(false);
        myQQuickView view;
        QCOMPARE(view.getGlobalData(QStringLiteral("common/pictureData")), QVariantList());
        view.setGlobalData(QString(), QVariantList{1});
        QCOMPARE(view.getGlobalData(QString()), QVariantList());
    }

    // The first start stores the desktop's language; later starts, and the help menu's choice,
    // keep what is stored whatever the desktop says.
    void languageOfTheFirstStart()
    {
        QCOMPARE(LanguageChoice::forDesktop({QStringLiteral("zh-CN"), QStringLiteral("en-US")}), QStringLiteral("ChineseSimplified"));
        QCOMPARE(LanguageChoice::forDesktop({QStringLiteral("zh_TW")}), QStringLiteral("ChineseSimplified"));
        QCOMPARE(LanguageChoice::forDesktop({QStringLiteral("Zh-Hans-CN")}), QStringLiteral("ChineseSimplified"));
        QCOMPARE(LanguageChoice::forDesktop({QStringLiteral("en-US"), QStringLiteral("zh-CN")}), QStringLiteral("English"));
        QCOMPARE(LanguageChoice::forDesktop({QStringLiteral("zha")}), QStringLiteral("English"));
        QCOMPARE(LanguageChoice::forDesktop({QStringLiteral("C")}), QStringLiteral("English"));
        QCOMPARE(LanguageChoice::forDesktop({}), QStringLiteral("English"));

        RuntimeTree tree(false);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        auto stored = [] {
            return QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat)
                .value(QStringLiteral("common/language"));
        };
        {
            myQQuickView view;
            QCOMPARE(view.getLang().toString(), QStringLiteral("ChineseSimplified"));
            QCOMPARE(stored().toString(), QStringLiteral("ChineseSimplified"));
            QVERIFY(!view.setLang(QStringLiteral("Klingon")));
            QVERIFY(!view.setLang(QStringLiteral("../x")));
            QVERIFY(view.setLang(QStringLiteral("English")));
        }
        {
            myQQuickView view;
            QCOMPARE(view.getLang().toString(), QStringLiteral("English"));
        }
        QCOMPARE(stored().toString(), QStringLiteral("English"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::remove(QStringLiteral("./modules/setting/apConfig.bin"));
        {
            myQQuickView view;
            QCOMPARE(view.getLang().toString(), QStringLiteral("English"));
        }
        QLocale::setDefault(before);
    }

    void globalDataPersists()
    {
        RuntimeTree tree(false);
        QVariantList picture;
        for (int i = 0; i < 480; ++i)
            picture.append(i % 256);
        {
            myQQuickView view;
            view.setGlobalData(QStringLiteral("common/pictureData"), picture);
            view.setGlobalData(QStringLiteral("common/one"), QVariantList{7});
        }
        {
            QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
            config.setValue(QStringLiteral("common/language"), QStringLiteral("ChineseSimplified"));
            config.setValue(QStringLiteral("common/word"), QStringLiteral("abc"));
        }
        myQQuickView view;
        const QVariantList back = view.getGlobalData(QStringLiteral("common/pictureData"));
        QCOMPARE(back.size(), 480);
        for (int i = 0; i < 480; ++i)
            QCOMPARE(back[i].toInt(), i % 256);
        QCOMPARE(view.getGlobalData(QStringLiteral("common/one")).size(), 1);
        QCOMPARE(view.getGlobalData(QStringLiteral("common/one"))[0].toInt(), 7);
        QCOMPARE(view.getGlobalData(QStringLiteral("common/word")), QVariantList{QStringLiteral("abc")});
        QCOMPARE(view.getLang().toString(), QStringLiteral("ChineseSimplified"));
    }

    void namesList()
    {
        RuntimeTree tree(false);
        myQQuickView view;
        const QString filler = QStringLiteral("loadertobrel");

        QCOMPARE(view.updataNameList(2, {QStringLiteral("Standard0")}), QVariant(true));
        QCOMPARE(asStrings(view.getNameList(2)), (QStringList{QStringLiteral("Standard0"), filler}));
        QCOMPARE(NamesList::withoutFiller(view.getNameList(2)).size(), 1);

        const QStringList three{QStringLiteral("Macro_0"), QStringLiteral("Macro_1"), QStringLiteral("Macro_2")};
        view.updataNameList(0, three);
        QCOMPARE(asStrings(view.getNameList(0)), three);
        view.updataNameList(0, {});
        QCOMPARE(view.getNameList(0), QVariantList());
        QVERIFY(!QSettings(QLatin1String(NamesList::FileName), QSettings::IniFormat)
                     .contains(QStringLiteral("macro/macroName")));

        // A genuine second name equal to the filler is read back as one name.
        view.updataNameList(1, {QStringLiteral("Gun0"), filler});
        QCOMPARE(NamesList::withoutFiller(view.getNameList(1)), QVariantList{QStringLiteral("Gun0")});

        // Types above 3 store nothing and read nothing, and still answer true.
        const QStringList keysBefore = QSettings(QLatin1String(NamesList::FileName), QSettings::IniFormat).allKeys();
        QCOMPARE(view.updataNameList(4, three), QVariant(true));
        QCOMPARE(view.updataNameList(-1, three), QVariant(true));
        QCOMPARE(QSettings(QLatin1String(NamesList::FileName), QSettings::IniFormat).allKeys(), keysBefore);
        QCOMPARE(view.getNameList(4), QVariantList());

        // Names with characters special to the file format come back unchanged.
        const QStringList odd{QStringLiteral("a, b"), QStringLiteral("semi;colon"), QStringLiteral("eq=ual"),
                              QString::fromUtf8("中文"), QStringLiteral("\"quoted\""), QStringLiteral("back\\slash"),
                              QStringLiteral(" lead"), QStringLiteral("[section]"), QStringLiteral("@Invalid()")};
        view.updataNameList(3, odd);
        QCOMPARE(asStrings(view.getNameList(3)), odd);
    }

    void namesFiles()
    {
        RuntimeTree tree;
        myQQuickView view;
        // The shipped names file lists the first profile.
        QCOMPARE(asStrings(view.getNameList(2)), (QStringList{QStringLiteral("Standard0"), QStringLiteral("loadertobrel")}));
        QCOMPARE(view.getNameList(0), QVariantList());

        // A list of one name kept without the filler is that name, not its letters.
        writeFile(QLatin1String(NamesList::FileName), "[macro]\nmacroName=Macro_0\n");
        QCOMPARE(asStrings(view.getNameList(0)), QStringList{QStringLiteral("Macro_0")});
    }
};

QTEST_MAIN(TestAppState)
#include "tst_app_state.moc"
