#pragma once

#include "badgestream.h"

#include <QByteArrayView>

#include <optional>

namespace lume {

// One message as the badge receives it.
struct DecodedMessage
{
    quint8 mode = 0;
    int speed = 1; // 1..16: bits 7..4 of the mode byte, plus 1
    bool flash = false; // bit 3
    int direction = 0; // bits 2..0
    quint16 startAddress = 0;
    quint16 width = 0;
    std::array<QByteArray, MessageBank::RowCount> rows; // width bytes each

    friend bool operator==(const DecodedMessage &, const DecodedMessage &) = default;
};

struct DecodedStream
{
    std::array<DecodedMessage, MessageBank::MessageCount> messages;
    int dataWidth = 0; // N
    [[nodiscard]] qsizetype size() const
    {
        return BadgeStream::FixedBytes + MessageBank::RowCount * dataWidth;
    }

    friend bool operator==(const DecodedStream &, const DecodedStream &) = default;
};

struct DecodeResult
{
    std::optional<DecodedStream> stream;
    QString error; // why the stream was rejected; empty when it was accepted
};

// Parses one whole stream; anything else (a wrong preamble, addresses that do not follow each other,
// widths past the badge's memory, short or extra data, a trailer that is not zero) is rejected.
[[nodiscard]] DecodeResult decodeStream(QByteArrayView bytes);

// The length of the whole stream once its first 47 bytes (preamble and header) are there;
// nullopt while fewer have arrived or when the header is malformed.
[[nodiscard]] std::optional<qsizetype> expectedStreamSize(QByteArrayView prefix);

// The bank and widths a decoded stream stands for (each message in column bytes 0..width-1).
[[nodiscard]] MessageBank toBank(const DecodedStream &stream);

} // namespace lume
