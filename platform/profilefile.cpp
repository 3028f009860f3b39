#include "profilefile.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <limits>
#include <optional>
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

// One line of the file as byte offsets into it; the line end is LF, with the CR before it
// (if any) outside the content.
struct Line
{
    enum class Kind { Other, Section, Key };

    qsizetype begin = 0;
    qsizetype contentEnd = 0;
    qsizetype end = 0; // after the LF; contentEnd.. when the file ends without one
    Kind kind = Kind::Other;
    qsizetype nameBegin = 0;
    qsizetype nameEnd = 0;
    qsizetype valueBegin = 0; // after '=' and the blanks following it
    qsizetype valueEnd = 0; // before the trailing blanks

    [[nodiscard]] bool isBlankLine() const { return kind == Kind::Other && nameBegin == nameEnd; }
    [[nodiscard]] bool hasLineEnd(const QByteArray &data) const
    {
        return end > begin && data[end - 1] == '\n';
    }
};

Line lineAt(const QByteArray &data, qsizetype begin)
{
    Line line;
    line.begin = begin;
    const qsizetype lf = data.indexOf('\n', begin);
    line.end = lf < 0 ? data.size() : lf + 1;
    line.contentEnd = lf < 0 ? data.size() : lf;
    if (line.contentEnd > begin && data[line.contentEnd - 1] == '\r')
        --line.contentEnd;

    qsizetype first = begin;
    qsizetype last = line.contentEnd;
    while (first < last && isBlank(data[first]))
        ++first;
    while (last > first && isBlank(data[last - 1]))
        --last;
    // For a line of other kind, name is the non-blank part: empty marks a blank line.
    line.nameBegin = first;
    line.nameEnd = last;
    if (first == last || data[first] == ';')
        return line;

    const auto trimRange = [&](qsizetype from, qsizetype to) {
        while (from < to && isBlank(data[from]))
            ++from;
        while (to > from && isBlank(data[to - 1]))
            --to;
        line.nameBegin = from;
        line.nameEnd = to;
    };
    if (data[first] == '[') {
        const qsizetype close = data.indexOf(']', first + 1);
        if (close >= 0 && close < last) {
            line.kind = Line::Kind::Section;
            trimRange(first + 1, close);
            return line;
        }
    }
    const qsizetype equals = data.indexOf('=', first);
    if (equals >= 0 && equals < last) {
        line.kind = Line::Kind::Key;
        trimRange(first, equals);
        line.valueBegin = equals + 1;
        while (line.valueBegin < last && isBlank(data[line.valueBegin]))
            ++line.valueBegin;
        line.valueEnd = last;
    }
    return line;
}

bool nameIs(const QByteArray &data, const Line &line, QStringView name)
{
    const QString text = QString::fromUtf8(data.constData() + line.nameBegin, line.nameEnd - line.nameBegin);
    return text.compare(name, Qt::CaseInsensitive) == 0;
}

// Where a key is or would go: the first section of that name (as Windows reads it), its first
// key of that name, and the line after which a new key is added.
struct Lookup
{
    std::optional<Line> section;
    std::optional<Line> key;
    std::optional<Line> lastKeyOrHeader;
    std::optional<Line> lastLine; // of the file, known when the section is missing
};

Lookup lookUp(const QByteArray &data, QStringView section, QStringView key)
{
    Lookup result;
    qsizetype at = data.startsWith(utf8Bom) ? utf8Bom.size() : 0;
    while (at < data.size()) {
        const Line line = lineAt(data, at);
        at = line.end;
        result.lastLine = line;
        if (line.kind == Line::Kind::Section) {
            if (result.section)
                break; // the section ended; a later one of the same name does not count
            if (nameIs(data, line, section)) {
                result.section = line;
                result.lastKeyOrHeader = line;
            }
        } else if (line.kind == Line::Kind::Key && result.section) {
            result.lastKeyOrHeader = line;
            if (nameIs(data, line, key)) {
                result.key = line;
                break;
            }
        }
    }
    return result;
}

QString valueOf(const QByteArray &data, const Line &line)
{
    QString value = QString::fromUtf8(data.constData() + line.valueBegin, line.valueEnd - line.valueBegin);
    const qsizetype n = value.size();
    if (n >= 2 && (value[0] == u'"' || value[0] == u'\'') && value[n - 1] == value[0])
        value = value.sliced(1, n - 2);
    return value;
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

QByteArrayView lineEndOf(const QByteArray &data)
{
    const qsizetype lf = data.indexOf('\n');
    if (lf < 0)
        return newFileLineEnd;
    return lf > 0 && data[lf - 1] == '\r' ? QByteArrayView("\r\n") : QByteArrayView("\n");
}

std::optional<QString> readValue(const QString &path, const QString &section, const QString &key)
{
    const QStringView sectionName = trimmed(section);
    const QStringView keyName = trimmed(key);
    if (sectionName.isEmpty() || keyName.isEmpty())
        return std::nullopt;
    QByteArray data;
    if (readFile(path, &data) != FileState::Read)
        return std::nullopt;
    const Lookup found = lookUp(data, sectionName, keyName);
    if (!found.key)
        return std::nullopt;
    return valueOf(data, *found.key);
}

// At most maxBytes bytes of UTF-8, never ending inside a character: a cut that falls on a
// continuation byte moves back to the start of its character.
QString cutToBytes(const QString &text, qsizetype maxBytes)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= maxBytes)
        return text;
    qsizetype cut = maxBytes;
    while (cut > 0 && (quint8(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    return QString::fromUtf8(utf8.constData(), cut);
}

int leadingDecimal(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i].unicode() - u'0'));
    const qint64 value = negative ? -magnitude : magnitude;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool isValidName(QStringView name, bool isSection)
{
    if (name.isEmpty() || name.contains(u'\n') || name.contains(u'\r') || name.contains(QChar(0)))
        return false;
    if (isSection)
        return !name.contains(u']');
    return !name.contains(u'=') && !name.startsWith(u';') && !name.startsWith(u'[');
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{ }

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue,
                                int bufferSize) const
{
    if (bufferSize <= 1)
        return {};
    return cutToBytes(readValue(m_path, section, key).value_or(defaultValue), bufferSize - 1);
}

int ProfileFile::readInt(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<QString> value = readValue(m_path, section, key);
    if (!value || value->isEmpty())
        return defaultValue;
    return leadingDecimal(*value);
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QStringView sectionName = trimmed(section);
    const QStringView keyName = trimmed(key);
    if (!isValidName(sectionName, true) || !isValidName(keyName, false))
        return false;
    // A raw line break would end the value early and make the rest a line of its own.
    const QByteArray stored = quotedIfNeeded(encodeLineBreaks(value)).toUtf8();

    QByteArray data;
    const FileState state = readFile(m_path, &data);
    if (state == FileState::Unreadable)
        return false; // writing now would lose what the file holds
    const QByteArrayView lineEnd = lineEndOf(data);
    const QByteArray keyLine = keyName.toUtf8() + '=' + stored;

    const Lookup found = lookUp(data, sectionName, keyName);
    QByteArray updated;
    if (found.key) {
        updated = data.left(found.key->valueBegin) + stored + data.mid(found.key->contentEnd);
    } else if (found.section) {
        const Line &anchor = *found.lastKeyOrHeader;
        updated = data.left(anchor.end);
        if (!anchor.hasLineEnd(data))
            updated += lineEnd;
        updated += keyLine;
        updated += lineEnd;
        updated += data.mid(anchor.end);
    } else {
        updated = data;
        if (found.lastLine) {
            if (!found.lastLine->hasLineEnd(data))
                updated += lineEnd;
            if (!found.lastLine->isBlankLine())
                updated += lineEnd;
        }
        updated += '[' + sectionName.toUtf8() + ']';
        updated += lineEnd;
        updated += keyLine;
        updated += lineEnd;
    }
    if (state == FileState::Read && updated == data)
        return true;

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(updated) != updated.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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

QString settingsFilePath(const QString &programDir, const QString &fileName)
{
    return settingsFilePath(programDir, fileName, canCreateFileIn);
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
