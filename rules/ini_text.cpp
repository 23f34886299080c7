#include "ini_text.h"

#include <QStringList>

namespace amorix::ini {
namespace {

bool isHexDigit(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int hexValue(char16_t c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

QString hex(char16_t c, int width = 0) { return QString::number(c, 16).rightJustified(width, u'0'); }

// QSettings trims blanks, tabs and line-end characters only; other white
// space (U+00A0, U+2000, ...) is part of the text.
QStringView trimmedAscii(QStringView text)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
}

// The parts of one line: a section header, a key=value pair, or neither
// (blank, comment, anything else).
struct Line {
    std::optional<QString> section;
    QStringView rawKey;
    QStringView rawValue;
    bool isPair = false;
};

Line parse(QStringView line)
{
    line = trimmedAscii(line);
    Line parsed;
    if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
        return parsed;
    if (line.front() == u'[') {
        const qsizetype end = line.indexOf(u']');
        if (end > 0)
            parsed.section = unescapedKey(line.mid(1, end - 1));
        return parsed;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0)
        return parsed;
    parsed.rawKey = trimmedAscii(line.left(eq));
    parsed.rawValue = trimmedAscii(line.mid(eq + 1));
    parsed.isPair = true;
    return parsed;
}

// Keys outside any section header belong to QSettings' "General" section.
const QString kGeneral = QStringLiteral("General");

} // namespace

QString escapedKey(const QString& key)
{
    QString result;
    for (const QChar c : key) {
        const char16_t ch = c.unicode();
        if (ch == u'/')
            result += u'\\';
        else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                 || ch == '-' || ch == '.')
            result += c;
        else if (ch <= 0xFF)
            result += u'%' + hex(ch, 2).toUpper();
        else
            result += QStringLiteral("%U") + hex(ch, 4).toUpper();
    }
    return result;
}

QString unescapedKey(QStringView escaped)
{
    QString result;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const char16_t ch = escaped[i].unicode();
        if (ch == u'\\') {
            result += u'/';
            continue;
        }
        const bool wide = ch == u'%' && i + 1 < escaped.size() && escaped[i + 1] == u'U';
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype first = i + (wide ? 2 : 1);
        bool allHex = ch == u'%' && first + digits <= escaped.size();
        for (qsizetype d = 0; allHex && d < digits; ++d)
            allHex = isHexDigit(escaped[first + d].unicode());
        if (!allHex) {
            result += QChar(ch);
            continue;
        }
        char16_t code = 0;
        for (qsizetype d = 0; d < digits; ++d)
            code = static_cast<char16_t>(code * 16 + hexValue(escaped[first + d].unicode()));
        result += QChar(code);
        i = first + digits - 1;
    }
    return result;
}

QString escapedValue(const QString& value)
{
    QString result = value.startsWith(u'@') ? QStringLiteral("@") : QString();
    // After a \x escape a hex digit would join it, so it is escaped too.
    bool afterHexEscape = false;
    for (const QChar c : value) {
        const char16_t ch = c.unicode();
        if (afterHexEscape && isHexDigit(ch)) {
            result += QStringLiteral("\\x") + hex(ch);
            continue;
        }
        afterHexEscape = false;
        switch (ch) {
        case u'\\': result += QStringLiteral("\\\\"); break;
        case u'"': result += QStringLiteral("\\\""); break;
        case u'\n': result += QStringLiteral("\\n"); break;
        case u'\r': result += QStringLiteral("\\r"); break;
        case u'\t': result += QStringLiteral("\\t"); break;
        default:
            if (ch < 0x20 || ch == 0x7F) {
                result += QStringLiteral("\\x") + hex(ch);
                afterHexEscape = true;
            } else {
                result += c;
            }
        }
    }
    // Quotes keep what QSettings would otherwise read as a list, a comment
    // or padding.
    const bool quoted = value.startsWith(u' ') || value.endsWith(u' ') || value.contains(u',') || value.contains(u';')
        || value.contains(u'=');
    return quoted ? u'"' + result + u'"' : result;
}

QString unescapedValue(QStringView escaped)
{
    QString result;
    bool quoted = false;
    qsizetype keep = 0; // the length padding may not trim
    for (qsizetype i = 0; i < escaped.size();) {
        const char16_t ch = escaped[i++].unicode();
        if (ch == u'"') {
            quoted = !quoted;
            keep = result.size();
            continue;
        }
        if (ch != u'\\' || i == escaped.size()) {
            result += QChar(ch);
            if (quoted || ch != u' ')
                keep = result.size();
            continue;
        }
        const char16_t e = escaped[i++].unicode();
        switch (e) {
        case u'a': result += u'\a'; break;
        case u'b': result += u'\b'; break;
        case u'f': result += u'\f'; break;
        case u'n': result += u'\n'; break;
        case u'r': result += u'\r'; break;
        case u't': result += u'\t'; break;
        case u'v': result += u'\v'; break;
        case u'x': {
            char16_t code = 0;
            while (i < escaped.size() && isHexDigit(escaped[i].unicode()))
                code = static_cast<char16_t>(code * 16 + hexValue(escaped[i++].unicode()));
            result += QChar(code);
            break;
        }
        default:
            if (e >= u'0' && e <= u'7') {
                char16_t code = static_cast<char16_t>(e - u'0');
                while (i < escaped.size() && escaped[i] >= u'0' && escaped[i] <= u'7')
                    code = static_cast<char16_t>(code * 8 + (escaped[i++].unicode() - u'0'));
                result += QChar(code);
            } else {
                result += QChar(e);
            }
        }
        keep = result.size();
    }
    result.truncate(keep);
    // QSettings marks a text that starts with "@" by doubling it, and writes
    // a text with a NUL in it as @String(...).
    if (result.startsWith(u"@@"))
        return result.mid(1);
    if (result.startsWith(u"@String(") && result.endsWith(u')'))
        return result.mid(8, result.size() - 9);
    return result;
}

std::optional<QString> value(const QString& text, const QString& section, const QString& key)
{
    QString current = kGeneral;
    std::optional<QString> found;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const Line parsed = parse(line);
        if (parsed.section)
            current = *parsed.section;
        else if (parsed.isPair && current == section && unescapedKey(parsed.rawKey) == key)
            found = unescapedValue(parsed.rawValue); // the last one counts, as in QSettings
    }
    return found;
}

QString withValue(const QString& text, const QString& section, const QString& key, const QString& value)
{
    const QString eol = text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QString newLine = escapedKey(key) + u'=' + escapedValue(value);
    QStringList lines = text.split(u'\n');
    if (!text.isEmpty() && text.endsWith(u'\n'))
        lines.removeLast();

    QString current = kGeneral;
    qsizetype lastOfSection = -1;
    qsizetype keyLine = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line parsed = parse(lines[i]);
        if (parsed.section)
            current = *parsed.section;
        if (current != section)
            continue;
        if (parsed.isPair || parsed.section)
            lastOfSection = i;
        if (parsed.isPair && unescapedKey(parsed.rawKey) == key)
            keyLine = i;
    }
    const QString ending = eol == QStringLiteral("\r\n") ? QStringLiteral("\r") : QString();
    if (keyLine >= 0)
        lines[keyLine] = newLine + ending;
    else if (lastOfSection >= 0)
        lines.insert(lastOfSection + 1, newLine + ending);
    else {
        if (!lines.isEmpty() && !trimmedAscii(lines.last()).isEmpty())
            lines.append(ending);
        lines.append(u'[' + escapedKey(section) + u']' + ending);
        lines.append(newLine + ending);
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace amorix::ini
