#include "buttons/key_matrix.h"
#include "buttons/key_names.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QtTest>

namespace {

// Sixteen entries from their eight-digit texts.
std::array<int, 64> matrix(const QStringList &texts)
{
    std::array<int, 64> out{};
    for (int i = 0; i < texts.size(); ++i) {
        const QByteArray bytes = QByteArray::fromHex(texts[i].toLatin1());
        for (int b = 0; b < 4; ++b)
            out[std::size_t(i * 4 + b)] = std::uint8_t(bytes[b]);
    }
    return out;
}

QString slot(const std::array<std::uint8_t, 128> &payload, int k)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(payload.data()) + k * 4, 4).toHex());
}

const QStringList defaults{"0100f000", "0100f100", "0100f200", "0100f400", "0100f300", "07000100", "07000200",
                           "00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
                           "04000100", "04000200"};

} // namespace

class TestKeyAssignment : public QObject
{
    Q_OBJECT

private slots:
    void payloadSlotOrder()
    {
        // Forward and Back swap places on the way to the mouse.
        std::array<std::uint8_t, 128> p = KeyMatrix::payload(matrix(defaults));
        QCOMPARE(slot(p, 3), QStringLiteral("0100f300"));
        QCOMPARE(slot(p, 4), QStringLiteral("0100f400"));
        QCOMPARE(slot(p, 7), QStringLiteral("07000200"));
        QCOMPARE(slot(p, 8), QStringLiteral("07000100"));
        QCOMPARE(slot(p, 14), QStringLiteral("04000100"));

        // Entries 5 to 8 land in slots 8, 7, 5 and 6.
        QStringList texts = defaults;
        texts[5] = "00000405";
        texts[6] = "00000406";
        texts[7] = "00000407";
        texts[8] = "00000408";
        texts[9] = "0a070000";
        texts[15] = "09020f00";
        p = KeyMatrix::payload(matrix(texts));
        QCOMPARE(slot(p, 8), QStringLiteral("00000405"));
        QCOMPARE(slot(p, 7), QStringLiteral("00000406"));
        QCOMPARE(slot(p, 5), QStringLiteral("00000407"));
        QCOMPARE(slot(p, 6), QStringLiteral("00000408"));
        QCOMPARE(slot(p, 9), QStringLiteral("0a070000"));
        QCOMPARE(slot(p, 15), QStringLiteral("09020f00"));
        for (int k = 16; k < 30; ++k)
            QCOMPARE(slot(p, k), QStringLiteral("00000000"));

        // The fixed tail, whatever the input; values are cut to 8 bits.
        std::array<int, 64> odd{};
        odd.fill(0x1FF);
        p = KeyMatrix::payload(odd);
        QCOMPARE(slot(p, 0), QStringLiteral("ffffffff"));
        QCOMPARE(slot(p, 16), QStringLiteral("00000000"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(p.data()) + 120, 8).toHex(' '),
                 QByteArray("01 00 f7 00 01 00 f8 00"));
    }

    void storedEntries()
    {
        RuntimeTree tree(false);   // no shipped profiles
        myQQuickView view;
        // A button without an entry reads as its factory assignment, never as nothing.
        QCOMPARE(view.getKeydefine(3), (QVariantList{1, 0, 0xF4, 0}));

        QVariantList src;
        for (int v : matrix(defaults))
            src.append(v);
        src[4 * 8 + 0] = 9;   // button 9: macro, slot 9
        src[4 * 8 + 2] = 9;
        view.ui_07H_SetKeyMatrix(src);
        QCOMPARE(view.getKeydefine(0), (QVariantList{1, 0, 0xF0, 0}));
        QCOMPARE(view.getKeydefine(QStringLiteral("3")), (QVariantList{1, 0, 0xF4, 0}));
        QCOMPARE(view.getKeydefine(8), (QVariantList{9, 0, 9, 0}));
        QCOMPARE(view.getKeydefine(15), (QVariantList{4, 0, 2, 0}));
        QVERIFY(view.getKeydefine(16).isEmpty());
        QCOMPARE(view.currentSettings()->value(QStringLiteral("keydefine_J2/4")).toList().size(), 4);

        // A matrix that is too short stores nothing.
        view.ui_07H_SetKeyMatrix(QVariantList{0, 0, 0, 0});
        QCOMPARE(view.getKeydefine(0), (QVariantList{1, 0, 0xF0, 0}));
    }

    void namesTable()
    {
        QCOMPARE(KeyNames::keyRowCount, 128);
        QSet<QString> names;
        for (int i = 0; i < KeyNames::keyRowCount; ++i)
            names.insert(QString::fromUtf8(KeyNames::keyRows[i].name));
        QCOMPARE(names.size(), 127);
        QCOMPARE(KeyNames::keycode2str(0x31), QStringLiteral("\\ |"));
        QCOMPARE(KeyNames::keycode2str(0x32), QStringLiteral("\\ |"));
        QCOMPARE(KeyNames::str2keycode(QStringLiteral("\\ |")), 0x32);
        QCOMPARE(KeyNames::keycode2str(0x34), QStringLiteral("' \""));
        QCOMPARE(KeyNames::keycode2str(0x4F), QStringLiteral("\u25BA"));
        QCOMPARE(KeyNames::keycode2str(0x88), QStringLiteral("Intl'2"));
        QCOMPARE(KeyNames::keycode2str(0x86), QString());
        QCOMPARE(KeyNames::keycode2str(-4), QString());
        QCOMPARE(KeyNames::str2keycode(QStringLiteral("KP Enter")), 0x58);
        QCOMPARE(KeyNames::str2keycode(QStringLiteral("nope")), -1);
        QCOMPARE(KeyNames::str2mousecode(QStringLiteral("MS-B4")), 0xF3);
        QCOMPARE(KeyNames::mousecode2str(0xF2), QStringLiteral("MS-M"));
    }

    // The pages read the names from a script of their own; it must say what the program says.
    void pagesShareTheNames()
    {
        QQmlEngine engine;
        QList<QQmlError> warnings;
        connect(&engine, &QQmlEngine::warnings, this, [&](const QList<QQmlError> &w) { warnings += w; });
        QQmlComponent component(&engine);
        component.setData("import QtQml\n"
                          "import \"qrc:/modules/qml/J2/keyNames.js\" as KeyNames\n"
                          "QtObject { property var keys: KeyNames.keyNames; property var mice: KeyNames.mouseNames }\n",
                          QUrl(QStringLiteral("qrc:/modules/qml/J2/probe.qml")));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QVERIFY(warnings.isEmpty());

        const QVariantList keys = object->property("keys").toList();
        QCOMPARE(keys.size(), KeyNames::keyRowCount);
        for (int i = 0; i < keys.size(); ++i) {
            const QVariantList row = keys[i].toList();
            QCOMPARE(row.value(0).toInt(), KeyNames::keyRows[i].code);
            QCOMPARE(row.value(1).toString(), QString::fromUtf8(KeyNames::keyRows[i].name));
        }
        const QVariantList mice = object->property("mice").toList();
        QCOMPARE(mice.size(), KeyNames::mouseRowCount);
        for (int i = 0; i < mice.size(); ++i) {
            QCOMPARE(mice[i].toList().value(0).toInt(), KeyNames::mouseRows[i].code);
            QCOMPARE(mice[i].toList().value(1).toString(), QString::fromUtf8(KeyNames::mouseRows[i].name));
        }
    }
};

QTEST_MAIN(TestKeyAssignment)
#include "tst_key_assignment.moc"
