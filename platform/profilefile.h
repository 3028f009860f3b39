#pragma once

#include "codepage.h"
#include "profilelines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace lume {

// The Windows profile-file functions (GetPrivateProfileString, GetPrivateProfileInt,
// WritePrivateProfileString) on one file, written here because QSettings does not keep the
// format: other lines, the order of sections and keys, and values as plain text.
// Every call reads or writes the file itself; nothing is cached. To read or write many values, hold
// a ProfileDocument: it reads the file once and writes it once.
//
// Encoding: files of the Windows programs hold their texts in an ANSI code page, ours in UTF-8.
// A piece of a line (a name, a value, a comment) that is valid UTF-8 is read as UTF-8; any other is
// read in its ANSI code page: the file's code page (by default the one Windows gives the user's
// locale), or for a value the one the code-page rule names. A piece that neither can read is
// "undecodable": it reads as missing and its bytes are kept as they are.
// A file that holds a piece read in a code page (and no UTF-8 byte-order mark) is a legacy file: a
// write encodes what it writes in that same code page while it fits; the first text that does not
// fit (or whose bytes would read back as other UTF-8) turns the whole file into UTF-8 at once. Other
// files, and new ones, are UTF-8. Lines a write does not touch keep their bytes.
class ProfileFile
{
public:
    using ValueReader = ProfileLines::ValueReader;
    using CodePageRule = ProfileLines::CodePageRule;

    // The code page Windows would use for the user's locale (systemAnsiCodePage()).
    explicit ProfileFile(QString path);
    ProfileFile(QString path, CodePage codePage, CodePageRule rule = {});

    [[nodiscard]] const QString &path() const { return m_path; }
    [[nodiscard]] CodePage codePage() const { return m_codePage; }
    [[nodiscard]] const CodePageRule &codePageRule() const { return m_rule; }
    // The same file and code page with this rule for the values' code pages.
    [[nodiscard]] ProfileFile withCodePageRule(CodePageRule rule) const;

    // The value of key in section (both compared without regard to case), running to the end of
    // its line; the default when the file, the section or the key is missing or the value is
    // undecodable. A value read through a buffer of bufferSize bytes is cut, as Windows cuts it, to
    // at most bufferSize - 1 bytes of its ANSI code page, counting 2 for a double-byte character and
    // 1 for any other (also one the code page cannot hold), never inside a character; so is the
    // default. As on Windows, blanks around the value and one pair of quotes (" or ') enclosing it
    // are dropped; writeString() quotes a value that would lose them, so its values read back exact.
    // Line breaks stored as encodeLineBreaks() does come back as line breaks (after the cut).
    [[nodiscard]] QString readString(const QString &section, const QString &key, const QString &defaultValue,
                                     int bufferSize) const;
    // The leading decimal number of the value (optional sign, clamped to the range of int; 0 when
    // the value does not start with one), or the default when the file, section, key or value is
    // missing: an empty value gives the default, as on Windows. Of an undecodable value, the
    // number its bytes start with.
    [[nodiscard]] int readInt(const QString &section, const QString &key, int defaultValue) const;
    // Whether the key exists with a value that can be read neither as UTF-8 nor in its code page.
    [[nodiscard]] bool isUndecodable(const QString &section, const QString &key) const;
    // Creates the file, section or key as needed and replaces an existing value in place; other
    // lines stay. Atomic: the file on disk is the old or the new one, never a part. False when the
    // file cannot be written.
    // A new section goes to the end of the file after a blank line, a new key after the last key
    // of its section. The file's line ends are kept (a new file gets the platform's). Line breaks
    // in the value are stored as encodeLineBreaks() does; a section or key that could not be read
    // back (empty, holding a line break, ']' in a section, '=' in a key, a key starting with ';'
    // or '[') gives false and leaves the file alone; so does a name holding a lone surrogate, which
    // no encoding holds. In a value, a lone surrogate is stored as U+FFFD.
    // The new file is made beside the old one as "<file name>.lume-XXXXXX.tmp" and renamed over it;
    // such files that a killed write left behind are removed by the next write.
    bool writeString(const QString &section, const QString &key, const QString &value);
    // The same, except that an undecodable stored value stays as it is when value is what reading
    // it gave (readAs: the default, or the number in front): what the user did not change is kept.
    bool writeString(const QString &section, const QString &key, const QString &value, const QString &readAs);

private:
    QString m_path;
    CodePage m_codePage;
    CodePageRule m_rule;
};

// One settings file read once and written at most once: a restore or a store holds one. Every value
// means what the ProfileFile call of the same name gives it, and the bytes a commit() writes are
// those that the same writes, made one by one with ProfileFile, would leave in the file. Reads see
// the writes made before them.
class ProfileDocument
{
public:
    // Reads the file now; a missing file is an empty document, an unreadable one refuses writes.
    explicit ProfileDocument(ProfileFile file);
    // The document of these bytes, as if the file held them; nothing is read.
    ProfileDocument(ProfileFile file, QByteArray content);

    [[nodiscard]] const ProfileFile &file() const { return m_file; }
    void setCodePageRule(ProfileFile::CodePageRule rule);
    [[nodiscard]] ProfileDocument withCodePageRule(ProfileFile::CodePageRule rule) const;

    [[nodiscard]] QString readString(const QString &section, const QString &key, const QString &defaultValue,
                                     int bufferSize) const;
    [[nodiscard]] int readInt(const QString &section, const QString &key, int defaultValue) const;
    [[nodiscard]] bool isUndecodable(const QString &section, const QString &key) const;
    // The names of the sections, in the file's order, as the file spells them; a name that comes
    // again (without regard to case) is listed once, one that cannot be read not at all.
    [[nodiscard]] QStringList sections() const;
    // The names of the keys that reads find in section, in the file's order, each once.
    [[nodiscard]] QStringList keys(const QString &section) const;
    // Changes the document only; false where ProfileFile::writeString() refuses (a name that could
    // not be read back, a file that could not be read).
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeString(const QString &section, const QString &key, const QString &value, const QString &readAs);

    // Whether commit() has bytes to write: the writes changed what the file held.
    [[nodiscard]] bool isModified() const;
    // Replaces the file in one atomic step when it changed: a temporary file beside it, synced,
    // renamed over it, the folder synced. Leftovers of killed writes go first. Nothing is written
    // when nothing changed. False when the file cannot be replaced; it then stays as it was.
    bool commit();

private:
    [[nodiscard]] const ProfileLines &parsed() const;
    bool write(const QString &section, const QString &key, const QString &value, const QString *readAs);

    ProfileFile m_file;
    bool m_exists = false;
    bool m_unreadable = false;
    bool m_written = false; // a write was made since the last commit
    bool m_changed = false;
    QByteArray m_original; // what the file holds
    QByteArray m_bytes; // what it will hold
    mutable std::shared_ptr<const ProfileLines> m_parsed; // of m_bytes, made when first needed
};

} // namespace lume
