#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

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

// The ANSI code pages Windows gives a system locale, by their Windows numbers: the code page in
// which the original programs' settings files hold their texts.
enum class AnsiCodePage {
    Thai = 874,
    ShiftJis = 932,
    Gbk = 936,
    Uhc = 949,
    Big5 = 950,
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

[[nodiscard]] AnsiCodePage ansiCodePage(CodePage codePage);
[[nodiscard]] std::optional<CodePage> doubleByteCodePage(AnsiCodePage codePage);

// The ANSI code page Windows would choose for a system locale of this name ("zh_CN.UTF-8",
// "sr_RS@latin", "pt-BR", "C"): Western European (1252) when the locale names none of the others.
[[nodiscard]] AnsiCodePage ansiCodePageForLocale(const QString &localeName);
// The locale whose character handling a Linux program follows: LC_ALL, LC_CTYPE, LANG, the first
// that is set, or else QLocale::system().
[[nodiscard]] QString characterLocaleName();
[[nodiscard]] AnsiCodePage systemAnsiCodePage();

// Exact conversion between text and one ANSI code page: nothing becomes '?' or a look-alike, so
// what is decoded and encoded again is what it was.
class AnsiCodec
{
public:
    [[nodiscard]] static const AnsiCodec &instance(AnsiCodePage codePage);

    // The text, or nothing when a byte or byte pair stands for no character of the code page.
    [[nodiscard]] std::optional<QString> decode(QByteArrayView bytes) const;
    // The bytes, or nothing when a character (or a lone surrogate) has none in the code page.
    [[nodiscard]] std::optional<QByteArray> encode(QStringView text) const;
    // What a character costs in a buffer of the code page: 2 for a double-byte character, else 1
    // (also for one the code page cannot hold, which Windows stores as a one-byte '?').
    [[nodiscard]] int byteCount(char32_t character) const;
    // The number of UTF-16 units of the longest start of the text, whole characters only, that takes
    // at most maxBytes bytes as byteCount() counts them.
    [[nodiscard]] qsizetype fittingLength(QStringView text, qsizetype maxBytes) const;

    [[nodiscard]] AnsiCodePage codePage() const { return m_codePage; }

private:
    explicit AnsiCodec(AnsiCodePage codePage);

    AnsiCodePage m_codePage;
    std::array<char16_t, 256> m_characters {}; // single-byte code pages only: 0 for no character
    QHash<char16_t, quint8> m_bytes;
};

} // namespace lume
