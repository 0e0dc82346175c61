#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// What a stored value must look like before anything is built from it: its type, its range and
// the length of a list. A value read from a settings, profile, names, language, macro or recoil
// file that does not fit its rule is replaced by the rule's default and never reaches a page or
// the mouse.
namespace StoredValues {

struct Rule
{
    enum Kind { Number, NumberList, Text, TextList };
    Kind kind = Number;
    // Numbers, and every element of a number list: min..max, or one of `also`.
    qint64 min = 0;
    qint64 max = 0;
    QList<qint64> also;
    // A continuous range (a position, a DPI, a count): a number outside it is mended to the
    // nearer end. Otherwise the numbers are codes, and one that is not among them is replaced.
    bool clamp = false;
    // A list whose entries only mean something together (a key entry, whose type gives the
    // others their sense): one unfit entry replaces the whole list.
    bool whole = false;
    // Lists: at least `length` elements when `length` > 0, of which the first `length` are used
    // (the rest is left alone); otherwise `minLength` to `maxLength`.
    int length = 0;
    int minLength = 0;
    int maxLength = 0;
    // Texts, and every element of a text list: at most this many characters, and when
    // `accepts` is set, only the texts it accepts.
    int maxTextLength = 0;
    bool (*accepts)(const QString &text) = nullptr;
    // Number lists: when set, only the lists it accepts as a whole (its elements already fit).
    bool (*acceptsList)(const QVariantList &list) = nullptr;
    // A record: a list whose element i has a rule of its own, elements[i].
    QList<Rule> elements;
    // Used when no valid factory value is at hand.
    QVariant fallback;
};

// The rule of a key of a profile file ("sensor/jmgd", "keydefine_J2/3", ...), of the
// application configuration, of the names file or of the recoil preset file; null for keys
// that have none (those are not read as numbers or lists anywhere). A macro file's rules are
// with its reader (buttons/macro_file_reader.h), beside the key names its events are checked
// against.
const Rule *profileRule(const QString &key);
const Rule *configRule(const QString &key);
const Rule *namesRule(const QString &key);
const Rule *presetRule();
// A language list's "total", and each of its strings.
const Rule &languageTotalRule();
const Rule &languageTextRule();

// Building blocks for the rules of other files.
Rule number(qint64 min, qint64 max, int fallback, QList<qint64> also = {});
Rule text(int maxLength, const QVariant &fallback = QString());
Rule record(QList<Rule> elements, QVariant fallback = QVariantList());

// The stored value made to fit `rule` (numbers as integers, lists as lists, fixed-length lists
// cut to their length), or nothing when it does not fit.
std::optional<QVariant> fit(const Rule &rule, const QVariant &stored);

// A stored number: an integer, or text or a whole double that reads as one.
std::optional<qint64> numberOf(const QVariant &v);

// A short form of a stored value for messages; long lists and texts are cut.
QString describe(const QVariant &stored);

} // namespace StoredValues
