#include "profiles/stored_value_rules.h"

#include "device/mouse_model.h"
#include "device/profile_block_layout.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_list.h"

#include <QHash>
#include <QStringList>

#include <cmath>
#include <iterator>
#include <limits>

namespace StoredValues {

namespace {

QVariantList numbers(std::initializer_list<int> values)
{
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}

// The factory profile data block: what the shipped defaults file holds.
QVariantList factoryBlock()
{
    using namespace ProfileBlock;
    QVariantList block;
    for (int i = 0; i < Size; ++i)
        block.append(0);
    // A static light (effect 1, first option 10) in red.
    const int known[][2] = {{SendMark, 1},       {SendMark + 1, 1}, {XSensitivity, 100}, {YSensitivity, 100},
                            {DpiEnabledMask, 255}, {Lighting, 1},     {Lighting + 1, 10},  {Lighting + 3, 255}};
    for (const auto &k : known)
        block[k[0]] = k[1];
    const int dpi[DpiStages] = {8, 16, 32, 48, 64, 128, 160, 240};
    for (int i = 0; i < DpiStages; ++i) {
        block[DpiTableFirst + 2 * i] = dpi[i];
        block[DpiTableSecond + 2 * i] = dpi[i];
    }
    const int colours[StageColourBytes] = {255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255};
    for (int i = 0; i < StageColourBytes; ++i)
        block[StageColours + i] = colours[i];
    return block;
}

// What each button does on a new mouse; the key assignment page falls back to the same entries.
const int kButtonDefaults[16][4] = {{1, 0, 0xf0, 0}, {1, 0, 0xf1, 0}, {1, 0, 0xf2, 0}, {1, 0, 0xf4, 0},
                                    {1, 0, 0xf3, 0}, {7, 0, 1, 0},    {7, 0, 2, 0},    {0, 0, 0, 0},
                                    {0, 0, 0, 0},    {0, 0, 0, 0},    {0, 0, 0, 0},    {0, 0, 0, 0},
                                    {0, 0, 0, 0},    {0, 0, 0, 0},    {4, 0, 1, 0},    {4, 0, 2, 0}};

// A macro entry (type 0x09) plays the macro of a slot the mouse has: one per button, 1-based.
bool macroSlotExists(const QVariantList &entry)
{
    constexpr int slotCount = int(std::size(kButtonDefaults));
    return entry.value(0).toInt() != 0x09 || (entry.value(2).toInt() >= 1 && entry.value(2).toInt() <= slotCount);
}

Rule byteList(int length, QVariantList fallback)
{
    Rule r;
    r.kind = Rule::NumberList;
    r.min = 0;
    r.max = 255;
    r.length = length;
    r.fallback = std::move(fallback);
    return r;
}

Rule dpiList(qint64 max)
{
    Rule r = byteList(8, numbers({400, 800, 1600, 2400, 3200, 6400, 8000, 12000}));
    r.min = 200;
    r.max = max;
    r.clamp = true;
    return r;
}

Rule continuous(Rule r)
{
    r.clamp = true;
    return r;
}

Rule textList(int maxLength, int maxTextLength)
{
    Rule r;
    r.kind = Rule::TextList;
    r.maxLength = maxLength;
    r.maxTextLength = maxTextLength;
    r.fallback = QVariantList();
    return r;
}

// n of prefix + n, for n = 0..last written without leading zeros; -1 otherwise.
int indexAfter(const QString &key, QLatin1String prefix, int last)
{
    if (!key.startsWith(prefix))
        return -1;
    const QStringView digits = QStringView(key).mid(prefix.size());
    if (digits.isEmpty() || digits.size() > 3 || (digits.size() > 1 && digits.front() == QLatin1Char('0')))
        return -1;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    }
    const int n = digits.toInt();
    return n <= last ? n : -1;
}

std::optional<QString> textOf(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString();
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
        return v.toString();
    default:
        return std::nullopt;
    }
}

bool inRange(const Rule &rule, qint64 n)
{
    return (n >= rule.min && n <= rule.max) || rule.also.contains(n);
}

bool lengthFits(const Rule &rule, qsizetype size)
{
    return rule.length > 0 ? size >= rule.length : size >= rule.minLength && size <= rule.maxLength;
}

QVariant asVariant(qint64 n)
{
    return n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max() ? QVariant(int(n))
                                                                                        : QVariant(n);
}

} // namespace

std::optional<qint64> numberOf(const QVariant &v)
{
    bool ok = false;
    qint64 n = 0;
    switch (v.typeId()) {
    case QMetaType::QString:
        n = v.toString().trimmed().toLongLong(&ok, 10);
        break;
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::Short:
    case QMetaType::UShort: case QMetaType::UChar: case QMetaType::Char: case QMetaType::SChar:
        n = v.toLongLong(&ok);
        break;
    case QMetaType::ULongLong:
        if (v.toULongLong() <= quint64(std::numeric_limits<qint64>::max()))
            n = v.toLongLong(&ok);
        break;
    case QMetaType::Double: case QMetaType::Float: {
        // Pages hand numbers over as doubles; a whole one is as good as an integer.
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15) {
            n = qint64(d);
            ok = true;
        }
        break;
    }
    default:
        break;
    }
    if (!ok)
        return std::nullopt;
    return n;
}

Rule number(qint64 min, qint64 max, int fallback, QList<qint64> also)
{
    Rule r;
    r.kind = Rule::Number;
    r.min = min;
    r.max = max;
    r.also = std::move(also);
    r.fallback = fallback;
    return r;
}

Rule text(int maxLength, const QVariant &fallback)
{
    Rule r;
    r.kind = Rule::Text;
    r.maxTextLength = maxLength;
    r.fallback = fallback;
    return r;
}

Rule record(QList<Rule> elements, QVariant fallback)
{
    Rule r;
    r.kind = Rule::NumberList;
    r.length = int(elements.size());
    r.elements = std::move(elements);
    r.fallback = std::move(fallback);
    return r;
}

const Rule *profileRule(const QString &key)
{
    static const QHash<QString, Rule> fixed = [] {
        QHash<QString, Rule> t;
        // Entries beyond the block are not used.
        t.insert(QStringLiteral("profile/data"), byteList(ProfileBlock::Size, factoryBlock()));
        t.insert(QStringLiteral("sensor/reportRate_J2"), number(1, 0, 1, {1, 2, 4, 8}));
        t.insert(QStringLiteral("sensor/jmgd"), number(2, 3, 2));
        for (int kind = 0; kind < mouseModels().size(); ++kind)
            t.insert(ProfileKeys::dpiListKey(kind), dpiList(int(mouseModels()[kind].dpiRange.maximum)));
        t.insert(QStringLiteral("sensor/dpi_Select"), [] {
            Rule r = byteList(8, numbers({1, 1, 1, 1, 1, 1, 1, 1}));
            r.max = 1;
            return r;
        }());
        // The page's light record: effect 1..4 (0, from older files, shows as the fourth), its
        // level 0..4, a byte sent as it is, and the colour.
        const Rule level = continuous(number(0, 255, 255));
        t.insert(QStringLiteral("color_J2/ledEffect"),
                 record({number(0, 4, 1), continuous(number(0, 4, 4)), number(0, 255, 0), level, level, level},
                        numbers({1, 4, 0, 255, 0, 0})));
        t.insert(QStringLiteral("sensor/cursorSpeed_J2"), continuous(number(0, 11, 5)));
        t.insert(QStringLiteral("sensor/doubleClickSpeed_J2"), continuous(number(0, 11, 5)));
        t.insert(QStringLiteral("sensor/verticalScrollLines_J2"), continuous(number(1, 100, 3, {1000})));
        return t;
    }();
    const auto it = fixed.constFind(key);
    if (it != fixed.constEnd())
        return &*it;

    static const QList<Rule> keyRules = [] {
        QList<Rule> list;
        for (const auto &entry : kButtonDefaults) {
            Rule r = byteList(4, numbers({entry[0], entry[1], entry[2], entry[3]}));
            r.acceptsList = macroSlotExists;
            r.whole = true;
            list.append(r);
        }
        return list;
    }();
    if (const int n = indexAfter(key, QLatin1String("keydefine_J2/"), 15); n >= 0)
        return &keyRules[n];

    static const Rule sensitivity = continuous(number(0, 9, 4));
    if (indexAfter(key, QLatin1String("XYSensitive/"), 1) >= 0)
        return &sensitivity;

    static const Rule colours = continuous(byteList(24, numbers({255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255,
                                                                 255, 255, 0, 255, 255, 0, 255, 255, 0, 255})));
    static const Rule fourColours = byteList(4, numbers({0, 0, 0, 0}));
    if (const int n = indexAfter(key, QLatin1String("color_J2/type"), 999); n >= 0)
        return n == 2 ? &fourColours : &colours;

    static const Rule name = text(1024);
    if (indexAfter(key, QLatin1String("macro/"), 999) >= 0 || indexAfter(key, QLatin1String("selectGun/"), 999) >= 0)
        return &name;
    return nullptr;
}

const Rule *configRule(const QString &key)
{
    static const QHash<QString, Rule> table = [] {
        QHash<QString, Rule> t;
        t.insert(QStringLiteral("J2/profileNo"), number(0, 5, 0));
        t.insert(QStringLiteral("common/language"), text(64));
        t.insert(QStringLiteral("common/name0"), text(1024));
        t.insert(QStringLiteral("common/name1"), text(1024));
        t.insert(QStringLiteral("common/product_name"), textList(64, 1024));
        Rule picture = byteList(0, QVariantList());
        picture.maxLength = 4096;
        t.insert(QStringLiteral("common/pictureData"), picture);
        return t;
    }();
    const auto it = table.constFind(key);
    return it != table.constEnd() ? &*it : nullptr;
}

const Rule *namesRule(const QString &key)
{
    static const Rule names = textList(1024, 1024);
    static const QStringList keys = {QStringLiteral("macro/macroName"), QStringLiteral("gun/gunName"),
                                     QStringLiteral("profile/profileName"), QStringLiteral("gun/selectGun")};
    return keys.contains(key) ? &names : nullptr;
}

const Rule *presetRule()
{
    // Fire key, interval, X offset, Y offset, run times.
    static const Rule preset = record({text(64), number(0, 255, 10), number(-127, 127, 0), number(-127, 127, 0),
                                       number(0, 255, 0)});
    return &preset;
}

const Rule &languageTotalRule()
{
    // Longer lists are cut where they are read.
    static const Rule total = number(0, std::numeric_limits<int>::max(), 0);
    return total;
}

const Rule &languageTextRule()
{
    static const Rule string = text(4096);
    return string;
}

std::optional<QVariant> fit(const Rule &rule, const QVariant &stored)
{
    if (!rule.elements.isEmpty()) {
        if (!stored.isValid())
            return std::nullopt;
        const QVariantList list = settingsList(stored);
        if (list.size() < rule.elements.size())
            return std::nullopt;
        QVariantList out;
        for (qsizetype i = 0; i < rule.elements.size(); ++i) {
            const std::optional<QVariant> element = fit(rule.elements[i], list[i]);
            if (!element)
                return std::nullopt;
            out.append(*element);
        }
        return QVariant(out);
    }

    switch (rule.kind) {
    case Rule::Number: {
        const std::optional<qint64> n = numberOf(stored);
        if (!n || !inRange(rule, *n))
            return std::nullopt;
        return asVariant(*n);
    }
    case Rule::NumberList: {
        // A list's elements are text in the file; one element alone is stored as a plain value.
        if (!stored.isValid())
            return std::nullopt;
        QVariantList list = settingsList(stored);
        if (!lengthFits(rule, list.size()))
            return std::nullopt;
        if (rule.length > 0)
            list.resize(rule.length);
        QVariantList out;
        out.reserve(list.size());
        for (const QVariant &element : std::as_const(list)) {
            const std::optional<qint64> n = numberOf(element);
            if (!n || !inRange(rule, *n))
                return std::nullopt;
            out.append(asVariant(*n));
        }
        if (rule.acceptsList && !rule.acceptsList(out))
            return std::nullopt;
        return QVariant(out);
    }
    case Rule::Text: {
        const std::optional<QString> s = textOf(stored);
        if (!s || s->size() > rule.maxTextLength || (rule.accepts && !rule.accepts(*s)))
            return std::nullopt;
        return QVariant(*s);
    }
    case Rule::TextList: {
        if (!stored.isValid())
            return std::nullopt;
        const QVariantList list = settingsList(stored);
        if (!lengthFits(rule, list.size()))
            return std::nullopt;
        QVariantList out;
        out.reserve(list.size());
        for (const QVariant &element : list) {
            const std::optional<QString> s = textOf(element);
            if (!s || s->size() > rule.maxTextLength || (rule.accepts && !rule.accepts(*s)))
                return std::nullopt;
            out.append(*s);
        }
        return QVariant(out);
    }
    }
    return std::nullopt;
}

QString describe(const QVariant &stored)
{
    QString text;
    if (!stored.isValid())
        text = QStringLiteral("(nothing)");
    else if (stored.typeId() == QMetaType::QVariantList || stored.typeId() == QMetaType::QStringList) {
        QStringList parts;
        const QVariantList list = settingsList(stored);
        for (qsizetype i = 0; i < list.size() && i < 10; ++i)
            parts << (list[i].canConvert<QString>() ? list[i].toString() : QStringLiteral("?"));
        text = QStringLiteral("%1 entries [%2%3]").arg(list.size()).arg(parts.join(QStringLiteral(", ")),
                                                                      list.size() > 10 ? QStringLiteral(", ...") : QString());
    } else if (stored.canConvert<QString>())
        text = QLatin1Char('"') + stored.toString() + QLatin1Char('"');
    else
        text = QString::fromLatin1(stored.typeName());
    return text.size() > 80 ? text.left(77) + QStringLiteral("...") : text;
}

} // namespace StoredValues
