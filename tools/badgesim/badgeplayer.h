#pragma once

#include "ledmatrix.h"

#include <QtGlobal>

#include <vector>

namespace lume {

struct DecodedMessage;
struct DecodedStream;

// What the badge shows at each moment: the messages with content, one after the other in message
// order and then from the start again, each moved by its direction at its speed and blinking when
// it flashes. A pure function of the stream and the time, so it is tested without a window.
//
// Timing: one step every 20 x (9 - speed) ms, speed 1 = 160 ms ... speed 8 = 20 ms; speeds above
// 8 (a mode byte no program makes) play as 8. A step moves the picture by one LED.
// - direction 0, right to left: the message enters at the right edge and scrolls until its last
//   column has left at the left edge (message columns + display columns steps);
//   direction 1, left to right: the same, mirrored;
// - direction 2, down to up, and 3, up to down: the message is cut into pages as wide as the
//   display; each page enters at the bottom (top) edge and leaves at the top (bottom), 24 steps;
// - direction 4, freeze: each page stands still for 24 steps;
// - directions 5 to 7 (no program makes them) play as direction 0.
// Flash: the picture is shown for 500 ms and dark for 500 ms, from the start of the message on,
// while it keeps moving underneath.
class BadgePlayer
{
public:
    static constexpr int FlashOnMs = 500;
    static constexpr int FlashOffMs = 500;
    static constexpr int PageSteps = 2 * LedMatrix::Rows;
    static constexpr int DefaultColumns = 48;

    explicit BadgePlayer(int columns = DefaultColumns);

    // Replaces what is played; time 0 is the start of the first message with content.
    void setStream(const DecodedStream &stream);
    void clear();

    [[nodiscard]] int columns() const { return m_columns; }
    [[nodiscard]] bool isEmpty() const { return m_items.empty(); }
    // One round through all messages with content; 0 when there is none.
    [[nodiscard]] qint64 cycleMs() const { return m_cycleMs; }
    // The display at this time since the stream's start (repeating after cycleMs()).
    [[nodiscard]] LedMatrix frame(qint64 ms) const;
    // The message (0..7) on the display at this time, -1 when nothing is played.
    [[nodiscard]] int messageAt(qint64 ms) const;

    [[nodiscard]] static int playedSpeed(int speed);
    [[nodiscard]] static int playedDirection(int direction);
    [[nodiscard]] static int stepMs(int speed);
    [[nodiscard]] static qint64 steps(const DecodedMessage &message, int columns);
    [[nodiscard]] static qint64 durationMs(const DecodedMessage &message, int columns);

private:
    struct Item
    {
        int index = 0;
        LedMatrix picture;
        int stepMs = 0;
        int direction = 0;
        bool flash = false;
        qint64 startMs = 0;
        qint64 durationMs = 0;
    };
    [[nodiscard]] const Item *itemAt(qint64 ms, qint64 *localMs) const;
    [[nodiscard]] LedMatrix place(const Item &item, qint64 step) const;

    int m_columns;
    std::vector<Item> m_items;
    qint64 m_cycleMs = 0;
};

} // namespace lume
