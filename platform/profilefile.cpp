#include "profilefile.h"

#include "leadingnumber.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <memory>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

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

// A part of a line read as one text: a name with what surrounds it, or a value.
struct Piece
{
    QByteArray raw;
    std::optional<QString> text; // nothing when undecodable
    bool viaCodePage = false; // not UTF-8: read in codePage
    bool rewrite = false; // text is new, or its code page changed: it must be encoded
    bool decoded = false;
    CodePage codePage = CodePage::Western;

    void decode(CodePage page)
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
    static Piece written(QString newText, CodePage page)
    {
        Piece piece;
        piece.text = std::move(newText);
        piece.rewrite = true;
        piece.decoded = true;
        piece.codePage = page;
        return piece;
    }
};

struct Line
{
    enum class Kind { Other, Section, Key };

    Kind kind = Kind::Other;
    Piece head; // the whole line, or for a key the part up to and including '='
    Piece value; // a key's value with the blanks around it
    QByteArray end; // "\r\n", "\n", or nothing at the end of the file
    std::optional<QString> name; // of a section or key; nothing when undecodable

    [[nodiscard]] bool isBlankLine() const
    {
        return kind == Kind::Other &&
            std::all_of(head.raw.begin(), head.raw.end(), [](char c) { return isBlank(c); }) &&
            (!head.rewrite || trimmed(*head.text).isEmpty());
    }
};

struct Document
{
    bool bom = false;
    QList<Line> lines;
};

Line parseLine(QByteArrayView content, CodePage codePage)
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

Document parse(const QByteArray &data, CodePage codePage)
{
    Document document;
    qsizetype at = 0;
    if (data.startsWith(utf8Bom)) {
        document.bom = true;
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
        document.lines.append(std::move(line));
        at = next;
    }
    return document;
}

bool nameIs(const Line &line, QStringView name)
{
    return line.name && line.name->compare(name, Qt::CaseInsensitive) == 0;
}

// Where a key is or would go: the first section of that name (as Windows reads it), its first
// key of that name, and the line after which a new key is added.
struct Lookup
{
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype lastKeyOrHeader = -1;
};

Lookup lookUp(const Document &document, QStringView section, QStringView key)
{
    Lookup result;
    for (qsizetype i = 0; i < document.lines.size(); ++i) {
        const Line &line = document.lines[i];
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

// The value as Windows reads it: without the blanks around it and one pair of enclosing quotes.
QString unquoted(QStringView text)
{
    QStringView value = trimmed(text);
    const qsizetype n = value.size();
    if (n >= 2 && (value[0] == u'"' || value[0] == u'\'') && value[n - 1] == value[0])
        value = value.sliced(1, n - 2);
    return value.toString();
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

std::optional<QString> readerValue(const Document &document, const QString &section, const QString &key,
                                   CodePage codePage)
{
    const Lookup found = lookUp(document, trimmed(section), trimmed(key));
    if (found.key < 0)
        return std::nullopt;
    Piece value = document.lines[found.key].value;
    if (!value.rewrite)
        value.decode(codePage);
    if (!value.text)
        return std::nullopt;
    return unquoted(*value.text);
}

// Gives every key line's value the code page the rule names (the file's own without a rule) and
// the text read in it. A value read in a code page that changes gets encoded again.
void assignCodePages(Document &document, CodePage codePage, const ProfileFile::CodePageRule &rule)
{
    const ProfileFile::ValueReader read = [&document, codePage](const QString &section, const QString &key) {
        return readerValue(document, section, key, codePage);
    };
    QString section;
    for (Line &line : document.lines) {
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

// The text in a legacy file's code page, or nothing when it does not fit or its bytes would read
// back as UTF-8.
std::optional<QByteArray> encodeLegacy(const QString &text, CodePage codePage)
{
    std::optional<QByteArray> bytes = CodePageCodec::instance(codePage).encode(text);
    if (bytes && !isAscii(*bytes) && fromStrictUtf8(*bytes))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> serialise(const Document &document, bool legacy)
{
    QByteArray out;
    if (document.bom)
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
    for (const Line &line : document.lines) {
        if (!append(line.head))
            return std::nullopt;
        if (line.kind == Line::Kind::Key && !append(line.value))
            return std::nullopt;
        out += line.end;
    }
    return out;
}

enum class FileState { Missing, Read, Unreadable };

FileState readFile(const QString &path, QByteArray *data)
{
    QFile file(path);
    if (!file.exists())
        return FileState::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return FileState::Unreadable;
    *data = file.readAll();
    return file.error() == QFileDevice::NoError ? FileState::Read : FileState::Unreadable;
}

QByteArray lineEndOf(const QByteArray &data)
{
    const qsizetype lf = data.indexOf('\n');
    if (lf < 0)
        return newFileLineEnd.toByteArray();
    return lf > 0 && data[lf - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

bool isValidName(QStringView name, bool isSection)
{
    if (name.isEmpty() || name.contains(u'\n') || name.contains(u'\r') || name.contains(QChar(0)) ||
        hasLoneSurrogate(name))
        return false;
    if (isSection)
        return !name.contains(u']');
    return !name.contains(u'=') && !name.startsWith(u';') && !name.startsWith(u'[');
}

// A stored value as found: missing, undecodable (text empty, raw kept), or read.
struct StoredValue
{
    bool found = false;
    std::optional<QString> text;
    QByteArray raw;
    CodePage codePage = CodePage::Western;
};

StoredValue readValue(const Document &document, const QString &section, const QString &key, CodePage codePage,
                      const ProfileFile::CodePageRule &rule)
{
    StoredValue result;
    result.codePage = codePage;
    const QStringView sectionName = trimmed(section);
    const QStringView keyName = trimmed(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return result;
    const Lookup found = lookUp(document, sectionName, keyName);
    if (found.key < 0)
        return result;
    const ProfileFile::ValueReader read = [&document, codePage](const QString &s, const QString &k) {
        return readerValue(document, s, k, codePage);
    };
    if (rule)
        result.codePage = rule(sectionName.toString(), keyName.toString(), read).value_or(codePage);
    Piece value = document.lines[found.key].value;
    value.decode(result.codePage);
    result.found = true;
    result.raw = value.raw;
    if (value.text)
        result.text = unquoted(*value.text);
    return result;
}

QString cutToBuffer(const QString &text, int bufferSize, CodePage codePage)
{
    if (bufferSize <= 1)
        return {};
    return text.left(CodePageCodec::instance(codePage).fittingLength(text, bufferSize - 1));
}

// Writing ------------------------------------------------------------------------------------

QString temporaryPrefix(const QString &fileName)
{
    return fileName + QStringLiteral(".lume-");
}

// Temporary files of writes that were killed: nobody holds a lock on them any more.
void removeLeftovers(const QFileInfo &target)
{
    QDir dir = target.absoluteDir();
    const QString prefix = temporaryPrefix(target.fileName());
    const QStringList names = dir.entryList({prefix + QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        QFile leftover(dir.filePath(name));
#ifdef Q_OS_UNIX
        if (!leftover.open(QIODevice::ReadOnly))
            continue;
        if (::flock(leftover.handle(), LOCK_EX | LOCK_NB) != 0)
            continue; // a write in progress in another process
        QFile::remove(leftover.fileName());
#else
        leftover.remove(); // fails while another process has it open
#endif
    }
}

QFileInfo writeTarget(const QString &path)
{
    const QFileInfo target(path);
    // The link stays; the file it names is replaced.
    return target.isSymLink() ? QFileInfo(target.symLinkTarget()) : target;
}

bool replaceAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target = writeTarget(path);
    if (target.isDir())
        return false;

    const QString prefix = target.absoluteDir().filePath(temporaryPrefix(target.fileName()));
    QFile temporary;
    for (int attempt = 0; attempt < 16 && !temporary.isOpen(); ++attempt) {
        temporary.setFileName(prefix + QString::number(QRandomGenerator::global()->generate(), 36) +
                              QStringLiteral(".tmp"));
        if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
            !QFileInfo::exists(temporary.fileName()))
            return false; // no clash of names: the directory refuses
    }
    if (!temporary.isOpen())
        return false;
#ifdef Q_OS_UNIX
    ::flock(temporary.handle(), LOCK_EX); // tells the cleaning of other writes that this one lives
#endif
    bool ok = temporary.write(bytes) == bytes.size() && temporary.flush();
    if (ok && target.exists())
        temporary.setPermissions(QFile::permissions(target.absoluteFilePath()));
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(temporary.handle()) == 0;
    ok = ok &&
        ::rename(QFile::encodeName(temporary.fileName()).constData(),
                 QFile::encodeName(target.absoluteFilePath()).constData()) == 0;
    temporary.close();
    if (ok) {
        // The rename lives in the folder: without its sync a power cut may bring back the old file.
        const int folder =
            ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder); // some file systems refuse it; the file itself is safe then too
            ::close(folder);
        }
    }
#else
    temporary.close();
    std::error_code error; // std::filesystem::rename replaces an existing file on Windows too
    if (ok)
        std::filesystem::rename(temporary.fileName().toStdU16String(),
                                target.absoluteFilePath().toStdU16String(), error);
    ok = ok && !error;
#endif
    if (!ok)
        QFile::remove(temporary.fileName());
    return ok;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : ProfileFile(std::move(path), systemAnsiCodePage())
{ }

ProfileFile::ProfileFile(QString path, CodePage codePage, CodePageRule rule)
    : m_path(std::move(path))
    , m_codePage(codePage)
    , m_rule(std::move(rule))
{ }

ProfileFile ProfileFile::withCodePageRule(CodePageRule rule) const
{
    return ProfileFile(m_path, m_codePage, std::move(rule));
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue,
                                int bufferSize) const
{
    return ProfileDocument(*this).readString(section, key, defaultValue, bufferSize);
}

int ProfileFile::readInt(const QString &section, const QString &key, int defaultValue) const
{
    return ProfileDocument(*this).readInt(section, key, defaultValue);
}

bool ProfileFile::isUndecodable(const QString &section, const QString &key) const
{
    return ProfileDocument(*this).isUndecodable(section, key);
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    ProfileDocument document(*this);
    const bool written = document.writeString(section, key, value);
    return document.commit() && written; // a refused write still clears what killed ones left
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value,
                              const QString &readAs)
{
    ProfileDocument document(*this);
    const bool written = document.writeString(section, key, value, readAs);
    return document.commit() && written; // a refused write still clears what killed ones left
}

// ProfileDocument --------------------------------------------------------------------------------

struct ProfileDocument::Parsed
{
    Document document;
};

ProfileDocument::ProfileDocument(ProfileFile file)
    : m_file(std::move(file))
{
    QByteArray data;
    const FileState state = readFile(m_file.path(), &data);
    m_exists = state == FileState::Read;
    m_unreadable = state == FileState::Unreadable;
    m_original = data;
    m_bytes = std::move(data);
}

ProfileDocument::ProfileDocument(ProfileFile file, QByteArray content)
    : m_file(std::move(file))
    , m_exists(true)
    , m_original(content)
    , m_bytes(std::move(content))
{ }

void ProfileDocument::setCodePageRule(ProfileFile::CodePageRule rule)
{
    m_file = m_file.withCodePageRule(std::move(rule));
}

ProfileDocument ProfileDocument::withCodePageRule(ProfileFile::CodePageRule rule) const
{
    ProfileDocument copy = *this;
    copy.setCodePageRule(std::move(rule));
    return copy;
}

const ProfileDocument::Parsed &ProfileDocument::parsed() const
{
    // The bytes decide everything: the document is parsed from them as a read of the file would.
    if (!m_parsed)
        m_parsed = std::make_shared<const Parsed>(Parsed {parse(m_bytes, m_file.codePage())});
    return *m_parsed;
}

QString ProfileDocument::readString(const QString &section, const QString &key, const QString &defaultValue,
                                    int bufferSize) const
{
    const StoredValue stored =
        readValue(parsed().document, section, key, m_file.codePage(), m_file.codePageRule());
    return cutToBuffer(stored.text.value_or(defaultValue), bufferSize, stored.codePage);
}

int ProfileDocument::readInt(const QString &section, const QString &key, int defaultValue) const
{
    const StoredValue stored =
        readValue(parsed().document, section, key, m_file.codePage(), m_file.codePageRule());
    if (!stored.found)
        return defaultValue;
    // Digits are ASCII in every code page: an undecodable value still has its number in front.
    const QString value = stored.text.value_or(unquoted(QString::fromLatin1(stored.raw)));
    return value.isEmpty() ? defaultValue : leadingIntegerClamped(value);
}

bool ProfileDocument::isUndecodable(const QString &section, const QString &key) const
{
    const StoredValue stored =
        readValue(parsed().document, section, key, m_file.codePage(), m_file.codePageRule());
    return stored.found && !stored.text;
}

bool ProfileDocument::writeString(const QString &section, const QString &key, const QString &value)
{
    return write(section, key, value, nullptr);
}

bool ProfileDocument::writeString(const QString &section, const QString &key, const QString &value,
                                  const QString &readAs)
{
    return write(section, key, value, &readAs);
}

bool ProfileDocument::write(const QString &section, const QString &key, const QString &value,
                            const QString *readAs)
{
    const QString sectionName = trimmed(section).toString();
    const QString keyName = trimmed(key).toString();
    if (!isValidName(sectionName, true) || !isValidName(keyName, false))
        return false;
    m_written = true;
    if (m_unreadable)
        return false; // writing would lose what the file holds
    // A raw line break would end the value early and make the rest a line of its own.
    const QString stored = quotedIfNeeded(encodeLineBreaks(withoutLoneSurrogates(value)));
    const CodePage codePage = m_file.codePage();
    const ProfileFile::CodePageRule &rule = m_file.codePageRule();

    const QByteArray lineEnd = lineEndOf(m_bytes);
    Document document = parsed().document;
    assignCodePages(document, codePage, rule);
    const bool legacy = !document.bom &&
        std::any_of(document.lines.cbegin(), document.lines.cend(),
                    [](const Line &line) { return line.head.viaCodePage || line.value.viaCodePage; });

    const Lookup found = lookUp(document, sectionName, keyName);
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
        Piece &old = document.lines[found.key].value;
        if (!old.text && readAs && value == *readAs)
            return true; // not changed by the user: the bytes stay
        // The blanks after '=' stay; those after the value go with it.
        qsizetype blanks = 0;
        while (blanks < old.raw.size() && isBlank(old.raw[blanks]))
            ++blanks;
        old = Piece::written(QString::fromLatin1(old.raw.left(blanks)) + stored, old.codePage);
    } else if (found.section >= 0) {
        Line &anchor = document.lines[found.lastKeyOrHeader];
        if (anchor.end.isEmpty())
            anchor.end = lineEnd;
        document.lines.insert(found.lastKeyOrHeader + 1, keyLine());
    } else {
        if (!document.lines.isEmpty()) {
            Line &last = document.lines.back();
            if (last.end.isEmpty())
                last.end = lineEnd;
            if (!last.isBlankLine()) {
                Line blank;
                blank.head = Piece::written(QString(), codePage);
                blank.end = lineEnd;
                document.lines.append(blank);
            }
        }
        Line header;
        header.kind = Line::Kind::Section;
        header.head = Piece::written(u'[' + sectionName + u']', codePage);
        header.end = lineEnd;
        header.name = sectionName;
        document.lines.append(header);
        document.lines.append(keyLine());
    }
    // The value written may change the code page of others (a language that names it).
    assignCodePages(document, codePage, rule);

    std::optional<QByteArray> updated;
    if (legacy)
        updated = serialise(document, true);
    if (!updated)
        updated = serialise(document, false); // the first text that does not fit: all of it in UTF-8
    if (m_exists && *updated == m_bytes)
        return true;
    // The next value starts from these bytes, as it would from the file they make.
    m_bytes = std::move(*updated);
    m_exists = true;
    m_changed = true;
    m_parsed.reset();
    return true;
}

bool ProfileDocument::isModified() const
{
    return m_changed && m_bytes != m_original;
}

bool ProfileDocument::commit()
{
    if (!m_written)
        return true;
    m_written = false;
    removeLeftovers(writeTarget(m_file.path()));
    if (!isModified())
        return true;
    if (!replaceAtomically(m_file.path(), m_bytes))
        return false;
    m_original = m_bytes;
    m_changed = false;
    return true;
}

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

bool canCreateFileIn(const QString &directory)
{
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".lume-probe-XXXXXX")));
    return probe.open(); // removed again when probe goes
}

bool isSystemProgramDir(const QString &directory)
{
#ifdef Q_OS_WIN
    Q_UNUSED(directory);
    return false;
#else
    // /usr belongs to the package manager (and is read-only on many systems): an installed program
    // keeps its settings per user, even when run as root, who could write there.
    const QString path = QDir::cleanPath(QFileInfo(directory).absoluteFilePath()) + u'/';
    return path.startsWith(QStringLiteral("/usr/")) || path == u"/bin/" || path == u"/sbin/";
#endif
}

QString settingsFilePath(const QString &programDir, const QString &fileName)
{
    return settingsFilePath(programDir, fileName, [](const QString &directory) {
        return !isSystemProgramDir(directory) && canCreateFileIn(directory);
    });
}

QString settingsFilePath(const QString &programDir, const QString &fileName,
                         const std::function<bool(const QString &directory)> &isWritable)
{
    // The name may come as "\Lumeset.ini", the way it is appended to the directory on Windows.
    QString name = fileName;
    while (name.startsWith(u'/') || name.startsWith(u'\\'))
        name.remove(0, 1);
    const QString local = QDir(programDir).filePath(name);
    const QFileInfo localInfo(local);
    const bool writable = isWritable ? isWritable(programDir) : canCreateFileIn(programDir);
    if (writable && (!localInfo.exists() || localInfo.isWritable()))
        return local;

    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (userDir.isEmpty() || !QDir().mkpath(userDir))
        return local; // still readable; writing fails, as it would have anyway
    const QString user = QDir(userDir).filePath(name);
    if (!QFileInfo::exists(user) && localInfo.exists()) {
        if (!QFile::copy(local, user))
            return local; // an empty per-user file would hide the stored settings
        // A copy keeps the permissions of a read-only original, which would refuse every write.
        QFile::setPermissions(user,
                              QFile::permissions(user) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return user;
}

} // namespace lume
