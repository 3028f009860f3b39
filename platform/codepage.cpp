#include "codepage.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <mutex>
#include <utility>

namespace lume {

namespace {

constexpr int FirstLead = 0x81;
constexpr int FirstTrail = 0x40;
constexpr int LastByte = 0xFE;
constexpr char16_t Separator = u'\n'; // one byte 0x0A in all four code pages

QByteArray converterName(CodePage codePage)
{
    // ICU's "windows-932" is IBM's table; Windows' own Shift_JIS is "windows-31j".
    if (codePage == CodePage::ShiftJis)
        return "windows-31j";
    return "windows-" + QByteArray::number(int(codePage));
}

constexpr std::array AllCodePages {
    CodePage::Thai,   CodePage::ShiftJis,        CodePage::Gbk,      CodePage::Uhc,
    CodePage::Big5,   CodePage::CentralEuropean, CodePage::Cyrillic, CodePage::Western,
    CodePage::Greek,  CodePage::Turkish,         CodePage::Hebrew,   CodePage::Arabic,
    CodePage::Baltic, CodePage::Vietnamese,
};

void appendCharacter(QString &text, char32_t character)
{
    if (QChar::requiresSurrogates(character)) {
        text += QChar(QChar::highSurrogate(character));
        text += QChar(QChar::lowSurrogate(character));
    } else
        text += QChar(char16_t(character));
}

// The one character the bytes stand for, or 0 when they decode to anything else (nothing, an
// invalid sequence, several characters).
char32_t decodeOne(QStringDecoder &decoder, const char *name, QByteArrayView bytes)
{
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        // resetState() does not clear an ICU converter's error, so start afresh.
        decoder = QStringDecoder(name, QStringDecoder::Flag::Stateless);
        return 0;
    }
    const QList<uint> ucs4 = text.toUcs4();
    if (ucs4.size() != 1 || ucs4.front() == QChar::ReplacementCharacter)
        return 0;
    return ucs4.front();
}

} // namespace

const CodePageCodec &CodePageCodec::instance(CodePage codePage)
{
    // One table per code page, built on first use and only once, also across threads.
    static std::array<std::once_flag, AllCodePages.size()> built;
    static std::array<std::optional<CodePageCodec>, AllCodePages.size()> codecs;
    const auto found = std::find(AllCodePages.begin(), AllCodePages.end(), codePage);
    if (found == AllCodePages.end())
        return instance(CodePage::Western);
    const auto index = std::size_t(found - AllCodePages.begin());
    std::call_once(built[index], [codePage, index] { codecs[index] = CodePageCodec(codePage); });
    return *codecs[index];
}

CodePageCodec::CodePageCodec(CodePage codePage)
    : m_codePage(codePage)
    , m_codes(0x10000, ReplacementCode)
{
    if (isDoubleByte(codePage))
        buildDoubleByte();
    else
        buildSingleByte();
}

void CodePageCodec::buildDoubleByte()
{
    m_cells = QList<char32_t>(0x10000, 0);
    const QByteArray converter = converterName(m_codePage);
    const char *name = converter.constData();
    QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
    QStringEncoder encoder(name, QStringEncoder::Flag::Stateless);
    Q_ASSERT(decoder.isValid() && encoder.isValid());

    // Cell -> character, from the decoder.
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const char single = char(byte);
        const char32_t character = decodeOne(decoder, name, QByteArrayView(&single, 1));
        // ICU's windows-31j swaps some control codes the IBM way and gives SUB for unassigned
        // bytes; the Windows code pages keep ASCII as it is.
        if (byte < 0x80)
            m_cells[byte] = char32_t(byte);
        else if (character != 0x1A)
            m_cells[byte] = character;
    }
    for (int lead = FirstLead; lead <= LastByte; ++lead) {
        for (int trail = FirstTrail; trail <= LastByte; ++trail) {
            const char pair[2] = {char(lead), char(trail)};
            m_cells[lead * 256 + trail] = decodeOne(decoder, name, QByteArrayView(pair, 2));
        }
    }

    // Character -> code: several cells may decode to one character, so take the encoder's own
    // choice, for all candidates in one batch. Only the BMP can be looked up; none of the four
    // code pages decodes to a character beyond it.
    QList<char16_t> candidates;
    QString batch;
    for (qsizetype index = 0; index < m_cells.size(); ++index) {
        const char32_t character = m_cells[index];
        if (character < 0x80 || character > 0xFFFF)
            continue; // ASCII is itself
        const auto unit = char16_t(character);
        if (QChar::isSurrogate(unit) || m_codes[unit] != ReplacementCode)
            continue;
        m_codes[unit] = 0; // marks a candidate seen
        candidates.append(unit);
        batch.append(QChar(unit));
        batch.append(QChar(Separator));
    }
    for (char16_t unit : std::as_const(candidates))
        m_codes[unit] = ReplacementCode;
    for (char16_t ascii = 0; ascii < 0x80; ++ascii)
        m_codes[ascii] = ascii;

    const QByteArray encoded = encoder.encode(batch);
    QList<QByteArray> pieces = encoded.split('\n');
    if (pieces.size() != candidates.size() + 1) {
        // A substitution that spans bytes oddly would shift the batch; then one by one.
        pieces.clear();
        for (char16_t unit : std::as_const(candidates)) {
            QStringEncoder single(name, QStringEncoder::Flag::Stateless);
            pieces.append(single.encode(QStringView(&unit, 1)));
        }
    }
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const QByteArray &piece = pieces[i];
        const char16_t unit = candidates[i];
        // A substituted or one-way (best-fit) result does not decode back to the character.
        if (piece.size() == 1) {
            const auto byte = quint8(piece[0]);
            if (m_cells[byte] == unit)
                m_codes[unit] = byte;
        } else if (piece.size() == 2) {
            const auto lead = quint8(piece[0]);
            const auto trail = quint8(piece[1]);
            if (lead >= FirstLead && trail >= FirstTrail && m_cells[lead * 256 + trail] == unit)
                m_codes[unit] = quint16(lead * 256 + trail);
        }
    }
}

QByteArray CodePageCodec::encodeLossy(QStringView text) const
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    forEachCode(text, [&bytes](quint16 code) {
        if (code > 0xFF)
            bytes.append(char(code >> 8));
        bytes.append(char(code & 0xFF));
    });
    return bytes;
}

char32_t CodePageCodec::cellCharacter(quint8 lead, quint8 trail) const
{
    if (!isDoubleByte(m_codePage) || lead < FirstLead || trail < FirstTrail)
        return 0;
    return m_cells[lead * 256 + trail];
}

char32_t CodePageCodec::singleByteCharacter(quint8 byte) const
{
    return m_cells[byte];
}

CodePage ansiCodePageForLocale(const QString &localeName)
{
    // "language_TERRITORY.codeset@modifier" (POSIX) or "language-Script-TERRITORY" (BCP 47).
    QString name = localeName.trimmed();
    QString modifier;
    if (const qsizetype at = name.indexOf(u'@'); at >= 0) {
        modifier = name.mid(at + 1).toLower();
        name.truncate(at);
    }
    if (const qsizetype dot = name.indexOf(u'.'); dot >= 0)
        name.truncate(dot);
    const QStringList parts = name.replace(u'-', u'_').split(u'_', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return CodePage::Western;
    const QString language = parts.front().toLower();
    QString script = modifier == u"latin" ? QStringLiteral("latn")
        : modifier == u"cyrillic"         ? QStringLiteral("cyrl")
                                          : QString();
    QString territory;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 4)
            script = parts[i].toLower();
        else
            territory = parts[i].toUpper();
    }

    const auto in = [&language](std::initializer_list<const char16_t *> codes) {
        return std::any_of(codes.begin(), codes.end(),
                           [&language](const char16_t *code) { return language == QStringView(code); });
    };
    if (language == u"zh") {
        const bool traditional =
            script == u"hant" || territory == u"TW" || territory == u"HK" || territory == u"MO";
        return traditional ? CodePage::Big5 : CodePage::Gbk;
    }
    if (language == u"ja")
        return CodePage::ShiftJis;
    if (language == u"ko")
        return CodePage::Uhc;
    // Languages written in either script: Windows gives each script its own code page.
    if (language == u"sr") // Serbian locales on Linux are Cyrillic unless they say Latin
        return script == u"latn" ? CodePage::CentralEuropean : CodePage::Cyrillic;
    if (language == u"bs")
        return script == u"cyrl" ? CodePage::Cyrillic : CodePage::CentralEuropean;
    if (in({u"az", u"uz"}))
        return script == u"cyrl" ? CodePage::Cyrillic : CodePage::Turkish;
    if (in({u"cs", u"hr", u"hu", u"pl", u"ro", u"sk", u"sl", u"sq", u"tk"}))
        return CodePage::CentralEuropean;
    if (in({u"ru", u"uk", u"be", u"bg", u"mk", u"kk", u"ky", u"mn", u"tt", u"ba", u"sah", u"tg"}))
        return CodePage::Cyrillic;
    if (language == u"el")
        return CodePage::Greek;
    if (language == u"tr")
        return CodePage::Turkish;
    if (in({u"he", u"iw"}))
        return CodePage::Hebrew;
    if (in({u"ar", u"fa", u"ur", u"ug", u"ps", u"ckb", u"sd"}))
        return CodePage::Arabic;
    if (in({u"et", u"lt", u"lv"}))
        return CodePage::Baltic;
    if (language == u"vi")
        return CodePage::Vietnamese;
    if (language == u"th")
        return CodePage::Thai;
    return CodePage::Western;
}

QString characterLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QLocale::system().name();
}

CodePage systemAnsiCodePage()
{
    return ansiCodePageForLocale(characterLocaleName());
}

void CodePageCodec::buildSingleByte()
{
    m_cells = QList<char32_t>(0x100, 0);
    const QByteArray name = converterName(m_codePage);
    for (int byte = 0; byte < 0x80; ++byte)
        m_cells[byte] = char32_t(byte);
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
        const char single = char(byte);
        const QString text = decoder.decode(QByteArrayView(&single, 1));
        if (decoder.hasError() || text.size() != 1 || text[0] == QChar::ReplacementCharacter ||
            text[0].isSurrogate() || text[0].unicode() < 0x80)
            continue;
        m_cells[byte] = text[0].unicode();
        m_codes[text[0].unicode()] = quint16(byte);
    }
    for (char16_t ascii = 0; ascii < 0x80; ++ascii)
        m_codes[ascii] = ascii;
}

std::optional<QString> CodePageCodec::decode(QByteArrayView bytes) const
{
    QString text;
    text.reserve(bytes.size());
    if (isDoubleByte(m_codePage)) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = quint8(bytes[i]);
            char32_t character = byte < 0x80 ? char32_t(byte) : singleByteCharacter(byte);
            if (character == 0 && byte != 0 && i + 1 < bytes.size())
                character = cellCharacter(byte, quint8(bytes[++i]));
            if (character == 0 && byte != 0)
                return std::nullopt;
            appendCharacter(text, character);
        }
        return text;
    }
    for (const char c : bytes) {
        const char32_t character = m_cells[quint8(c)];
        if (character == 0 && c != 0)
            return std::nullopt;
        text += QChar(char16_t(character));
    }
    return text;
}

std::optional<QByteArray> CodePageCodec::encode(QStringView text) const
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        // No code page here holds a character beyond the BMP, nor a lone surrogate.
        const quint16 code = m_codes[unit];
        if (QChar::isSurrogate(unit) || (code == ReplacementCode && unit != u'?'))
            return std::nullopt;
        if (code > 0xFF)
            bytes.append(char(code >> 8));
        bytes.append(char(code & 0xFF));
    }
    return bytes;
}

qsizetype CodePageCodec::fittingLength(QStringView text, qsizetype maxBytes) const
{
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t unit = text[i].unicode();
        const bool pair = QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const int cost = !QChar::isSurrogate(unit) && m_codes[unit] > 0xFF ? 2 : 1;
        if (bytes + cost > maxBytes)
            break;
        bytes += cost;
        i += pair ? 2 : 1;
    }
    return i;
}

} // namespace lume
