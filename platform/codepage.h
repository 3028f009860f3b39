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
    static constexpr quint16 ReplacementCode = 0x3F; // '?'

    [[nodiscard]] static const CodePageTable &instance(CodePage codePage);

    // The code of each character of the text (a surrogate pair is one character): 0..255 for a
    // single-byte character, lead x 256 + trail for a double-byte one, and '?' (0x3F) for a
    // character the code page cannot represent.
    [[nodiscard]] QList<quint16> characterCodes(QStringView text) const;
    [[nodiscard]] quint16 characterCode(char32_t character) const;
    // Calls f(code) for each character of the text, as characterCodes() gives them, without a list.
    template<typename F> void forEachCode(QStringView text, F &&f) const
    {
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t unit = text[i].unicode();
            if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                QChar::isLowSurrogate(text[i + 1].unicode())) {
                f(characterCode(QChar::surrogateToUcs4(unit, text[i + 1].unicode())));
                ++i;
            } else {
                f(m_codes[unit]); // a lone surrogate has no code: '?'
            }
        }
    }
    // The text in the code page's bytes, as characterCodes() gives them.
    [[nodiscard]] QByteArray encode(QStringView text) const;

    // The character of a double-byte cell or of a single byte; 0 where the code page has none.
    [[nodiscard]] char32_t cellCharacter(quint8 lead, quint8 trail) const;
    [[nodiscard]] char32_t singleByteCharacter(quint8 byte) const;

    [[nodiscard]] CodePage codePage() const { return m_codePage; }

private:
    explicit CodePageTable(CodePage codePage);

    CodePage m_codePage;
    QList<quint16> m_codes; // by BMP code point, '?' where there is none
    QList<char32_t> m_cells; // by lead x 256 + trail, and by byte for single bytes; 0 means none
};

} // namespace lume
