#pragma once

#include <QString>
#include <QStringList>

namespace lume {

struct DecodedMessage;
struct ReceiverEvent;

// The lines badgesim prints, in a format that scripts may read:
//   stream <k>: <bytes> bytes, <seconds> s at 1200 baud
//   message <n>: speed <s>, flash on|off, direction <d> (<name>), start 0x<hhhh>, width <w>
//   error: malformed stream: <reason> (<bytes> bytes, <seconds> s at 1200 baud)
//   error: malformed stream: <reason>         (a header so broken that the length is unknown)
//   error: incomplete stream: <received> of <expected> bytes
//   skipped: <bytes> bytes before|without "Hello"
// A decoded stream gives its stream line and then one line for each of its eight messages.

// "to left", "to right", "to up", "to down", "freeze"; codes 5..7 are played as 0.
[[nodiscard]] QString directionName(int direction);
// "6.04 s at 1200 baud"
[[nodiscard]] QString lineTimeText(qsizetype bytes);
// "message 1: speed 4, flash off, direction 0 (to left), start 0x0800, width 3"; index 0..7.
[[nodiscard]] QString messageLine(int index, const DecodedMessage &message);
[[nodiscard]] QStringList reportLines(const ReceiverEvent &event);
// "stream1-message1.png": the picture of message index (0..7) of the k-th stream that decoded.
[[nodiscard]] QString pngFileName(int streamNumber, int index);

} // namespace lume
