#include "messageloss.h"

#include "composer.h"
#include "drawingsurface.h"
#include "language.h"
#include "messagepreview.h"
#include "pictureio.h"
#include "unencodable.h"

#include <QFontMetrics>
#include <QImageReader>

#include <algorithm>
#include <memory>

namespace lume {

namespace {

constexpr int SurfaceWidth = DrawingSurface::Width;
constexpr int SurfaceHeight = DrawingSurface::Height;

int floorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// Captures the surface into a bank of its own and adds the lit rows, numbered from rowBase.
// Returns the captured width.
int captureLit(const DrawingSurface &surface, MessageBank &scratch, int rowBase, std::set<int> *lostRows)
{
    captureImage(surface.image(), scratch, 0);
    if (lostRows != nullptr && scratch.width(0) > 0) {
        for (int r = 0; r < MessageBank::RowCount; ++r) {
            const auto row = scratch.row(0, r);
            if (std::any_of(row.begin(), row.end(), [](quint8 byte) { return byte != 0; }))
                lostRows->insert(rowBase + r);
        }
    }
    return scratch.width(0);
}

QString rowCount(int rows, const char *where)
{
    return QStringLiteral("%1 %2 %3").arg(rows).arg(rows == 1 ? "row" : "rows", QLatin1String(where));
}

} // namespace

void MessageLoss::add(const MessageLoss &other)
{
    if (unencodable.isEmpty())
        unencodable = other.unencodable;
    width = std::max(width, other.width);
    fullWidth = std::max(fullWidth, other.fullWidth);
    lostRows.insert(other.lostRows.begin(), other.lostRows.end());
    if (uncheckedPicture.isEmpty())
        uncheckedPicture = other.uncheckedPicture;
}

QString unencodableText(const QString &text, const QString &languageText)
{
    const QList<TextRange> ranges = unencodableCharacters(text, languageFor(languageText).codePage);
    if (ranges.isEmpty())
        return {};
    const QString count = ranges.size() == 1 ? QStringLiteral("1 character cannot")
                                             : QStringLiteral("%1 characters cannot").arg(ranges.size());
    return QStringLiteral("%1 be shown in %2 and %3 sent as \"?\": %4")
        .arg(count, languageName(languageText), ranges.size() == 1 ? "is" : "are",
             unencodableNames(text, ranges).join(QStringLiteral(", ")));
}

MessageLoss screenTextLoss(const QString &text, const QString &family, const QString &sizeText, bool bold,
                           const QString &topAdjustText)
{
    MessageLoss loss;
    const double points = fontPointsFromText(sizeText);
    const int pixelSize = DrawingSurface::pixelSizeForPoints(points);
    if (pixelSize == 0 || text.isEmpty())
        return loss;
    const int top = topOffsetFromText(topAdjustText);
    // The metrics only tell which surfaces to look at; the drawing and the capture tell what is lit.
    const QFontMetrics metrics(DrawingSurface::textFont(family, pixelSize, bold));
    const QRect ink = metrics.boundingRect(text).translated(0, top + metrics.ascent());
    auto scratch = std::make_unique<MessageBank>(); // 48 KiB: not on the stack

    // Rows above and below, within the surface's columns; one surface more on each side for strokes
    // that reach beyond what the metrics say.
    const int firstBand = floorDiv(std::min(top, ink.top()), SurfaceHeight) - 1;
    const int lastBand = floorDiv(std::max(top + metrics.height() - 1, ink.bottom()), SurfaceHeight) + 1;
    for (int band = firstBand; band <= lastBand; ++band) {
        if (band == 0)
            continue;
        DrawingSurface surface;
        surface.drawText(text, family, points, bold, top - SurfaceHeight * band);
        captureLit(surface, *scratch, SurfaceHeight * band, &loss.lostRows);
    }

    // Columns beyond the right edge, within the 12 rows: the rightmost surface that holds a lit pixel.
    const int right = std::max(ink.right(), metrics.horizontalAdvance(text));
    for (int band = right / SurfaceWidth + 1; band >= 1; --band) {
        DrawingSurface surface;
        surface.drawText(text, family, points, bold, top, -SurfaceWidth * band);
        const int width = captureLit(surface, *scratch, 0, nullptr);
        if (width > 0) {
            loss.fullWidth = MessageBank::RowBytes * band + width;
            break;
        }
    }
    return loss;
}

MessageLoss pictureLoss(const QString &path)
{
    MessageLoss loss;
    // Read as loadPicture() reads it: by content, as stored, an icon's 32 x 32 image.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (reader.format() == "ico") {
        bool found = false;
        for (int i = 0; i < reader.imageCount() && !found; ++i)
            found = reader.jumpToImage(i) && reader.size() == QSize(32, 32);
        if (!found)
            reader.jumpToImage(0);
    }
    const QSize size = reader.size();
    if (!size.isValid() || (size.width() <= SurfaceWidth && size.height() <= SurfaceHeight))
        return loss;
    QImage picture;
    if (qint64(size.width()) * size.height() * 4 <= PictureMemoryBudget)
        picture = reader.read();
    if (picture.isNull()) {
        loss.uncheckedPicture =
            QStringLiteral("the picture is %1 x %2 pixels, more than the %3 x %4 the badge shows; the rest "
                           "is not shown (too large to look at which of it is lit)")
                .arg(size.width())
                .arg(size.height())
                .arg(SurfaceWidth)
                .arg(SurfaceHeight);
        return loss;
    }
    auto scratch = std::make_unique<MessageBank>();
    DrawingSurface surface;
    for (int y = SurfaceHeight; y < picture.height(); y += SurfaceHeight) {
        surface.setBackgroundPicture(picture.copy(0, y, SurfaceWidth, SurfaceHeight));
        captureLit(surface, *scratch, y, &loss.lostRows);
    }
    for (int band = (picture.width() - 1) / SurfaceWidth; band >= 1; --band) {
        surface.setBackgroundPicture(picture.copy(SurfaceWidth * band, 0, SurfaceWidth, SurfaceHeight));
        const int width = captureLit(surface, *scratch, 0, nullptr);
        if (width > 0) {
            loss.fullWidth = MessageBank::RowBytes * band + width;
            break;
        }
    }
    return loss;
}

QStringList lossWarnings(const MessageLosses &losses,
                         const std::array<qint16, MessageBank::MessageCount> &clippedWidths)
{
    QStringList lines;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const MessageLoss &loss = losses[m];
        const QString message = QStringLiteral("message %1: ").arg(m + 1);
        if (!loss.unencodable.isEmpty())
            lines << message + loss.unencodable;
        const int clipped = clippedWidths[m];
        // Dropped for the messages before it; a message whose drawing lies wholly beyond the row
        // is cut instead.
        if (loss.width > 0 && clipped == 0) {
            lines << message +
                    QStringLiteral("dropped: the messages before it fill the badge's %1 column bytes, so "
                                   "none of its %2 is sent (width 0)")
                        .arg(MessageBank::RowBytes)
                        .arg(loss.fullWidth);
        } else if (clipped < loss.fullWidth) {
            lines << message +
                    QStringLiteral("cut on the right: %1 of its %2 column bytes do not fit in the badge's %3 "
                                   "and are not sent")
                        .arg(loss.fullWidth - clipped)
                        .arg(loss.fullWidth)
                        .arg(MessageBank::RowBytes);
        }
        if (!loss.uncheckedPicture.isEmpty()) {
            lines << message + loss.uncheckedPicture;
        } else if (!loss.lostRows.empty()) {
            const auto above = int(
                std::count_if(loss.lostRows.begin(), loss.lostRows.end(), [](int row) { return row < 0; }));
            const int below = int(loss.lostRows.size()) - above;
            QStringList where;
            if (above > 0)
                where << rowCount(above, "above");
            if (below > 0)
                where << rowCount(below, "below");
            lines << message +
                    QStringLiteral("taller than the badge's %1 rows: the lit pixels of %2 them are not shown")
                        .arg(MessageBank::RowCount)
                        .arg(where.join(QStringLiteral(" and ")));
        }
    }
    return lines;
}

} // namespace lume
