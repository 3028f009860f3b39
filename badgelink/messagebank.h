#pragma once

#include <QDebug>
#include <QtGlobal>

#include <array>
#include <span>

namespace lume {

// The in-memory image of what the badge shows: eight 12-row bitmaps of 512 column bytes
// (bit 7 of a column byte is its leftmost pixel) and the number of column bytes sent of each.
class MessageBank
{
public:
    static constexpr int MessageCount = 8;
    static constexpr int RowCount = 12;
    static constexpr int RowBytes = 512;
    static constexpr int MessageBytes = RowCount * RowBytes;
    static constexpr int TotalBytes = MessageCount * MessageBytes;
    static constexpr int UsedTotalCap = 511;

    [[nodiscard]] static constexpr int index(int message, int row, int column)
    {
        return message * MessageBytes + row * RowBytes + column;
    }

    void clear(int message);
    void clearAll();

    [[nodiscard]] quint8 byte(int message, int row, int column) const
    {
        return m_data[index(message, row, column)];
    }
    void setByte(int message, int row, int column, quint8 value)
    {
        m_data[index(message, row, column)] = value;
    }
    void orByte(int message, int row, int column, quint8 bits)
    {
        m_data[index(message, row, column)] |= bits;
    }

    // Row r of message m, all 512 column bytes.
    [[nodiscard]] std::span<const quint8, RowBytes> row(int message, int row) const;
    [[nodiscard]] std::span<quint8, RowBytes> row(int message, int row);
    [[nodiscard]] std::span<const quint8, TotalBytes> data() const { return m_data; }

    [[nodiscard]] qint16 width(int message) const { return m_widths[message]; }
    void setWidth(int message, qint16 width) { m_widths[message] = width; }
    [[nodiscard]] const std::array<qint16, MessageCount> &widths() const { return m_widths; }
    void setWidths(const std::array<qint16, MessageCount> &widths) { m_widths = widths; }

    // 1 + the rightmost non-zero column byte of any row of the message, 0 when it is dark.
    [[nodiscard]] qint16 contentWidth(int message) const;
    // Sets the message's width from its content, as a capture does.
    void updateWidthFromContent(int message) { m_widths[message] = contentWidth(message); }

    // The sum of the widths in message order, held at 511 after each addition.
    [[nodiscard]] qint16 cappedWidthSum() const;
    [[nodiscard]] qint16 usedTotal() const { return m_usedTotal; }
    void setUsedTotal(qint16 total) { m_usedTotal = total; }

    friend bool operator==(const MessageBank &, const MessageBank &) = default;

private:
    std::array<quint8, TotalBytes> m_data {};
    std::array<qint16, MessageCount> m_widths {};
    qint16 m_usedTotal = 0;
};

QDebug operator<<(QDebug debug, const MessageBank &bank);

} // namespace lume
