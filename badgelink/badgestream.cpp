#include "badgestream.h"

#include "leadingnumber.h"

#include <algorithm>

namespace lume {

QStringList speedEntries()
{
    QStringList entries;
    for (int speed = 1; speed <= 8; ++speed)
        entries << QString::number(speed);
    return entries;
}

int directionCode(const QString &text, const QStringList &directions)
{
    return std::max(0, int(directions.indexOf(text)));
}

quint8 modeByte(const MessageSettings &settings, const QStringList &directions)
{
    const int direction = directionCode(settings.direction, directions);
    const double speed = leadingNumberWithFraction(settings.speed);
    const auto speedAndFlash = roundHalfEven((speed - 1) * 16 + (settings.flash ? 8 : 0));
    if (!speedAndFlash || *speedAndFlash < 0 || *speedAndFlash > 255)
        return quint8(direction);
    // A byte cannot hold more: an overflowing sum keeps the speed and flash part alone.
    const int mode = *speedAndFlash + direction;
    return quint8(mode <= 255 ? mode : *speedAndFlash);
}

QList<QByteArray> BadgeStream::writes() const
{
    QList<QByteArray> list;
    list.reserve(2 + MessageBank::RowCount + TrailerWrites);
    list << preamble << header;
    for (const QByteArray &block : rows)
        list << block;
    for (const QByteArray &block : trailer)
        list << block;
    return list;
}

QByteArray BadgeStream::bytes() const
{
    QByteArray all;
    all.reserve(size());
    for (const QByteArray &write : writes())
        all += write;
    return all;
}

BadgeStream buildBadgeStream(const MessageBank &bank, const MessageSettingsList &settings,
                             const QStringList &directions)
{
    BadgeStream stream;
    stream.preamble = QByteArrayLiteral("Hello");
    stream.header = QByteArray(BadgeStream::HeaderBytes, '\0');
    auto putWord = [&](int offset, int value) {
        stream.header[offset] = char((value >> 8) & 0xFF);
        stream.header[offset + 1] = char(value & 0xFF);
    };
    int address = BadgeStream::BaseAddress;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        stream.header[1 + m] = char(modeByte(settings[m], directions));
        // A negative stored width is no content at all.
        const int width = std::max(0, int(bank.width(m)));
        const int clipped = std::min(width, BadgeStream::EndAddress - address);
        stream.startAddresses[m] = quint16(address);
        stream.clippedWidths[m] = qint16(clipped);
        putWord(10 + 4 * m, address);
        putWord(12 + 4 * m, clipped);
        address += clipped;
    }
    stream.dataWidth = address - BadgeStream::BaseAddress;
    for (int r = 0; r < MessageBank::RowCount; ++r) {
        QByteArray &block = stream.rows[r];
        block.reserve(stream.dataWidth);
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            const auto row = bank.row(m, r);
            block.append(reinterpret_cast<const char *>(row.data()), stream.clippedWidths[m]);
        }
    }
    stream.trailer.fill(QByteArray(BadgeStream::TrailerBlockBytes, '\0'));
    return stream;
}

} // namespace lume
