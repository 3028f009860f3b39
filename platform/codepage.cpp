#include "platform/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace lume {

namespace {

constexpr int FirstLead = 0x81;
constexpr int FirstTrail = 0x40;
constexpr int LastByte = 0xFE;
constexpr char16_t Separator = u'\n'; // one byte 0x0A in all four code pages

const char *converterName(CodePage codePage)
{
    switch (codePage) {
    case CodePage::Gbk:
        return "windows-936";
    case CodePage::Big5:
        return "windows-950";
    case CodePage::ShiftJis:
        return "windows-31j";
    case CodePage::Uhc:
        return "windows-949";
    }
    return "windows-936";
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

const CodePageTable &CodePageTable::instance(CodePage codePage)
{
    // One table per code page, built on first use; function-local statics make that thread-safe.
    switch (codePage) {
    case CodePage::Gbk: {
        static const CodePageTable table(CodePage::Gbk);
        return table;
    }
    case CodePage::Big5: {
        static const CodePageTable table(CodePage::Big5);
        return table;
    }
    case CodePage::ShiftJis: {
        static const CodePageTable table(CodePage::ShiftJis);
        return table;
    }
    case CodePage::Uhc: {
        static const CodePageTable table(CodePage::Uhc);
        return table;
    }
    }
    return instance(CodePage::Gbk);
}

CodePageTable::CodePageTable(CodePage codePage)
    : m_codePage(codePage)
    , m_codes(0x10000, ReplacementCode)
    , m_cells(0x10000, 0)
{
    const char *name = converterName(codePage);
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

quint16 CodePageTable::characterCode(char32_t character) const
{
    return character <= 0xFFFF ? m_codes[character] : ReplacementCode;
}

QList<quint16> CodePageTable::characterCodes(QStringView text) const
{
    QList<quint16> codes;
    codes.reserve(text.size());
    forEachCode(text, [&codes](quint16 code) { codes.append(code); });
    return codes;
}

QByteArray CodePageTable::encode(QStringView text) const
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

char32_t CodePageTable::cellCharacter(quint8 lead, quint8 trail) const
{
    if (lead < FirstLead || trail < FirstTrail)
        return 0;
    return m_cells[lead * 256 + trail];
}

char32_t CodePageTable::singleByteCharacter(quint8 byte) const
{
    return m_cells[byte];
}

} // namespace lume
