#pragma once

#include "ledmatrix.h"
#include "messagebank.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace lume {

// A message as the badge will show it, drawn from the bank's rows for a tooltip.
struct LedPreview
{
    QImage image; // the LEDs of the first shownBytes column bytes, then the cut mark when cut
    int width = 0; // the message width in column bytes, as the bank holds it
    int shownBytes = 0;

    // Fewer column bytes shown than the message sends (the badge's row ends at 512).
    [[nodiscard]] bool isCut() const { return shownBytes < width; }
};

// The cut mark: a light zigzag right of the last LED.
struct CutMark
{
    static constexpr int Width = 8;
    static constexpr QRgb Colour = 0xffffd040;
};

// The first columns of message m, bit 7 of a column byte the leftmost.
[[nodiscard]] LedMatrix messageMatrix(const MessageBank &bank, int message, int columns);

// How many whole column bytes of LEDs (and the cut mark) fit in that many pixels; at least one.
[[nodiscard]] int previewBytesFitting(int maxImageWidth);

// Message m's LEDs up to its width, at most the row's 512 column bytes and as many as fit
// maxImageWidth pixels; a message cut short ends in the cut mark.
[[nodiscard]] LedPreview previewMessage(const MessageBank &bank, int message, int maxImageWidth);

// Rich text for a tooltip: the image, "Width: N column bytes", what is cut, then each note (plain
// text) as a line of its own.
[[nodiscard]] QString previewToolTip(const LedPreview &preview, const QStringList &notes = {});

} // namespace lume
