#pragma once

#include <QString>

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
    // buffer of bufferSize bytes is cut to bufferSize - 1 bytes, never inside a character.
    [[nodiscard]] QString readString(const QString &section, const QString &key, const QString &defaultValue,
                                     int bufferSize) const;
    // The leading decimal number of the value, or the default when the file, section or key is missing.
    [[nodiscard]] int readInt(const QString &section, const QString &key, int defaultValue) const;
    // Creates the file, section or key as needed and replaces an existing value in place; other
    // lines stay. Atomic: the file on disk is the old or the new one, never a part. False when the
    // file cannot be written.
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
[[nodiscard]] QString settingsFilePath(const QString &programDir, const QString &fileName);

} // namespace lume
