#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>

namespace lume {

// The double-byte code pages of the four languages, in their Windows forms.
enum class CodePage {
    Gbk, // Chinese (Simplified), code page 936
    Big5, // Chinese (Traditional), code page 950
    ShiftJis, // Japanese, code page 932
    Uhc, // Korean Unified Hangul Code, code page 949
};

// One code page as tables, built once from Qt's (ICU's) converters, so that a text's character
// codes cost a lookup per character.
class CodePageTable
{
public:
    [[nodiscard]] static const CodePageTable &instance(CodePage codePage);

    // The code of each character of the text (a surrogate pair is one character): 0..255 for a
    // single-byte character, lead x 256 + trail for a double-byte one, and '?' (0x3F) for a
    // character the code page cannot represent.
    [[nodiscard]] QList<quint16> characterCodes(QStringView text) const;
    [[nodiscard]] quint16 characterCode(char32_t character) const;
    // The text in the code page's bytes, as characterCodes() gives them.
    [[nodiscard]] QByteArray encode(QStringView text) const;

    // The character of a double-byte cell or of a single byte; 0 where the code page has none.
    [[nodiscard]] char32_t cellCharacter(quint8 lead, quint8 trail) const;
    [[nodiscard]] char32_t singleByteCharacter(quint8 byte) const;

    [[nodiscard]] CodePage codePage() const { return m_codePage; }

private:
    explicit CodePageTable(CodePage codePage);

    CodePage m_codePage;
    QList<quint16> m_codes; // by BMP code point; 0 means none
    QList<char32_t> m_cells; // by lead x 256 + trail, and by byte for single bytes
};

} // namespace lume
