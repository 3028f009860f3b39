#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace lume {

// The ANSI code pages Windows gives a system locale, by their Windows numbers: the code page in
// which the original programs' settings files hold their texts. The four double-byte ones are also
// the code pages of the dot-font languages.
enum class CodePage {
    Thai = 874,
    ShiftJis = 932, // Japanese
    Gbk = 936, // Chinese (Simplified)
    Uhc = 949, // Korean Unified Hangul Code
    Big5 = 950, // Chinese (Traditional)
    CentralEuropean = 1250,
    Cyrillic = 1251,
    Western = 1252,
    Greek = 1253,
    Turkish = 1254,
    Hebrew = 1255,
    Arabic = 1256,
    Baltic = 1257,
    Vietnamese = 1258,
};

[[nodiscard]] constexpr bool isDoubleByte(CodePage codePage)
{
    return codePage == CodePage::ShiftJis || codePage == CodePage::Gbk || codePage == CodePage::Uhc ||
        codePage == CodePage::Big5;
}

// The ANSI code page Windows would choose for a system locale of this name ("zh_CN.UTF-8",
// "sr_RS@latin", "pt-BR", "C"): Western European (1252) when the locale names none of the others.
[[nodiscard]] CodePage ansiCodePageForLocale(const QString &localeName);
// The locale whose character handling a Linux program follows: LC_ALL, LC_CTYPE, LANG, the first
// that is set, or else QLocale::system().
[[nodiscard]] QString characterLocaleName();
[[nodiscard]] CodePage systemAnsiCodePage();

// One code page as tables, built once per code page from Qt's (ICU's) converters on first use, so
// that a character costs a lookup. Two ways to encode:
// - exact (encode, decode): nothing becomes '?' or a look-alike, so what is decoded and encoded
//   again is what it was; a text the code page cannot hold gives nothing;
// - lossy (characterCode, forEachCode, encodeLossy), as Windows converts a text to its ANSI code
//   page: a character the code page cannot represent becomes '?'.
class CodePageCodec
{
public:
    static constexpr quint16 ReplacementCode = 0x3F; // '?'

    [[nodiscard]] static const CodePageCodec &instance(CodePage codePage);

    // The text, or nothing when a byte or byte pair stands for no character of the code page.
    [[nodiscard]] std::optional<QString> decode(QByteArrayView bytes) const;
    // The bytes, or nothing when a character (or a lone surrogate) has none in the code page.
    [[nodiscard]] std::optional<QByteArray> encode(QStringView text) const;

    // The code of a character: 0..255 for a single-byte character, lead x 256 + trail for a
    // double-byte one, and '?' (0x3F) for a character the code page cannot represent.
    [[nodiscard]] quint16 characterCode(char32_t character) const
    {
        return character <= 0xFFFF ? m_codes[character] : ReplacementCode;
    }
    // Calls f(code) for each character of the text (a surrogate pair is one character, a lone
    // surrogate is '?').
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
    // The text in the code page's bytes, as forEachCode() gives the codes.
    [[nodiscard]] QByteArray encodeLossy(QStringView text) const;

    // The character of a double-byte cell or of a single byte; 0 where the code page has none.
    [[nodiscard]] char32_t cellCharacter(quint8 lead, quint8 trail) const;
    [[nodiscard]] char32_t singleByteCharacter(quint8 byte) const;

    // The number of UTF-16 units of the longest start of the text, whole characters only, that takes
    // at most maxBytes bytes in a buffer of the code page: 2 for a double-byte character, else 1
    // (also for one the code page cannot hold, which Windows stores as a one-byte '?').
    [[nodiscard]] qsizetype fittingLength(QStringView text, qsizetype maxBytes) const;

    [[nodiscard]] CodePage codePage() const { return m_codePage; }

private:
    explicit CodePageCodec(CodePage codePage);
    void buildDoubleByte();
    void buildSingleByte();

    CodePage m_codePage;
    QList<quint16> m_codes; // by BMP code point, '?' where there is none
    QList<char32_t> m_cells; // by lead x 256 + trail, and by byte for single bytes; 0 means none
};

} // namespace lume
