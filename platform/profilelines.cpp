#include "profilelines.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace lume {

namespace {

constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");

#ifdef Q_OS_WIN
constexpr QByteArrayView newFileLineEnd("\r\n");
#else
constexpr QByteArrayView newFileLineEnd("\n");
#endif

// What Windows trims around names and values; CR too, so that a stray one before the line end
// does not become part of a value.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

bool isBlank(QChar c)
{
    return c.unicode() < 0x80 && isBlank(char(c.unicode()));
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) < 0x80; });
}

// Strict UTF-8 (no encoded surrogates, no overlong forms), keeping a byte-order mark that begins a
// name or value: QString::fromUtf8() would drop it, and the name would not be found again.
std::optional<QString> fromStrictUtf8(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// A value that reading would change (blanks at its ends, enclosing quotes) is stored in double
// quotes, which reading removes again, here and on Windows.
QString quotedIfNeeded(const QString &value)
{
    const qsizetype n = value.size();
    if (n == 0)
        return value;
    const bool enclosed = n >= 2 && (value[0] == u'"' || value[0] == u'\'') && value[n - 1] == value[0];
    if (enclosed || isBlank(value[0]) || isBlank(value[n - 1]))
        return u'"' + value + u'"';
    return value;
}

// No encoding holds a lone surrogate: it would be written as '?', which reads back as another text.
QString withoutLoneSurrogates(const QString &text)
{
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar c = result[i];
        if (c.isHighSurrogate() && i + 1 < result.size() && result[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            result[i] = QChar::ReplacementCharacter;
    }
    return result;
}

bool hasLoneSurrogate(QStringView text)
{
    return withoutLoneSurrogates(text.toString()) != text;
}

// The text in a legacy file's code page, or nothing when it does not fit or its bytes would read
// back as UTF-8.
std::optional<QByteArray> encodeLegacy(const QString &text, CodePage codePage)
{
    std::optional<QByteArray> bytes = CodePageCodec::instance(codePage).encode(text);
    if (bytes && !isAscii(*bytes) && fromStrictUtf8(*bytes))
        return std::nullopt;
    return bytes;
}

} // namespace

QString encodeLineBreaks(const QString &text)
{
    QString stored = text;
    stored.replace(u'\n', QChar::LineSeparator).replace(u'\r', QChar::ParagraphSeparator);
    return stored;
}

QString decodeLineBreaks(const QString &stored)
{
    QString text = stored;
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\r');
    return text;
}

void ProfileLines::Piece::decode(CodePage page)
{
    decoded = true;
    codePage = page;
    text = fromStrictUtf8(raw);
    viaCodePage = false;
    if (!text) {
        text = CodePageCodec::instance(page).decode(raw);
        viaCodePage = text.has_value();
    }
}

ProfileLines::Piece ProfileLines::Piece::written(QString newText, CodePage page)
{
    Piece piece;
    piece.text = std::move(newText);
    piece.rewrite = true;
    piece.decoded = true;
    piece.codePage = page;
    return piece;
}

bool ProfileLines::Line::isBlankLine() const
{
    return kind == Kind::Other &&
        std::all_of(head.raw.begin(), head.raw.end(), [](char c) { return isBlank(c); }) &&
        (!head.rewrite || trimmed(*head.text).isEmpty());
}

ProfileLines::Line ProfileLines::parseLine(QByteArrayView content, CodePage codePage)
{
    Line line;
    line.head.raw = content.toByteArray();
    qsizetype first = 0;
    while (first < content.size() && isBlank(content[first]))
        ++first;
    if (first == content.size() || content[first] == ';') {
        line.head.decode(codePage);
        return line;
    }
    // '=' is no trail byte of any of the code pages, so it can be found in the bytes; ']' can be,
    // so a section name is looked for in the decoded text.
    if (content[first] == '[') {
        line.head.decode(codePage);
        if (line.head.text) {
            const QStringView text = *line.head.text;
            const qsizetype open = text.indexOf(u'[');
            const qsizetype close = text.indexOf(u']', open + 1);
            if (close >= 0) {
                line.kind = Line::Kind::Section;
                line.name = trimmed(text.sliced(open + 1, close - open - 1)).toString();
                return line;
            }
        } else if (content.sliced(first + 1).contains(']')) {
            line.kind = Line::Kind::Section; // ends the section before it; its name is unknown
            return line;
        }
    }
    const qsizetype equals = content.indexOf('=');
    if (equals < 0) {
        line.head.decode(codePage);
        return line;
    }
    line.kind = Line::Kind::Key;
    line.head.raw = content.first(equals + 1).toByteArray();
    line.head.decode(codePage);
    line.value.raw = content.sliced(equals + 1).toByteArray();
    if (line.head.text)
        line.name = trimmed(QStringView(*line.head.text).chopped(1)).toString();
    return line;
}

ProfileLines ProfileLines::parse(const QByteArray &data, CodePage codePage)
{
    ProfileLines document;
    qsizetype at = 0;
    if (data.startsWith(utf8Bom)) {
        document.m_bom = true;
        at = utf8Bom.size();
    }
    while (at < data.size()) {
        const qsizetype lf = data.indexOf('\n', at);
        const qsizetype next = lf < 0 ? data.size() : lf + 1;
        qsizetype contentEnd = lf < 0 ? data.size() : lf;
        // A carriage return ends a line only before a line feed: a last line "key=\r" keeps it (as a
        // blank), so that a line written after it starts on a line of its own.
        if (lf >= 0 && contentEnd > at && data[contentEnd - 1] == '\r')
            --contentEnd;
        Line line = parseLine(QByteArrayView(data).sliced(at, contentEnd - at), codePage);
        line.end = data.mid(contentEnd, next - contentEnd);
        document.m_lines.append(std::move(line));
        at = next;
    }
    return document;
}

bool ProfileLines::nameIs(const Line &line, QStringView name)
{
    return line.name && line.name->compare(name, Qt::CaseInsensitive) == 0;
}

ProfileLines::Lookup ProfileLines::lookUp(QStringView section, QStringView key) const
{
    Lookup result;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Kind::Section) {
            if (result.section >= 0)
                break; // the section ended; a later one of the same name does not count
            if (nameIs(line, section)) {
                result.section = i;
                result.lastKeyOrHeader = i;
            }
        } else if (line.kind == Line::Kind::Key && result.section >= 0) {
            result.lastKeyOrHeader = i;
            if (nameIs(line, key)) {
                result.key = i;
                break;
            }
        }
    }
    return result;
}

QStringList ProfileLines::sections() const
{
    QStringList names;
    for (const Line &line : m_lines) {
        if (line.kind == Line::Kind::Section && line.name && !names.contains(*line.name, Qt::CaseInsensitive))
            names.append(*line.name);
    }
    return names;
}

QStringList ProfileLines::keys(const QString &section) const
{
    QStringList names;
    const Lookup found = lookUp(trimmed(section), QStringView());
    if (found.section < 0)
        return names;
    for (qsizetype i = found.section + 1; i < m_lines.size() && m_lines[i].kind != Line::Kind::Section; ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Kind::Key && line.name && !names.contains(*line.name, Qt::CaseInsensitive))
            names.append(*line.name);
    }
    return names;
}

QString ProfileLines::unquoted(QStringView text)
{
    QStringView value = trimmed(text);
    const qsizetype n = value.size();
    if (n >= 2 && (value[0] == u'"' || value[0] == u'\'') && value[n - 1] == value[0])
        value = value.sliced(1, n - 2);
    return value.toString();
}

std::optional<QString> ProfileLines::readerValue(const QString &section, const QString &key,
                                                 CodePage codePage) const
{
    const Lookup found = lookUp(trimmed(section), trimmed(key));
    if (found.key < 0)
        return std::nullopt;
    Piece value = m_lines[found.key].value;
    if (!value.rewrite)
        value.decode(codePage);
    if (!value.text)
        return std::nullopt;
    return unquoted(*value.text);
}

// Gives every key line's value the code page the rule names (the file's own without a rule) and
// the text read in it. A value read in a code page that changes gets encoded again.
void ProfileLines::assignCodePages(CodePage codePage, const CodePageRule &rule)
{
    const ValueReader read = [this, codePage](const QString &section, const QString &key) {
        return readerValue(section, key, codePage);
    };
    QString section;
    for (Line &line : m_lines) {
        if (line.kind == Line::Kind::Section)
            section = line.name.value_or(QString());
        if (line.kind != Line::Kind::Key)
            continue;
        const CodePage page =
            rule && line.name ? rule(section, *line.name, read).value_or(codePage) : codePage;
        Piece &value = line.value;
        if (value.rewrite) {
            value.codePage = page;
        } else if (!value.decoded || (value.codePage != page && !value.text)) {
            value.decode(page);
        } else if (value.codePage != page) {
            value.codePage = page;
            value.rewrite = value.viaCodePage; // its text, encoded in the new code page
        }
    }
}

std::optional<QByteArray> ProfileLines::serialise(bool legacy) const
{
    QByteArray out;
    if (m_bom)
        out += utf8Bom;
    const auto append = [&out, legacy](const Piece &piece) {
        if (legacy) {
            if (!piece.rewrite) {
                out += piece.raw;
                return true;
            }
            const std::optional<QByteArray> bytes = encodeLegacy(*piece.text, piece.codePage);
            if (bytes)
                out += *bytes;
            return bytes.has_value();
        }
        // Every line in UTF-8; what cannot be decoded stays as it was.
        out += piece.rewrite || piece.viaCodePage ? piece.text->toUtf8() : piece.raw;
        return true;
    };
    for (const Line &line : m_lines) {
        if (!append(line.head))
            return std::nullopt;
        if (line.kind == Line::Kind::Key && !append(line.value))
            return std::nullopt;
        out += line.end;
    }
    return out;
}

QByteArray ProfileLines::lineEndOf(const QByteArray &data)
{
    const qsizetype lf = data.indexOf('\n');
    if (lf < 0)
        return newFileLineEnd.toByteArray();
    return lf > 0 && data[lf - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

QString ProfileLines::nameOf(QStringView name)
{
    return trimmed(name).toString();
}

bool ProfileLines::isValidName(QStringView name, bool isSection)
{
    if (name.isEmpty() || name.contains(u'\n') || name.contains(u'\r') || name.contains(QChar(0)) ||
        hasLoneSurrogate(name))
        return false;
    if (isSection)
        return !name.contains(u']');
    return !name.contains(u'=') && !name.startsWith(u';') && !name.startsWith(u'[');
}

ProfileLines::StoredValue ProfileLines::value(const QString &section, const QString &key, CodePage codePage,
                                              const CodePageRule &rule) const
{
    StoredValue result;
    result.codePage = codePage;
    const QStringView sectionName = trimmed(section);
    const QStringView keyName = trimmed(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return result;
    const Lookup found = lookUp(sectionName, keyName);
    if (found.key < 0)
        return result;
    const ValueReader read = [this, codePage](const QString &s, const QString &k) {
        return readerValue(s, k, codePage);
    };
    if (rule)
        result.codePage = rule(sectionName.toString(), keyName.toString(), read).value_or(codePage);
    Piece value = m_lines[found.key].value;
    value.decode(result.codePage);
    result.found = true;
    result.raw = value.raw;
    if (value.text)
        result.text = unquoted(*value.text);
    return result;
}

QString ProfileLines::cutToBuffer(const QString &text, int bufferSize, CodePage codePage)
{
    if (bufferSize <= 1)
        return {};
    return text.left(CodePageCodec::instance(codePage).fittingLength(text, bufferSize - 1));
}

std::optional<QByteArray> ProfileLines::written(const QString &sectionName, const QString &keyName,
                                                const QString &value, const QString *readAs,
                                                const QByteArray &lineEnd, CodePage codePage,
                                                const CodePageRule &rule) const
{
    // A raw line break would end the value early and make the rest a line of its own.
    const QString stored = quotedIfNeeded(encodeLineBreaks(withoutLoneSurrogates(value)));

    ProfileLines document = *this;
    document.assignCodePages(codePage, rule);
    const bool legacy = !document.m_bom &&
        std::any_of(document.m_lines.cbegin(), document.m_lines.cend(),
                    [](const Line &line) { return line.head.viaCodePage || line.value.viaCodePage; });

    const Lookup found = document.lookUp(sectionName, keyName);
    const auto keyLine = [&]() {
        Line line;
        line.kind = Line::Kind::Key;
        line.head = Piece::written(keyName + u'=', codePage);
        line.value = Piece::written(stored, codePage);
        line.end = lineEnd;
        line.name = keyName;
        return line;
    };
    if (found.key >= 0) {
        Piece &old = document.m_lines[found.key].value;
        if (!old.text && readAs && value == *readAs)
            return std::nullopt; // not changed by the user: the bytes stay
        // The blanks after '=' stay; those after the value go with it.
        qsizetype blanks = 0;
        while (blanks < old.raw.size() && isBlank(old.raw[blanks]))
            ++blanks;
        old = Piece::written(QString::fromLatin1(old.raw.left(blanks)) + stored, old.codePage);
    } else if (found.section >= 0) {
        Line &anchor = document.m_lines[found.lastKeyOrHeader];
        if (anchor.end.isEmpty())
            anchor.end = lineEnd;
        document.m_lines.insert(found.lastKeyOrHeader + 1, keyLine());
    } else {
        if (!document.m_lines.isEmpty()) {
            Line &last = document.m_lines.back();
            if (last.end.isEmpty())
                last.end = lineEnd;
            if (!last.isBlankLine()) {
                Line blank;
                blank.head = Piece::written(QString(), codePage);
                blank.end = lineEnd;
                document.m_lines.append(blank);
            }
        }
        Line header;
        header.kind = Line::Kind::Section;
        header.head = Piece::written(u'[' + sectionName + u']', codePage);
        header.end = lineEnd;
        header.name = sectionName;
        document.m_lines.append(header);
        document.m_lines.append(keyLine());
    }
    // The value written may change the code page of others (a language that names it).
    document.assignCodePages(codePage, rule);

    std::optional<QByteArray> updated;
    if (legacy)
        updated = document.serialise(true);
    if (!updated)
        updated = document.serialise(false); // the first text that does not fit: all of it in UTF-8
    return updated;
}

} // namespace lume
