#pragma once

#include <QString>

#include <functional>

namespace lume {

// The Windows profile-file functions (GetPrivateProfileString, GetPrivateProfileInt,
// WritePrivateProfileString) on one file, written here because QSettings does not keep the
// format: other lines, the order of sections and keys, and values as plain text.
// Every call reads or writes the file itself; nothing is cached. The text is UTF-8.
class ProfileFile
{
public:
    explicit ProfileFile(QString path);

    [[nodiscard]] const QString &path() const { return m_path; }

    // The value of key in section (both compared without regard to case), running to the end of
    // its line; the default when the file, the section or the key is missing. A value read through a
    // buffer of bufferSize bytes is cut to bufferSize - 1 bytes, never inside a character; so is
    // the default. As on Windows, blanks around the value and one pair of quotes (" or ') enclosing
    // it are dropped; writeString() quotes a value that would lose them, so its values read back exact.
    [[nodiscard]] QString readString(const QString &section, const QString &key, const QString &defaultValue,
                                     int bufferSize) const;
    // The leading decimal number of the value (optional sign, clamped to the range of int; 0 when
    // the value does not start with one), or the default when the file, section, key or value is
    // missing: an empty value gives the default, as on Windows.
    [[nodiscard]] int readInt(const QString &section, const QString &key, int defaultValue) const;
    // Creates the file, section or key as needed and replaces an existing value in place; other
    // lines stay. Atomic: the file on disk is the old or the new one, never a part. False when the
    // file cannot be written.
    // A new section goes to the end of the file after a blank line, a new key after the last key
    // of its section. The file's line ends are kept (a new file gets the platform's). Line breaks
    // in the value are stored as encodeLineBreaks() does; a section or key that could not be read
    // back (empty, holding a line break, ']' in a section, '=' in a key, a key starting with ';'
    // or '[') gives false and leaves the file alone.
    bool writeString(const QString &section, const QString &key, const QString &value);

private:
    QString m_path;
};

// A message text kept on one line of the file: line feeds and carriage returns become U+2028 and
// U+2029, which a text box's plain text never holds, so the round trip is exact; a text without
// line breaks is stored unchanged.
[[nodiscard]] QString encodeLineBreaks(const QString &text);
[[nodiscard]] QString decodeLineBreaks(const QString &stored);

// The settings file of a program: fileName in programDir when that directory can be written;
// otherwise in the per-user configuration directory, which is first seeded with the program
// directory's file when that exists, so that no stored setting is lost.
// The directory counts as writable when a temporary file can be made in it (permission bits
// alone say nothing for root or on network drives) and an existing settings file can be written.
[[nodiscard]] QString settingsFilePath(const QString &programDir, const QString &fileName);
// The same with the test for "a file can be created in this directory" given by the caller.
[[nodiscard]] QString settingsFilePath(const QString &programDir, const QString &fileName,
                                       const std::function<bool(const QString &directory)> &isWritable);
// Whether a file can be created in the directory: made and removed again to find out.
[[nodiscard]] bool canCreateFileIn(const QString &directory);

} // namespace lume
