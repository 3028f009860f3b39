#include "streamdecoder.h"

#include <algorithm>

namespace lume {

namespace {

constexpr QByteArrayView Preamble("Hello");
constexpr qsizetype PreambleBytes = 5;
constexpr qsizetype PrefixBytes = PreambleBytes + BadgeStream::HeaderBytes; // 47
constexpr qsizetype TrailerBytes = BadgeStream::TrailerWrites * BadgeStream::TrailerBlockBytes;

// "0x05", "0x0A00": upper-case digits after a lower-case 0x, as people write addresses.
QString hex(int value, int digits)
{
    return QStringLiteral("0x") +
        QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString hexByte(quint8 value)
{
    return hex(value, 2);
}

QString hexWord(int value)
{
    return hex(value, 4);
}

quint8 byteAt(QByteArrayView bytes, qsizetype offset)
{
    return quint8(bytes[offset]);
}

quint16 wordAt(QByteArrayView bytes, qsizetype offset)
{
    return quint16((byteAt(bytes, offset) << 8) | byteAt(bytes, offset + 1));
}

// Checks the preamble and header and fills in every message's settings, address and width.
// Returns the reason for rejecting them, or an empty text.
QString decodePrefix(QByteArrayView bytes, DecodedStream &stream)
{
    const qsizetype compared = std::min(bytes.size(), PreambleBytes);
    if (bytes.first(compared) != Preamble.first(compared)) {
        QStringList found;
        for (qsizetype i = 0; i < compared; ++i)
            found << hexByte(byteAt(bytes, i));
        return QStringLiteral("wrong preamble: %1, expected \"Hello\"").arg(found.join(QLatin1Char(' ')));
    }
    if (bytes.size() < PrefixBytes) {
        return QStringLiteral("stream is %1 bytes, too short for the preamble and header (%2 bytes)")
            .arg(bytes.size())
            .arg(PrefixBytes);
    }
    const QByteArrayView header = bytes.sliced(PreambleBytes, BadgeStream::HeaderBytes);
    for (qsizetype offset : {0, 9}) {
        if (byteAt(header, offset) != 0)
            return QStringLiteral("header byte %1 is %2, expected 0")
                .arg(offset)
                .arg(hexByte(byteAt(header, offset)));
    }
    int address = BadgeStream::BaseAddress;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        DecodedMessage &message = stream.messages[m];
        message.mode = byteAt(header, 1 + m);
        message.speed = (message.mode >> 4) + 1;
        message.flash = (message.mode & 0x08) != 0;
        message.direction = message.mode & 0x07;
        message.startAddress = wordAt(header, 10 + 4 * m);
        message.width = wordAt(header, 12 + 4 * m);
        if (message.startAddress != address) {
            return QStringLiteral("message %1 starts at %2, expected %3")
                .arg(m)
                .arg(hexWord(message.startAddress), hexWord(address));
        }
        const int end = address + message.width;
        if (end > BadgeStream::EndAddress) {
            return QStringLiteral("message %1 ends at %2, past the end of the badge's memory at %3")
                .arg(m)
                .arg(hexWord(end), hexWord(BadgeStream::EndAddress));
        }
        address = end;
    }
    stream.dataWidth = address - BadgeStream::BaseAddress;
    return {};
}

} // namespace

DecodeResult decodeStream(QByteArrayView bytes)
{
    DecodedStream stream;
    if (QString error = decodePrefix(bytes, stream); !error.isEmpty())
        return {std::nullopt, error};
    const qsizetype expected = stream.size();
    if (bytes.size() != expected)
        return {std::nullopt,
                QStringLiteral("stream is %1 bytes, expected %2").arg(bytes.size()).arg(expected)};

    const qsizetype n = stream.dataWidth;
    for (int r = 0; r < MessageBank::RowCount; ++r) {
        qsizetype offset = PrefixBytes + r * n;
        for (DecodedMessage &message : stream.messages) {
            message.rows[r] = bytes.sliced(offset, message.width).toByteArray();
            offset += message.width;
        }
    }
    const QByteArrayView trailer = bytes.sliced(PrefixBytes + MessageBank::RowCount * n, TrailerBytes);
    for (qsizetype i = 0; i < trailer.size(); ++i) {
        if (byteAt(trailer, i) != 0)
            return {
                std::nullopt,
                QStringLiteral("trailer byte %1 is %2, expected 0").arg(i).arg(hexByte(byteAt(trailer, i)))};
    }
    return {stream, QString()};
}

std::optional<qsizetype> expectedStreamSize(QByteArrayView prefix)
{
    if (prefix.size() < PrefixBytes)
        return std::nullopt;
    DecodedStream stream;
    if (!decodePrefix(prefix, stream).isEmpty())
        return std::nullopt;
    return stream.size();
}

MessageBank toBank(const DecodedStream &stream)
{
    MessageBank bank;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const DecodedMessage &message = stream.messages[m];
        // A stream made by hand may hold anything; the bank's rows hold 512 bytes at most.
        const int width = std::min(int(message.width), MessageBank::RowBytes);
        bank.setWidth(m, qint16(width));
        for (int r = 0; r < MessageBank::RowCount; ++r) {
            const QByteArray &row = message.rows[r];
            const int count = std::min(width, int(row.size()));
            for (int k = 0; k < count; ++k)
                bank.setByte(m, r, k, quint8(row[k]));
        }
    }
    return bank;
}

} // namespace lume
