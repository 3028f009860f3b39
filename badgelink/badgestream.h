#pragma once

#include "messagebank.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace lume {

// The movement settings of one message as its controls hold them: texts, interpreted here.
struct MessageSettings
{
    QString speed = QStringLiteral("4");
    bool flash = false;
    QString direction;

    friend bool operator==(const MessageSettings &, const MessageSettings &) = default;
};
using MessageSettingsList = std::array<MessageSettings, MessageBank::MessageCount>;

[[nodiscard]] QStringList speedEntries();
// Position of the exact (case-sensitive) text in the program's direction list, whose entries are
// in code order; 0 for any other text.
[[nodiscard]] int directionCode(const QString &text, const QStringList &directions);
// (speed - 1) x 16 + flash x 8 rounded half to even, plus the direction code; the first part is
// left out when it falls outside 0..255.
[[nodiscard]] quint8 modeByte(const MessageSettings &settings, const QStringList &directions);

// The exact writes that program the badge, in order, and the widths the header announced.
struct BadgeStream
{
    static constexpr int HeaderBytes = 42;
    static constexpr int TrailerWrites = 6;
    static constexpr int TrailerBlockBytes = 107;
    static constexpr int BaseAddress = 2048;
    static constexpr int EndAddress = 2560;
    static constexpr int FixedBytes = 5 + HeaderBytes + TrailerWrites * TrailerBlockBytes; // 689

    QByteArray preamble;
    QByteArray header;
    std::array<QByteArray, MessageBank::RowCount> rows;
    std::array<QByteArray, TrailerWrites> trailer;
    std::array<qint16, MessageBank::MessageCount> clippedWidths {};
    std::array<quint16, MessageBank::MessageCount> startAddresses {};
    int dataWidth = 0; // N, the bytes of each row block

    // Preamble, header, the twelve row blocks, the six trailer blocks: 20 writes.
    [[nodiscard]] QList<QByteArray> writes() const;
    [[nodiscard]] QByteArray bytes() const;
    [[nodiscard]] qsizetype size() const { return FixedBytes + qsizetype(MessageBank::RowCount) * dataWidth; }
};

// Pure: the same bank, settings and direction codes always give the same bytes, whichever
// program's list named the directions.
[[nodiscard]] BadgeStream buildBadgeStream(const MessageBank &bank, const MessageSettingsList &settings,
                                           const QStringList &directions);

} // namespace lume
