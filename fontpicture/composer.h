#pragma once

#include <QImage>
#include <QString>

namespace lume {

class DrawingSurface;
class MessageBank;

// The one code path from a message's inputs to its bitmap, used by the window and by anything
// else that must produce the same message bytes (the command-line sender).

// The size of FntSize: the leading number of its text, in points (0 when it has none).
[[nodiscard]] double fontPointsFromText(const QString &sizeText);
// The top offset of TopAdj: its leading number rounded half to even, 0 when it has none. Offsets
// that put the text far off the 12 rows are held at +-MaxTopOffset, which draws the same nothing.
[[nodiscard]] int topOffsetFromText(const QString &topAdjustText);
constexpr int MaxTopOffset = 100000;

// Up Paste Text without the window: clears the drawn text of the surface, draws the text and
// captures the surface into the message. The usage meter and used total are the caller's.
void composeText(MessageBank &bank, int message, DrawingSurface &surface, const QString &text,
                 const QString &family, const QString &sizeText, bool bold, const QString &topAdjustText);

// Load Picture without the window: the decoded picture becomes the surface's background and the
// surface is captured into the message.
void composePicture(MessageBank &bank, int message, DrawingSurface &surface, const QImage &picture);

} // namespace lume
