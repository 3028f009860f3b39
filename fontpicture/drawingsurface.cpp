#include "drawingsurface.h"

#include "leadingnumber.h"
#include "messagebank.h"

#include <QPainter>

#include <algorithm>

namespace lume {

namespace {
constexpr QRgb Black = 0xff000000;
constexpr QRgb Red = 0xffff0000;
} // namespace

DrawingSurface::DrawingSurface()
    : m_base(Width, Height, QImage::Format_RGB32)
{
    m_base.fill(Black);
    m_image = m_base;
}

void DrawingSurface::clearText()
{
    m_image = m_base;
}

void DrawingSurface::setBackgroundPicture(const QImage &picture)
{
    m_base.fill(Black);
    m_hasPicture = !picture.isNull();
    if (m_hasPicture) {
        QPainter painter(&m_base);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        // One picture pixel per surface pixel, whatever resolution the file claims.
        painter.drawImage(QPoint(0, 0), picture, QRect(0, 0, Width, Height) & picture.rect());
    }
    m_image = m_base;
}

int DrawingSurface::pixelSizeForPoints(double points)
{
    if (!(points > 0))
        return 0; // also NaN
    const double pixels = points * 96.0 / 72.0;
    if (pixels >= MaxPixelSize)
        return MaxPixelSize;
    return std::max(0, roundHalfEven(pixels).value_or(0));
}

QFont DrawingSurface::textFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void DrawingSurface::drawText(const QString &text, const QString &family, double points, bool bold,
                              int topOffset, int left)
{
    const int pixelSize = pixelSizeForPoints(points);
    if (pixelSize == 0 || text.isEmpty())
        return;
    // Always one line: a line break is passed on like any other character and leaves no mark.
    QString line = text;
    for (QChar &c : line) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(textFont(family, pixelSize, bold));
    painter.setPen(QColor::fromRgb(Red));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int baseline = topOffset + painter.fontMetrics().ascent();
    painter.drawText(QPoint(left, baseline), line);
}

void captureImage(const QImage &surface, MessageBank &bank, int message)
{
    const bool direct = surface.format() == QImage::Format_RGB32 || surface.format() == QImage::Format_ARGB32;
    const QImage image = direct ? surface : surface.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(image.width(), int(DrawingSurface::Width));
    const int height = std::min(image.height(), int(DrawingSurface::Height));
    const int fullBytes = width / 8;
    for (int r = 0; r < MessageBank::RowCount; ++r) {
        auto row = bank.row(message, r);
        if (r >= height) {
            std::fill(row.begin(), row.end(), quint8(0));
            continue;
        }
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(r));
        int c = 0;
        for (; c < fullBytes; ++c) {
            const QRgb *p = pixels + 8 * c;
            // The red component sits in bits 16..23 of a QRgb; each position keeps its own bit.
            row[c] =
                quint8((qRed(p[0]) & 0x80) | (qRed(p[1]) & 0x40) | (qRed(p[2]) & 0x20) | (qRed(p[3]) & 0x10) |
                       (qRed(p[4]) & 0x08) | (qRed(p[5]) & 0x04) | (qRed(p[6]) & 0x02) | (qRed(p[7]) & 0x01));
        }
        for (; c < MessageBank::RowBytes; ++c) {
            quint8 byte = 0;
            for (int k = 0; k < 8 && 8 * c + k < width; ++k)
                byte |= quint8(qRed(pixels[8 * c + k]) & (0x80 >> k));
            row[c] = byte;
        }
    }
    bank.updateWidthFromContent(message);
}

} // namespace lume
