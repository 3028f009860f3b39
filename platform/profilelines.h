#pragma once

#include "codepage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

namespace lume {

// A message text kept on one line of the file: line feeds and carriage returns become U+2028 and
// U+2029, which a text box's plain text never holds, so the round trip is exact; a text without
// line breaks is stored unchanged.
[[nodiscard]] QString encodeLineBreaks(const QString &text);
[[nodiscard]] QString decodeLineBreaks(const QString &stored);

// The lines of a profile file as Windows reads them, each piece of a line (a name, a value, a
// comment) kept with its bytes, so that a write changes only the lines it touches.
// A piece that is valid UTF-8 is read as UTF-8; any other in an ANSI code page: the file's, or
// for a value the one the code-page rule names. A piece that neither can read is undecodable.
class ProfileLines
{
public:
    // Another value of the same file, as a code-page rule sees it: read in the file's code page;
    // nothing when it is missing or undecodable.
    using ValueReader = std::function<std::optional<QString>(const QString &section, const QString &key)>;
    // The code page of the value of (section, key) in a file that is not UTF-8, when it is not the
    // file's own; it may depend on other values of the file. Names arrive as the caller or the file
    // spells them.
    using CodePageRule = std::function<std::optional<CodePage>(const QString &section, const QString &key,
                                                               const ValueReader &read)>;

    // A stored value as found: missing, undecodable (text empty, raw kept), or read.
    struct StoredValue
    {
        bool found = false;
        std::optional<QString> text;
        QByteArray raw;
        CodePage codePage = CodePage::Western;
    };

    // The lines of these bytes, every piece read in codePage until a rule says otherwise.
    [[nodiscard]] static ProfileLines parse(const QByteArray &data, CodePage codePage);
    // The line end a write uses: that of the first line, the platform's in a file without one.
    [[nodiscard]] static QByteArray lineEndOf(const QByteArray &data);
    // A name as the file compares it: without the blanks around it.
    [[nodiscard]] static QString nameOf(QStringView name);
    // Whether a section or key of this name (as nameOf() gives it) would read back.
    [[nodiscard]] static bool isValidName(QStringView name, bool isSection);
    // The value as Windows reads it: without the blanks around it and one pair of enclosing quotes.
    [[nodiscard]] static QString unquoted(QStringView text);
    // The longest start of text that fits in bufferSize - 1 bytes of the code page.
    [[nodiscard]] static QString cutToBuffer(const QString &text, int bufferSize, CodePage codePage);

    // The value of key in section: the first section of that name, its first key of that name.
    [[nodiscard]] StoredValue value(const QString &section, const QString &key, CodePage codePage,
                                    const CodePageRule &rule) const;
    // The sections as the file names them, in its order; a name that comes again (without regard
    // to case) is listed where it first stands, one whose bytes cannot be read not at all.
    [[nodiscard]] QStringList sections() const;
    // The keys that reads find in section (its first section of that name), in the file's order,
    // each once; keys whose names cannot be read are left out.
    [[nodiscard]] QStringList keys(const QString &section) const;
    // The file's bytes once value is written to (section, key), names as nameOf() gives them: a
    // legacy file stays in its code page while everything fits, else all of it becomes UTF-8.
    // Nothing when the bytes stay: an undecodable stored value that readAs says was not changed.
    [[nodiscard]] std::optional<QByteArray> written(const QString &section, const QString &key,
                                                    const QString &value, const QString *readAs,
                                                    const QByteArray &lineEnd, CodePage codePage,
                                                    const CodePageRule &rule) const;

private:
    // A part of a line read as one text: a name with what surrounds it, or a value.
    struct Piece
    {
        QByteArray raw;
        std::optional<QString> text; // nothing when undecodable
        bool viaCodePage = false; // not UTF-8: read in codePage
        bool rewrite = false; // text is new, or its code page changed: it must be encoded
        bool decoded = false;
        CodePage codePage = CodePage::Western;

        void decode(CodePage page);
        static Piece written(QString newText, CodePage page);
    };

    struct Line
    {
        enum class Kind { Other, Section, Key };

        Kind kind = Kind::Other;
        Piece head; // the whole line, or for a key the part up to and including '='
        Piece value; // a key's value with the blanks around it
        QByteArray end; // "\r\n", "\n", or nothing at the end of the file
        std::optional<QString> name; // of a section or key; nothing when undecodable

        [[nodiscard]] bool isBlankLine() const;
    };

    // Where a key is or would go: the first section of that name (as Windows reads it), its first
    // key of that name, and the line after which a new key is added.
    struct Lookup
    {
        qsizetype section = -1;
        qsizetype key = -1;
        qsizetype lastKeyOrHeader = -1;
    };

    static Line parseLine(QByteArrayView content, CodePage codePage);
    static bool nameIs(const Line &line, QStringView name);
    [[nodiscard]] Lookup lookUp(QStringView section, QStringView key) const;
    [[nodiscard]] std::optional<QString> readerValue(const QString &section, const QString &key,
                                                     CodePage codePage) const;
    void assignCodePages(CodePage codePage, const CodePageRule &rule);
    [[nodiscard]] std::optional<QByteArray> serialise(bool legacy) const;

    bool m_bom = false;
    QList<Line> m_lines;
};

} // namespace lume
