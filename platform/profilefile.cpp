#include "profilefile.h"

#include "atomicfile.h"
#include "leadingnumber.h"

#include <utility>

namespace lume {

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

ProfileDocument::ProfileDocument(ProfileFile file)
    : m_file(std::move(file))
{
    QByteArray data;
    const AtomicFile::State state = AtomicFile(m_file.path()).read(&data);
    m_exists = state == AtomicFile::State::Read;
    m_unreadable = state == AtomicFile::State::Unreadable;
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

const ProfileLines &ProfileDocument::parsed() const
{
    // The bytes decide everything: the document is parsed from them as a read of the file would.
    if (!m_parsed)
        m_parsed = std::make_shared<const ProfileLines>(ProfileLines::parse(m_bytes, m_file.codePage()));
    return *m_parsed;
}

QString ProfileDocument::readString(const QString &section, const QString &key, const QString &defaultValue,
                                    int bufferSize) const
{
    const ProfileLines::StoredValue stored =
        parsed().value(section, key, m_file.codePage(), m_file.codePageRule());
    // Cut first: the buffer counts the bytes of the file's line, where a break is one character.
    return decodeLineBreaks(
        ProfileLines::cutToBuffer(stored.text.value_or(defaultValue), bufferSize, stored.codePage));
}

int ProfileDocument::readInt(const QString &section, const QString &key, int defaultValue) const
{
    const ProfileLines::StoredValue stored =
        parsed().value(section, key, m_file.codePage(), m_file.codePageRule());
    if (!stored.found)
        return defaultValue;
    // Digits are ASCII in every code page: an undecodable value still has its number in front.
    const QString value = stored.text.value_or(ProfileLines::unquoted(QString::fromLatin1(stored.raw)));
    return value.isEmpty() ? defaultValue : leadingIntegerClamped(value);
}

bool ProfileDocument::isUndecodable(const QString &section, const QString &key) const
{
    const ProfileLines::StoredValue stored =
        parsed().value(section, key, m_file.codePage(), m_file.codePageRule());
    return stored.found && !stored.text;
}

QStringList ProfileDocument::sections() const
{
    return parsed().sections();
}

QStringList ProfileDocument::keys(const QString &section) const
{
    return parsed().keys(section);
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
    const QString sectionName = ProfileLines::nameOf(section);
    const QString keyName = ProfileLines::nameOf(key);
    if (!ProfileLines::isValidName(sectionName, true) || !ProfileLines::isValidName(keyName, false))
        return false;
    m_written = true;
    if (m_unreadable)
        return false; // writing would lose what the file holds
    std::optional<QByteArray> updated =
        parsed().written(sectionName, keyName, value, readAs, ProfileLines::lineEndOf(m_bytes),
                         m_file.codePage(), m_file.codePageRule());
    if (!updated || (m_exists && *updated == m_bytes))
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
    const AtomicFile file(m_file.path());
    file.removeLeftovers();
    if (!isModified())
        return true;
    if (!file.replace(m_bytes))
        return false;
    m_original = m_bytes;
    m_changed = false;
    return true;
}

} // namespace lume
