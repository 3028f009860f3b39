#pragma once

#include "messagebank.h"

#include <QString>
#include <QStringList>

#include <array>
#include <set>

namespace lume {

// What of one composed message the badge will not show, found by the code that composes it.
struct MessageLoss
{
    QString unencodable; // "2 characters cannot be shown in Japanese and are sent as "?": 안, 녕"
    int width = 0; // its width in the bank, before the stream's clipping
    int fullWidth = 0; // the column bytes of its drawing on a badge without a right edge
    std::set<int> lostRows; // rows of the drawing outside the 12 (negative above) that hold lit pixels
    QString uncheckedPicture; // a picture too large to look at beyond the part that is shown

    void add(const MessageLoss &other);
};
using MessageLosses = std::array<MessageLoss, MessageBank::MessageCount>;

// The characters of a dot-font text that the language's code page cannot hold.
[[nodiscard]] QString unencodableText(const QString &text, const QString &languageText);

// A screen text as "Up Paste Text" draws it: drawn again with the surface moved by whole surfaces
// and captured, so that lit means what a capture makes of it.
[[nodiscard]] MessageLoss screenTextLoss(const QString &text, const QString &family, const QString &sizeText,
                                         bool bold, const QString &topAdjustText);

// A picture as "Load Picture" loads it: its parts beyond the surface, captured a surface at a time.
[[nodiscard]] MessageLoss pictureLoss(const QString &path);

// One line per message and kind, in message order: unencodable characters, a cut on the right or
// a message dropped by the stream's clipping of these widths, lit rows outside the 12.
[[nodiscard]] QStringList lossWarnings(const MessageLosses &losses,
                                       const std::array<qint16, MessageBank::MessageCount> &clippedWidths);

} // namespace lume
