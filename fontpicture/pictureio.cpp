#include "pictureio.h"

#include "drawingsurface.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QtEndian>

namespace lume {

namespace {
const QRect SurfaceRect(0, 0, DrawingSurface::Width, DrawingSurface::Height);

// An icon file holds one image per size; take the one a Windows picture box shows.
void chooseIconImage(QImageReader &reader)
{
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (reader.jumpToImage(i) && reader.size() == QSize(32, 32))
            return;
    }
    reader.jumpToImage(0);
}

// Qt's BMP reader accepts a file that ends inside its pixel rows and leaves the rows it could not
// read as they were in memory, which is noise; such a file is refused instead. Only uncompressed
// rows have a size known from the header.
bool bmpIsCutShort(QFile &file)
{
    const QByteArray header = file.peek(54);
    if (header.size() < 26 || !header.startsWith("BM"))
        return false;
    const auto *h = reinterpret_cast<const uchar *>(header.constData());
    const quint32 dataOffset = qFromLittleEndian<quint32>(h + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(h + 14);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = qFromLittleEndian<quint16>(h + 18);
        height = qFromLittleEndian<quint16>(h + 20);
        bitCount = qFromLittleEndian<quint16>(h + 24);
    } else if (infoSize >= 40 && header.size() >= 34) {
        width = qFromLittleEndian<qint32>(h + 18);
        height = qAbs(qint64(qFromLittleEndian<qint32>(h + 22)));
        bitCount = qFromLittleEndian<quint16>(h + 28);
        compression = qFromLittleEndian<quint32>(h + 30);
    } else {
        return false;
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || width <= 0 || bitCount <= 0 || bitCount > 32)
        return false;
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    return file.size() < qint64(dataOffset) + rowBytes * height;
}
} // namespace

PictureLoad loadPicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QStringLiteral("%1: the file does not exist.").arg(path)};
    if (info.isDir())
        return {{}, QStringLiteral("%1: this is a folder, not a picture file.").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("%1: %2").arg(path, file.errorString())};

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true); // a picture named wrongly still loads, as on Windows
    reader.setAutoTransform(false); // one file pixel per surface pixel, as the file stores them
    if (!reader.canRead())
        return {
            {},
            QStringLiteral("%1: not a picture file that can be read (%2).").arg(path, reader.errorString())};
    if (reader.format() == "bmp" && bmpIsCutShort(file))
        return {{},
                QStringLiteral(
                    "%1: the file ends before its picture does; it is damaged or was not copied whole.")
                    .arg(path)};
    if (reader.format() == "ico")
        chooseIconImage(reader);

    const QSize size = reader.size();
    if (size.isValid()) {
        const bool decodesPart = reader.supportsOption(QImageIOHandler::ClipRect);
        if (!decodesPart && qint64(size.width()) * size.height() > MaxWholeDecodePixels) {
            return {
                {},
                QStringLiteral("%1: the picture is %2 x %3 pixels, too large to decode. Only its top %4 rows "
                               "reach the badge: crop it to at most %5 pixels wide and %4 high first.")
                    .arg(path)
                    .arg(size.width())
                    .arg(size.height())
                    .arg(DrawingSurface::Height)
                    .arg(DrawingSurface::Width)};
        }
        const QRect clip = SurfaceRect & QRect(QPoint(0, 0), size);
        if (!clip.isEmpty())
            reader.setClipRect(clip);
    }
    QImage image = reader.read();
    if (image.isNull())
        return {{},
                QStringLiteral("%1: the picture cannot be decoded (%2).").arg(path, reader.errorString())};
    if (!SurfaceRect.contains(image.rect()))
        image = image.copy(SurfaceRect & image.rect());
    return {image, {}};
}

QString savePicture(const QImage &image, const QString &path)
{
    if (image.isNull())
        return QStringLiteral("There is no picture to save.");
    // 24 bits per pixel keep every colour component whole, so the saved file loads back into the
    // same message bytes.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    QImageWriter writer(&file, "bmp");
    if (!writer.write(rgb)) {
        file.cancelWriting();
        return QStringLiteral("%1: %2").arg(path, writer.errorString());
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

} // namespace lume
