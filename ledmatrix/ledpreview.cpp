#include "ledpreview.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace lume {

namespace {

constexpr int BytePixels = 8 * LedLook::Pitch;

QString columnBytes(int count)
{
    return count == 1 ? QCoreApplication::translate("lume::LedPreview", "1 column byte")
                      : QCoreApplication::translate("lume::LedPreview", "%1 column bytes").arg(count);
}

// The preview has four colours: as a palette image at zlib level 1 its PNG takes a tenth of the
// time of a true-colour one, and the text that the tooltip parses stays small.
QString imageTag(const QImage &image)
{
    const QList<QRgb> colours {LedLook::Board, LedLook::Lit, LedLook::Dark, CutMark::Colour};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither | Qt::AvoidDither)
        .save(&buffer, "PNG", 80);
    return QStringLiteral("<img src=\"data:image/png;base64,%1\">").arg(QString::fromLatin1(png.toBase64()));
}

void drawCutMark(QImage &image, int x)
{
    QPainter painter(&image); // not smoothed: the mark keeps to its one colour
    painter.setPen(QPen(QColor::fromRgb(CutMark::Colour), 2));
    constexpr int Step = 4;
    QPolygonF zigzag;
    for (int y = 0, k = 0; y <= image.height(); y += Step, ++k)
        zigzag << QPointF(x + ((k % 2) ? CutMark::Width - 2.0 : 2.0), y);
    painter.drawPolyline(zigzag);
}

} // namespace

LedMatrix messageMatrix(const MessageBank &bank, int message, int columns)
{
    LedMatrix matrix(std::clamp(columns, 0, MessageBank::RowBytes * 8));
    for (int r = 0; r < LedMatrix::Rows; ++r) {
        const auto row = bank.row(message, r);
        for (int c = 0; c < matrix.columns(); ++c) {
            if (row[size_t(c / 8)] & (0x80 >> (c % 8)))
                matrix.setLit(r, c, true);
        }
    }
    return matrix;
}

int previewBytesFitting(int maxImageWidth)
{
    return std::max(1, (maxImageWidth - LedLook::DotGap - CutMark::Width) / BytePixels);
}

LedPreview previewMessage(const MessageBank &bank, int message, int maxImageWidth)
{
    LedPreview preview;
    preview.width = std::max(0, int(bank.width(message)));
    const int whole = std::min(preview.width, int(MessageBank::RowBytes));
    const bool fitsWhole = whole == preview.width && LedLook::DotGap + whole * BytePixels <= maxImageWidth;
    preview.shownBytes = fitsWhole ? whole : std::min(whole, previewBytesFitting(maxImageWidth));
    const QImage leds = renderLeds(messageMatrix(bank, message, preview.shownBytes * 8));
    if (!preview.isCut()) {
        preview.image = leds;
        return preview;
    }
    preview.image = QImage(leds.width() + CutMark::Width, leds.height(), leds.format());
    preview.image.fill(LedLook::Board);
    QPainter(&preview.image).drawImage(0, 0, leds);
    drawCutMark(preview.image, leds.width());
    return preview;
}

QString previewToolTip(const LedPreview &preview, const QStringList &notes)
{
    QStringList lines;
    lines << QCoreApplication::translate("lume::LedPreview", "Width: %1").arg(columnBytes(preview.width));
    if (preview.width > MessageBank::RowBytes)
        lines << QCoreApplication::translate("lume::LedPreview",
                                             "A badge row holds %1; the rest is not shown.")
                     .arg(columnBytes(MessageBank::RowBytes));
    if (!preview.image.isNull() && preview.shownBytes < std::min(preview.width, int(MessageBank::RowBytes)))
        lines << (preview.shownBytes == 1
                      ? QCoreApplication::translate("lume::LedPreview",
                                                    "Only the first %1 fits on the screen; the rest is cut.")
                      : QCoreApplication::translate("lume::LedPreview",
                                                    "Only the first %1 fit on the screen; the rest is cut."))
                     .arg(columnBytes(preview.shownBytes));
    for (const QString &note : notes)
        lines << note;
    QString html = QStringLiteral("<qt>");
    if (!preview.image.isNull() && preview.width > 0)
        html += imageTag(preview.image) + QStringLiteral("<br>");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            html += QStringLiteral("<br>");
        html += lines[i].toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    }
    return html + QStringLiteral("</qt>");
}

} // namespace lume
