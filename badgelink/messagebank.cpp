#include "messagebank.h"

#include <algorithm>

namespace lume {

void MessageBank::clear(int message)
{
    std::fill_n(m_data.begin() + index(message, 0, 0), MessageBytes, quint8(0));
}

void MessageBank::clearAll()
{
    m_data.fill(0);
    m_widths.fill(0);
    m_usedTotal = 0;
}

std::span<const quint8, MessageBank::RowBytes> MessageBank::row(int message, int row) const
{
    return std::span<const quint8, RowBytes>(m_data.data() + index(message, row, 0), RowBytes);
}

std::span<quint8, MessageBank::RowBytes> MessageBank::row(int message, int row)
{
    return std::span<quint8, RowBytes>(m_data.data() + index(message, row, 0), RowBytes);
}

qint16 MessageBank::contentWidth(int message) const
{
    int width = 0;
    for (int r = 0; r < RowCount; ++r) {
        const auto bytes = row(message, r);
        for (int k = RowBytes - 1; k >= width; --k) {
            if (bytes[k] != 0) {
                width = k + 1;
                break;
            }
        }
    }
    return qint16(width);
}

qint16 MessageBank::cappedWidthSum() const
{
    int sum = 0;
    for (const qint16 w : m_widths)
        sum = std::min(sum + int(w), int(UsedTotalCap));
    return qint16(sum);
}

QDebug operator<<(QDebug debug, const MessageBank &bank)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "MessageBank(widths=";
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        debug << (m ? "," : "") << bank.width(m);
    debug << " usedTotal=" << bank.usedTotal() << ')';
    return debug;
}

} // namespace lume
