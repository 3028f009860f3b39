#include "badgeplayer.h"

#include "streamdecoder.h"

#include <algorithm>

namespace lume {

namespace {
constexpr int StepUnitMs = 20;
constexpr int FastestSpeed = 8;

qint64 pages(int pictureColumns, int displayColumns)
{
    return std::max<qint64>(1, (pictureColumns + displayColumns - 1) / displayColumns);
}
} // namespace

BadgePlayer::BadgePlayer(int columns)
    : m_columns(std::max(columns, 1))
{ }

int BadgePlayer::playedSpeed(int speed)
{
    return std::clamp(speed, 1, FastestSpeed);
}

int BadgePlayer::playedDirection(int direction)
{
    return direction >= 0 && direction <= 4 ? direction : 0;
}

int BadgePlayer::stepMs(int speed)
{
    return StepUnitMs * (FastestSpeed + 1 - playedSpeed(speed));
}

qint64 BadgePlayer::steps(const DecodedMessage &message, int columns)
{
    const int pictureColumns = message.width * 8;
    switch (playedDirection(message.direction)) {
    case 0:
    case 1:
        return pictureColumns + columns;
    default:
        return pages(pictureColumns, columns) * PageSteps;
    }
}

qint64 BadgePlayer::durationMs(const DecodedMessage &message, int columns)
{
    return steps(message, columns) * stepMs(message.speed);
}

void BadgePlayer::setStream(const DecodedStream &stream)
{
    clear();
    for (int m = 0; m < int(stream.messages.size()); ++m) {
        const DecodedMessage &message = stream.messages[m];
        if (message.width == 0)
            continue;
        Item item;
        item.index = m;
        item.picture = messageMatrix(message);
        item.stepMs = stepMs(message.speed);
        item.direction = playedDirection(message.direction);
        item.flash = message.flash;
        item.startMs = m_cycleMs;
        item.durationMs = durationMs(message, m_columns);
        m_cycleMs += item.durationMs;
        m_items.push_back(std::move(item));
    }
}

void BadgePlayer::clear()
{
    m_items.clear();
    m_cycleMs = 0;
}

const BadgePlayer::Item *BadgePlayer::itemAt(qint64 ms, qint64 *localMs) const
{
    if (m_items.empty() || m_cycleMs <= 0)
        return nullptr;
    const qint64 t = std::max<qint64>(ms, 0) % m_cycleMs;
    const auto it = std::upper_bound(m_items.begin(), m_items.end(), t,
                                     [](qint64 time, const Item &item) { return time < item.startMs; });
    const Item &item = *(it - 1);
    *localMs = t - item.startMs;
    return &item;
}

int BadgePlayer::messageAt(qint64 ms) const
{
    qint64 local = 0;
    const Item *item = itemAt(ms, &local);
    return item ? item->index : -1;
}

LedMatrix BadgePlayer::frame(qint64 ms) const
{
    qint64 local = 0;
    const Item *item = itemAt(ms, &local);
    if (!item)
        return LedMatrix(m_columns);
    if (item->flash && local % (FlashOnMs + FlashOffMs) >= FlashOnMs)
        return LedMatrix(m_columns);
    return place(*item, local / item->stepMs);
}

LedMatrix BadgePlayer::place(const Item &item, qint64 step) const
{
    const int c = m_columns;
    const int w = item.picture.columns();
    const int lastRow = LedMatrix::Rows - 1;
    LedMatrix display(c);
    const qint64 page = step / PageSteps;
    const int j = int(step % PageSteps);
    const qint64 pageStart = page * c;
    for (int y = 0; y < LedMatrix::Rows; ++y) {
        for (int x = 0; x < c; ++x) {
            qint64 column = 0;
            int row = y;
            switch (item.direction) {
            case 0:
                column = x - (c - 1) + step;
                break;
            case 1:
                column = x + (w - 1) - step;
                break;
            case 2:
                column = pageStart + x;
                row = y - lastRow + j;
                break;
            case 3:
                column = pageStart + x;
                row = y + lastRow - j;
                break;
            default:
                column = pageStart + x;
                break;
            }
            if (column >= 0 && column < w)
                display.setLit(y, x, item.picture.isLit(row, int(column)));
        }
    }
    return display;
}

} // namespace lume
