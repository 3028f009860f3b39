#pragma once

#include <QImage>
#include <QRgb>

#include <array>

namespace lume {

class MessageBank;

// The strip under the editor that shows how much of the badge's 512 column bytes per row the
// eight messages take, one colour per message, laid end to end from the left.
namespace usagemeter {
constexpr int Width = 512;
constexpr int Height = 12;
constexpr std::array<QRgb, 8> Colours = {
    qRgb(255, 0, 0),   qRgb(255, 128, 0), qRgb(255, 255, 0), qRgb(0, 255, 0),
    qRgb(0, 255, 255), qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(128, 0, 0),
};
} // namespace usagemeter

// DrawUsageMeter: paints the bars of the messages of width > 0 into meter (made 512 x 12,
// Format_RGB32, when it is not), the position held at 511 after each bar, and black from there to
// the end. Returns that position, the used total, which the caller stores in the bank.
qint16 drawUsageMeter(const MessageBank &bank, QImage &meter);

} // namespace lume
