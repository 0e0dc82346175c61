// The settings files' INI text: what the program writes is byte for byte what Qt's own INI
// format writes, and what it reads is what Qt reads, so files from either read the same.
#include "profiles/ini_text.h"

#include <QDataStream>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every key and value as Qt's INI reader gives them from `text` (in a file of its own, since Qt
// keeps what it read or wrote of a file name for the next reader of the same name).
IniText::Map qtRead(const QByteArray &text)
{
    static int serial = 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("read%1.bin").arg(++serial));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(text);
    }
    const QSettings s(path, QSettings::IniFormat);
    IniText::Map map;
    for (const QString &key : s.allKeys()) {
        if (!key.isEmpty())   // an empty key is kept, but QSettings cannot be asked for it
            map.insert(key, s.value(key));
    }
    return map;
}

} // namespace

class TestIniText : public QObject
{
    Q_OBJECT

private slots:
    void writesAsQtDoes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.bin"));
        IniText::Map map;
        map.insert(QStringLiteral("top"), QStringLiteral("t"));
        map.insert(QStringLiteral("General/g"), 1);
        map.insert(QStringLiteral("keydefine_J2/10"), QVariantList{1, 0, 240, 0});
        map.insert(QStringLiteral("keydefine_J2/2"), QStringList{QStringLiteral("7"), QStringLiteral("0")});
        map.insert(QStringLiteral("a-b/x"), 2);
        map.insert(QStringLiteral("a/x"), 3);
        map.insert(QStringLiteral("s/one"), QVariantList{5});
        map.insert(QStringLiteral("s/none"), QStringList());
        map.insert(QStringLiteral("s/empty"), QString());
        map.insert(QStringLiteral("s/text"), QString::fromUtf8("h\xc3\xa9 \"q\" a,b; \\ \t\x01\x7f \xe2\x82\xac\xf0\x9f\x98\x80 "));
        map.insert(QStringLiteral("s/nul"), QString(QChar(0)) + QStringLiteral("12"));
        map.insert(QStringLiteral("s/lead"), QStringLiteral(" lead"));
        map.insert(QStringLiteral("s/at"), QStringLiteral("@x"));
        map.insert(QStringLiteral("s/bytes"), QByteArray("ab\0c\xff", 5));
        map.insert(QStringLiteral("s/double"), 2.5);
        map.insert(QStringLiteral("s/whole double"), 100.0);
        map.insert(QStringLiteral("s/bool"), true);
        map.insert(QStringLiteral("s/big"), qint64(1) << 40);
        map.insert(QStringLiteral("s/rect"), QRect(1, 2, 3, 4));
        map.insert(QStringLiteral("s/k%y=\xc3\xa9"), 1);
        map.insert(QStringLiteral("s/deep/er"), 1);
        map.insert(QString::fromUtf8("\xe2\x82\xac/k"), 1);
        map.insert(QStringLiteral("s/mixed"), QVariantList{1, QStringLiteral("@a"), QStringLiteral("b c"), 2.5});
        {
            QSettings qt(path, QSettings::IniFormat);
            for (auto it = map.constBegin(); it != map.constEnd(); ++it)
                qt.setValue(it.key(), it.value());
        }
        const QByteArray written = bytesOf(path);
        QVERIFY(!written.isEmpty());
        QCOMPARE(IniText::write(map), written);
        QCOMPARE(IniText::write({}), QByteArray());

        // Read back, both readers agree on every key and value.
        IniText::Map ours;
        QVERIFY(IniText::read(written, &ours));
        const IniText::Map qt = qtRead(written);
        QCOMPARE(ours.keys(), qt.keys());
        for (auto it = qt.constBegin(); it != qt.constEnd(); ++it)
            QVERIFY2(ours.value(it.key()) == it.value(), qPrintable(it.key()));
    }

    void readsAsQtDoes_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("wellFormed");
        QTest::newRow("factory profile") << bytesOf(QStringLiteral(SKALD_SOURCE_DIR "/modules/setting/pD.bin")) << true;
        QTest::newRow("spaces, comments, CRLF") << QByteArray("\xef\xbb\xbf ; note\r\n[a]\r\n  k = 1 , 2 ;tail\r\nq=\"x, y\" , z\r\n\r\n[General]\nt=1\n") << true;
        QTest::newRow("escapes") << QByteArray("[e]\nx=\\x41\\101\\n\\q\\\n b\ny=\"a\nb\"\nz=@Invalid()\nw=@@v\nv=@Rect(1 2 3 4)\n") << true;
        QTest::newRow("keys") << QByteArray("[%General]\na%2Fb\\c=1\n[s%20t]\n%U20AC=2\nbad%zz=3\nk=1\nk=2\n[s%20t]\nm=3\n") << true;
        QTest::newRow("no equals") << QByteArray("[a]\nnot a key\nk=1\n") << false;
        QTest::newRow("open section") << QByteArray("[a\nk=1\n") << false;
        QByteArray noise;
        quint32 x = 7;
        for (int i = 0; i < 4096; ++i) {
            x = x * 1664525u + 1013904223u;
            noise.append(char(x >> 24));
        }
        QTest::newRow("noise") << noise << false;
    }

    void readsAsQtDoes()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, wellFormed);
        IniText::Map ours;
        QCOMPARE(IniText::read(text, &ours), wellFormed);
        ours.remove(QString());
        const IniText::Map qt = qtRead(text);
        QVERIFY(!qt.isEmpty());
        QCOMPARE(ours.keys(), qt.keys());
        for (auto it = qt.constBegin(); it != qt.constEnd(); ++it)
            QVERIFY2(ours.value(it.key()) == it.value(), qPrintable(it.key()));
    }

    // Mending a value rewrites its line only; the rest of the file keeps its bytes, its order and
    // its comments, and the file reads as if Qt had stored the value.
    void replacesOnlyTheValue()
    {
        const QByteArray text = "[sensor]\r\n; kept\r\njmgd = 9 ;why\r\ndpi=1, 2\r\n\r\n[XYSensitive]\n1=12\n0=4\n1=13\n";
        const QByteArray mended = IniText::replaceValues(
            text, {{QStringLiteral("XYSensitive/1"), 9}, {QStringLiteral("sensor/dpi"), QVariantList{1, 2, 3}},
                   {QStringLiteral("sensor/absent"), 1}});
        QCOMPARE(mended, QByteArray("[sensor]\r\n; kept\r\njmgd = 9 ;why\r\ndpi=1, 2, 3\r\n\r\n[XYSensitive]\n1=12\n0=4\n1=9\n"));
        IniText::Map map;
        QVERIFY(IniText::read(mended, &map));
        QCOMPARE(map.value(QStringLiteral("XYSensitive/1")).toString(), QStringLiteral("9"));
        QCOMPARE(map.value(QStringLiteral("sensor/dpi")).toStringList(), (QStringList{"1", "2", "3"}));
    }
};

QTEST_MAIN(TestIniText)
#include "tst_ini_text.moc"
