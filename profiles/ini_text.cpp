#include "profiles/ini_text.h"

#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <cstring>

namespace IniText {

namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

#ifdef Q_OS_WIN
constexpr char eol[] = "\r\n";
#else
constexpr char eol[] = "\n";
#endif

enum { Space = 0x1, Special = 0x2 };

// Space: '\t', '\n', '\r', ' '. Special: '\n', '\r', '"', ';', '=', '\\'.
int traits(char c)
{
    switch (c) {
    case '\t': case ' ':
        return Space;
    case '\n': case '\r':
        return Space | Special;
    case '"': case ';': case '=': case '\\':
        return Special;
    default:
        return 0;
    }
}

// One logical line from `pos`: a value may run over several lines inside quotes or after a
// backslash; a comment line is skipped, a ';' outside quotes ends the line.
bool readLine(const QByteArray &data, qsizetype &pos, qsizetype &lineStart, qsizetype &lineLen, qsizetype &equalsPos)
{
    const qsizetype dataLen = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < dataLen && (traits(data.at(lineStart)) & Space))
        ++lineStart;

    qsizetype i = lineStart;
    while (i < dataLen) {
        char ch = data.at(i);
        while (!(traits(ch) & Special)) {
            if (++i == dataLen)
                goto done;
            ch = data.at(i);
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < dataLen) {
                const char next = data.at(i++);
                if (i < dataLen) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == lineStart + 1) {
                while (i < dataLen && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < dataLen && (traits(data.at(i)) & Space))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    pos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

void unescapedKey(QByteArrayView key, QString &result)
{
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    qsizetype i = 0;
    while (i < size) {
        char16_t ch = decoded.at(i).unicode();
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == size - 1) {
            result += QChar(ch);
            ++i;
            continue;
        }
        int digits = 2;
        qsizetype first = i + 1;
        if (decoded.at(i + 1).unicode() == 'U') {
            ++first;
            digits = 4;
        }
        if (first + digits > size) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        bool ok = false;
        ch = QStringView(decoded).sliced(first, digits).toUShort(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(ch);
        i = first + digits;
    }
}

void chopTrailingSpaces(QString &str, qsizetype limit)
{
    qsizetype n = str.size() - 1;
    while (n >= limit && (str.at(n) == QLatin1Char(' ') || str.at(n) == QLatin1Char('\t')))
        str.truncate(n--);
}

// A value's text: one string, or a list when it has commas outside quotes.
bool unescapedStringList(QByteArrayView str, QString &stringResult, QStringList &listResult)
{
    static const char escapeCodes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                          {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    char16_t escapeVal = 0;
    qsizetype i = 0;
    qsizetype chopLimit = 0;
    char ch = 0;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);

skipSpaces:
    while (i < str.size() && ((ch = str.at(i)) == ' ' || ch == '\t'))
        ++i;
normal:
    chopLimit = stringResult.size();
    while (i < str.size()) {
        switch (str.at(i)) {
        case '\\':
            ++i;
            if (i >= str.size())
                goto end;
            ch = str.at(i++);
            for (const auto &code : escapeCodes) {
                if (ch == code[0]) {
                    stringResult += QLatin1Char(code[1]);
                    goto normal;
                }
            }
            if (ch == 'x') {
                escapeVal = 0;
                if (i >= str.size())
                    goto end;
                ch = str.at(i);
                if ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))
                    goto hexEscape;
            } else if (ch >= '0' && ch <= '7') {
                escapeVal = char16_t(ch - '0');
                goto octEscape;
            } else if (ch == '\n' || ch == '\r') {
                if (i < str.size()) {
                    const char next = str.at(i);
                    if ((next == '\n' || next == '\r') && next != ch)
                        ++i;
                }
            }
            chopLimit = stringResult.size();
            break;
        case '"':
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                goto skipSpaces;
            break;
        case ',':
            if (!inQuotes) {
                if (!quoted)
                    chopTrailingSpaces(stringResult, chopLimit);
                if (!isList) {
                    isList = true;
                    listResult.clear();
                }
                listResult.append(stringResult);
                stringResult.clear();
                quoted = false;
                ++i;
                goto skipSpaces;
            }
            Q_FALLTHROUGH();
        default: {
            qsizetype j = i + 1;
            while (j < str.size()) {
                ch = str.at(j);
                if (ch == '\\' || ch == '"' || ch == ',')
                    break;
                ++j;
            }
            stringResult += fromUtf8(str.first(j).sliced(i));
            i = j;
        }
        }
    }
    if (!quoted)
        chopTrailingSpaces(stringResult, chopLimit);
    goto end;

hexEscape:
    if (i >= str.size()) {
        stringResult += QChar(escapeVal);
        goto end;
    }
    ch = str.at(i);
    if (ch >= 'a')
        ch = char(ch - ('a' - 'A'));
    if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F')) {
        escapeVal = char16_t(escapeVal << 4);
        escapeVal = char16_t(escapeVal + (std::strchr(hexDigits, ch) - hexDigits));
        ++i;
        goto hexEscape;
    }
    stringResult += QChar(escapeVal);
    goto normal;

octEscape:
    if (i >= str.size()) {
        stringResult += QChar(escapeVal);
        goto end;
    }
    ch = str.at(i);
    if (ch >= '0' && ch <= '7') {
        escapeVal = char16_t(escapeVal << 3);
        escapeVal = char16_t(escapeVal + (ch - '0'));
        ++i;
        goto octEscape;
    }
    stringResult += QChar(escapeVal);
    goto normal;

end:
    if (isList)
        listResult.append(stringResult);
    return isList;
}

QStringList splitArgs(const QString &s, qsizetype idx)
{
    QStringList result;
    QString item;
    for (++idx; idx < s.size(); ++idx) {
        const QChar c = s.at(idx);
        if (c == QLatin1Char(')')) {
            result.append(item);
            break;
        }
        if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

QVariant stringToVariant(const QString &s)
{
    if (s.startsWith(QLatin1Char('@'))) {
        if (s.endsWith(QLatin1Char(')'))) {
            if (s.startsWith(QLatin1String("@ByteArray("))) {
                return QVariant(QStringView(s).sliced(11).chopped(1).toLatin1());
            } else if (s.startsWith(QLatin1String("@String("))) {
                return QVariant(QStringView(s).sliced(8).chopped(1).toString());
            } else if (s.startsWith(QLatin1String("@Variant(")) || s.startsWith(QLatin1String("@DateTime("))) {
                const bool dateTime = s.at(1) == QLatin1Char('D');
                QByteArray a = QStringView(s).sliced(dateTime ? 10 : 9).toLatin1();
                QDataStream stream(&a, QIODevice::ReadOnly);
                stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
                QVariant result;
                stream >> result;
                return result;
            } else if (s.startsWith(QLatin1String("@Rect("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 4)
                    return QVariant(QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()));
            } else if (s.startsWith(QLatin1String("@Size("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 2)
                    return QVariant(QSize(args[0].toInt(), args[1].toInt()));
            } else if (s.startsWith(QLatin1String("@Point("))) {
                const QStringList args = splitArgs(s, 6);
                if (args.size() == 2)
                    return QVariant(QPoint(args[0].toInt(), args[1].toInt()));
            } else if (s == QLatin1String("@Invalid()")) {
                return QVariant();
            }
        }
        if (s.startsWith(QLatin1String("@@")))
            return QVariant(s.sliced(1));
    }
    return QVariant(s);
}

QVariant stringListToVariant(const QStringList &l)
{
    QStringList out = l;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QString &str = out.at(i);
        if (str.startsWith(QLatin1Char('@'))) {
            if (str.size() < 2 || str.at(1) != QLatin1Char('@')) {
                QVariantList variants;
                variants.reserve(l.size());
                for (const QString &s : l)
                    variants.append(stringToVariant(s));
                return variants;
            }
            out[i].remove(0, 1);
        }
    }
    return out;
}

QString variantToString(const QVariant &v)
{
    QString result;
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        result = QStringLiteral("@Invalid()");
        break;
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        result = QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
        break;
    }
    case QMetaType::QString: case QMetaType::LongLong: case QMetaType::ULongLong: case QMetaType::Int:
    case QMetaType::UInt: case QMetaType::Bool: case QMetaType::Float: case QMetaType::Double:
        result = v.toString();
        if (result.contains(QChar::Null))
            result = QLatin1String("@String(") + result + QLatin1Char(')');
        else if (result.startsWith(QLatin1Char('@')))
            result.prepend(QLatin1Char('@'));
        break;
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        result = QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
        break;
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        result = QString::asprintf("@Size(%d %d)", s.width(), s.height());
        break;
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        result = QString::asprintf("@Point(%d %d)", p.x(), p.y());
        break;
    }
    default: {
        const bool dateTime = v.metaType().id() == QMetaType::QDateTime;
        QByteArray a;
        {
            QDataStream s(&a, QIODevice::WriteOnly);
            s.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            s << v;
        }
        result = QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(a.constData(), a.size())
                 + QLatin1Char(')');
        break;
    }
    }
    return result;
}

void escapedKey(const QString &key, QByteArray &result)
{
    for (const QChar qc : key) {
        uint ch = qc.unicode();
        if (ch == '/') {
            result += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            result += char(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += hexDigits[ch / 16];
            result += hexDigits[ch % 16];
        } else {
            result += "%U";
            char hex[4];
            for (int i = 3; i >= 0; --i) {
                hex[i] = hexDigits[ch % 16];
                ch >>= 4;
            }
            result.append(hex, 4);
        }
    }
}

void escapedString(const QString &str, QByteArray &result)
{
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const bool useCodec = !(str.startsWith(QLatin1String("@ByteArray(")) || str.startsWith(QLatin1String("@Variant(")));
    const qsizetype startPos = result.size();
    QStringEncoder toUtf8(QStringEncoder::Utf8);

    for (const QChar qch : str) {
        const uint ch = qch.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': result += "\\a"; break;
        case '\b': result += "\\b"; break;
        case '\f': result += "\\f"; break;
        case '\n': result += "\\n"; break;
        case '\r': result += "\\r"; break;
        case '\t': result += "\\t"; break;
        case '\v': result += "\\v"; break;
        case '"':
        case '\\':
            result += '\\';
            result += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !useCodec)) {
                result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (useCodec) {
                result += QByteArray(toUtf8(QStringView(&qch, 1)));
            } else {
                result += char(ch);
            }
        }
    }
    if (needsQuotes
        || (startPos < result.size() && (result.at(startPos) == ' ' || result.at(result.size() - 1) == ' '))) {
        result.insert(startPos, '"');
        result += '"';
    }
}

void escapedStringList(const QStringList &strs, QByteArray &result)
{
    if (strs.isEmpty()) {
        // An empty list, told apart from a list of one empty text.
        result += "@Invalid()";
        return;
    }
    for (qsizetype i = 0; i < strs.size(); ++i) {
        if (i != 0)
            result += ", ";
        escapedString(strs.at(i), result);
    }
}

// Calls `onKey(fullKey, valueStart, lineEnd)` for every key line of `text`.
template <typename OnKey>
bool forEachKey(const QByteArray &text, OnKey onKey)
{
    qsizetype pos = text.startsWith("\xef\xbb\xbf") ? 3 : 0;
    QString section;
    qsizetype lineStart = 0;
    qsizetype lineLen = 0;
    qsizetype equalsPos = -1;
    bool ok = true;
    while (readLine(text, pos, lineStart, lineLen, equalsPos)) {
        const QByteArrayView line = QByteArrayView(text).sliced(lineStart, lineLen);
        if (line.startsWith('[')) {
            qsizetype idx = line.indexOf(']');
            if (idx < 0) {
                ok = false;
                idx = lineLen;
            }
            const QByteArrayView name = line.first(idx).sliced(1).trimmed();
            section.clear();
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                if (name.compare("%general", Qt::CaseInsensitive) == 0)
                    section = QString::fromLatin1(name.sliced(1));
                else
                    unescapedKey(name, section);
                section += QLatin1Char('/');
            }
            continue;
        }
        if (equalsPos == -1) {
            if (!line.startsWith(';'))
                ok = false;
            continue;
        }
        QString key = section;
        unescapedKey(line.first(equalsPos - lineStart).trimmed(), key);
        onKey(key, equalsPos + 1, lineStart + lineLen);
    }
    return ok;
}

} // namespace

bool read(const QByteArray &text, Map *map)
{
    return forEachKey(text, [&](const QString &key, qsizetype valueStart, qsizetype end) {
        QString string;
        QStringList list;
        const QByteArrayView value = QByteArrayView(text).sliced(valueStart, end - valueStart);
        map->insert(key, unescapedStringList(value, string, list) ? stringListToVariant(list) : stringToVariant(string));
    });
}

QByteArray valueText(const QVariant &value)
{
    QByteArray block;
    const int type = value.metaType().id();
    // A list of one element would read back as a plain text: it is kept whole instead.
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        QStringList strings;
        for (const QVariant &v : value.toList())
            strings.append(variantToString(v));
        escapedStringList(strings, block);
    } else {
        escapedString(variantToString(value), block);
    }
    return block;
}

QByteArray write(const Map &map)
{
    QMap<QString, QList<Map::const_iterator>> sections;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        sections[slash < 0 ? QString() : it.key().left(slash)].append(it);
    }
    QByteArray out;
    bool first = true;
    for (auto s = sections.constBegin(); s != sections.constEnd(); ++s) {
        QByteArray header;
        escapedKey(s.key(), header);
        if (header.isEmpty())
            header = "[General]";
        else if (header.compare("general", Qt::CaseInsensitive) == 0)
            header = "[%General]";
        else
            header = '[' + header + ']';
        if (!first)
            out += eol;
        first = false;
        out += header + eol;
        QMap<QString, QVariant> keys;
        for (const Map::const_iterator &it : s.value()) {
            const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
            keys.insert(slash < 0 ? it.key() : it.key().mid(slash + 1), it.value());
        }
        for (auto k = keys.constBegin(); k != keys.constEnd(); ++k) {
            escapedKey(k.key(), out);
            out += '=';
            out += valueText(k.value());
            out += eol;
        }
    }
    return out;
}

QByteArray replaceValues(const QByteArray &text, const Map &values)
{
    QMap<qsizetype, std::pair<qsizetype, QByteArray>> edits; // value start -> (end, new text)
    QMap<QString, qsizetype> lastLine;
    forEachKey(text, [&](const QString &key, qsizetype valueStart, qsizetype end) {
        const auto it = values.constFind(key);
        if (it == values.constEnd())
            return;
        if (const auto before = lastLine.constFind(key); before != lastLine.constEnd())
            edits.remove(*before);
        lastLine[key] = valueStart;
        edits.insert(valueStart, {end, valueText(*it)});
    });
    QByteArray out = text;
    for (auto e = edits.constEnd(); e != edits.constBegin();) {
        --e;
        out.replace(e.key(), e.value().first - e.key(), e.value().second);
    }
    return out;
}

} // namespace IniText
