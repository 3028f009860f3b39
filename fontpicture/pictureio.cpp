#include "pictureio.h"

#include "drawingsurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <optional>

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

// The layout of an uncompressed BMP file's pixel rows, from its headers.
struct BmpLayout
{
    quint32 dataOffset = 0;
    quint32 infoSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: the rows are stored top row first
    int bitCount = 0;
    [[nodiscard]] qint64 rowBytes() const { return (width * bitCount + 31) / 32 * 4; }
    [[nodiscard]] qint64 rows() const { return qAbs(height); }
};

// Only uncompressed rows have a size known from the header; other files get nullopt.
std::optional<BmpLayout> uncompressedBmpLayout(QFile &file)
{
    const QByteArray header = file.peek(54);
    if (header.size() < 26 || !header.startsWith("BM"))
        return std::nullopt;
    const auto *h = reinterpret_cast<const uchar *>(header.constData());
    BmpLayout bmp;
    bmp.dataOffset = qFromLittleEndian<quint32>(h + 10);
    bmp.infoSize = qFromLittleEndian<quint32>(h + 14);
    quint32 compression = 0;
    if (bmp.infoSize == 12) {
        bmp.width = qFromLittleEndian<quint16>(h + 18);
        bmp.height = qFromLittleEndian<quint16>(h + 20);
        bmp.bitCount = qFromLittleEndian<quint16>(h + 24);
    } else if (bmp.infoSize >= 40 && header.size() >= 34) {
        bmp.width = qFromLittleEndian<qint32>(h + 18);
        bmp.height = qFromLittleEndian<qint32>(h + 22);
        bmp.bitCount = qFromLittleEndian<quint16>(h + 28);
        compression = qFromLittleEndian<quint32>(h + 30);
    } else {
        return std::nullopt;
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || bmp.width <= 0 || bmp.height == 0 || bmp.bitCount <= 0 || bmp.bitCount > 32)
        return std::nullopt;
    return bmp;
}

// Qt's BMP reader accepts a file that ends inside its pixel rows and leaves the rows it could not
// read as they were in memory, which is noise; such a file is refused instead.
bool bmpIsCutShort(QFile &file, const BmpLayout &bmp)
{
    const qint64 available = file.size() - qint64(bmp.dataOffset);
    return available < 0 || bmp.rows() > available / bmp.rowBytes(); // no product that could overflow
}

// Qt's BMP reader decodes every row of a file. The rows and columns that can reach the surface
// are copied into a small BMP of their own first, so that a huge file costs no more than a small
// one. Empty when the file is small already or its headers are unusual; it is then read whole.
// The file must hold all its rows (bmpIsCutShort false), which also keeps the offsets in range.
QByteArray bmpTopLeft(QFile &file, const BmpLayout &bmp)
{
    const qint64 keepWidth = std::min(bmp.width, qint64(DrawingSurface::Width));
    const qint64 keepRows = std::min(bmp.rows(), qint64(DrawingSurface::Height));
    if (keepWidth == bmp.width && keepRows == bmp.rows())
        return {};
    // Headers, bit masks and colour table lie before the rows; 64 KiB is far more than they need.
    const qint64 headerEnd = 14 + qint64(bmp.infoSize);
    if (bmp.dataOffset < headerEnd || bmp.dataOffset > 65536)
        return {};
    QByteArray small = file.peek(bmp.dataOffset);
    if (small.size() != qint64(bmp.dataOffset))
        return {};
    const qint64 rowBytes = (keepWidth * bmp.bitCount + 31) / 32 * 4;
    const qint64 copyBytes = std::min(bmp.rowBytes(), (keepWidth * bmp.bitCount + 7) / 8);
    // Bottom-up files store the top rows last; either way they are one run of file rows.
    const qint64 firstRow = bmp.height > 0 ? bmp.rows() - keepRows : 0;
    for (qint64 r = 0; r < keepRows; ++r) {
        if (!file.seek(bmp.dataOffset + (firstRow + r) * bmp.rowBytes()))
            return {};
        QByteArray row = file.read(copyBytes);
        if (row.size() != copyBytes)
            return {};
        row.resize(rowBytes, '\0');
        small += row;
    }
    auto *h = reinterpret_cast<uchar *>(small.data());
    qToLittleEndian<quint32>(quint32(small.size()), h + 2);
    if (bmp.infoSize == 12) {
        qToLittleEndian<quint16>(quint16(keepWidth), h + 18);
        qToLittleEndian<quint16>(quint16(keepRows), h + 20);
    } else {
        qToLittleEndian<qint32>(qint32(keepWidth), h + 18);
        qToLittleEndian<qint32>(qint32(bmp.height > 0 ? keepRows : -keepRows), h + 22);
        qToLittleEndian<quint32>(quint32(rowBytes * keepRows), h + 34);
    }
    return small;
}

// What libjpeg holds for a JPEG file, from its frame header and first scan header.
struct JpegFrame
{
    bool wholeImage = false; // progressive, arithmetic, lossless, hierarchical or in several scans
    qint64 coefficientBytes = 0; // the coefficients of the whole image, kept when wholeImage
};

// Reads the markers up to the first scan. nullopt when the file has no frame header before it.
// libjpeg decodes row by row only a baseline or extended Huffman frame sent in one interleaved
// scan; every other kind keeps 128 bytes per 8 x 8 block of every component until the last scan.
std::optional<JpegFrame> jpegFrame(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto readByte = [&file]() -> int {
        char c = 0;
        return file.getChar(&c) ? int(uchar(c)) : -1;
    };
    if (readByte() != 0xFF || readByte() != 0xD8)
        return std::nullopt;
    std::optional<JpegFrame> frame;
    int components = 0;
    for (int segments = 0; segments < 10000; ++segments) {
        // libjpeg passes over anything between segments up to the next marker; so does this.
        int marker = readByte();
        while (marker >= 0 && marker != 0xFF)
            marker = readByte();
        while (marker == 0xFF)
            marker = readByte();
        if (marker < 0 || marker == 0xD9)
            break;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue; // markers without a length
        const int high = readByte();
        const int low = readByte();
        if (low < 0 || (high << 8 | low) < 2)
            break;
        const QByteArray body = file.read((high << 8 | low) - 2);
        const auto *b = reinterpret_cast<const uchar *>(body.constData());
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame && !frame && body.size() >= 6) {
            const qint64 height = b[1] << 8 | b[2];
            const qint64 width = b[3] << 8 | b[4];
            components = b[5];
            if (body.size() < 6 + 3 * components)
                return std::nullopt;
            int hMax = 1;
            int vMax = 1;
            for (int c = 0; c < components; ++c) {
                hMax = std::max(hMax, b[6 + 3 * c + 1] >> 4);
                vMax = std::max(vMax, b[6 + 3 * c + 1] & 15);
            }
            const qint64 mcuColumns = (width + 8 * hMax - 1) / (8 * hMax);
            const qint64 mcuRows = (height + 8 * vMax - 1) / (8 * vMax);
            JpegFrame f;
            f.wholeImage = marker != 0xC0 && marker != 0xC1;
            for (int c = 0; c < components; ++c) {
                const int h = std::max(1, b[6 + 3 * c + 1] >> 4);
                const int v = std::max(1, b[6 + 3 * c + 1] & 15);
                f.coefficientBytes += mcuColumns * h * mcuRows * v * 128;
            }
            frame = f;
        } else if (marker == 0xDA) {
            // A first scan with fewer components than the frame: more scans follow.
            if (frame && !body.isEmpty() && b[0] < components)
                frame->wholeImage = true;
            return frame;
        }
    }
    // No first scan where libjpeg might still find one: assume it keeps the whole image.
    if (frame)
        frame->wholeImage = true;
    return frame;
}

// Why each format read here stays within bounded memory (about 64 MB of pixels, a few more for
// the decoder's own state) and time, whatever the file holds:
// - BMP: uncompressed rows are cut to the surface before decoding; other files within the budget.
// - GIF: the screen size from the header, twice, within the budget; only the first frame is read.
// - JPEG: row by row when libjpeg allows it, else the coefficients, from the frame header, within
//   the budget.
// - Icon (ICO, CUR): every image lies within the file, embedded PNGs pass the PNG check, and no
//   image larger than the budget is allocated (Qt's allocation limit).
// - PNG: no chunk declares more than the file holds, metadata is capped (pngDeclarationsFit), and
//   the pixels from the header within the budget.
// Other formats are not read: vector pictures have no pixel size and can expand without bound.

// The format by the file's first bytes, as named by Qt's readers; empty for anything else.
QByteArray pictureFormat(const QByteArray &head)
{
    if (head.startsWith("BM"))
        return "bmp";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return "gif";
    if (head.startsWith("\xff\xd8"))
        return "jpeg";
    if (head.startsWith(QByteArray("\0\0\1\0", 4)) || head.startsWith(QByteArray("\0\0\2\0", 4)))
        return "ico"; // Qt's icon reader reads cursors as well
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    return {};
}

// libpng, as Qt sets it up, allocates what a chunk declares before it reads a byte of it, and
// keeps every text chunk it reads, a compressed one inflated up to 8 MB: 100 zTXt chunks in a file
// of 700 KB took 2 GB. What a sound file needs is far less: all chunks but image data, headers
// included, within 1 MiB, and zTXt, iCCP and compressed iTXt within 64 KiB, which zlib (at most
// about 1032:1) inflates to at most 66 MB.
constexpr qint64 PngMetadataBytes = 1 << 20;
constexpr qint64 PngCompressedMetadataBytes = 64 << 10;
constexpr int PngChunksLooked = 1 << 16;

// The bytes of a PNG's filtered rows, from its IHDR chunk; -1 when it is not one.
qint64 pngRowBytes(const QByteArray &ihdr)
{
    if (ihdr.size() < 13)
        return -1;
    const auto *h = reinterpret_cast<const uchar *>(ihdr.constData());
    const qint64 width = qFromBigEndian<quint32>(h);
    const qint64 height = qFromBigEndian<quint32>(h + 4);
    static constexpr int Channels[] = {1, 0, 3, 1, 2, 0, 4};
    const int channels = h[9] < 7 ? Channels[h[9]] : 0;
    if (width <= 0 || height <= 0 || channels == 0 || h[8] == 0 || h[8] > 16)
        return -1;
    const qint64 rowBytes = 1 + (width * channels * h[8] + 7) / 8; // below 2^38
    // At most 2^60, far beyond any file, so that twice it and more stays in range.
    constexpr qint64 Most = qint64(1) << 60;
    return height > Most / rowBytes ? Most : height * rowBytes;
}

// Whether the PNG in [start, end) of the file declares only what it holds (see the caps above),
// and no more compressed image data than twice its rows and 1 MiB, which even a stored stream
// stays within; more would only cost time to pass over. So does looking at more chunks than
// chunksLeft, which counts down over all the PNGs of one file (an encoder writes a few hundred).
bool pngDeclarationsFit(QIODevice &file, qint64 start, qint64 end, int &chunksLeft)
{
    qint64 metadata = 0;
    qint64 compressed = 0;
    qint64 imageData = 0;
    qint64 rawBytes = -1;
    for (qint64 pos = start + 8; end - pos >= 8;) {
        if (--chunksLeft < 0 || !file.seek(pos))
            return false;
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return false;
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        const QByteArray type = header.mid(4);
        const qint64 data = pos + 8;
        if (length > 0x7fffffffU || qint64(length) + 4 > end - data) // data and CRC
            return false;
        if (type == "IDAT") {
            imageData += length;
        } else {
            metadata += 12 + qint64(length);
            bool isCompressed = type == "zTXt" || type == "iCCP";
            if (type == "iTXt") {
                // keyword of 1 to 79 bytes, a zero byte, then the compression flag
                const QByteArray head = file.read(std::min<qint64>(length, 81));
                const qsizetype zero = head.indexOf('\0');
                isCompressed = zero < 0 || zero + 1 >= head.size() || head.at(zero + 1) != 0;
            }
            if (isCompressed)
                compressed += length;
            if (type == "IHDR" && rawBytes < 0)
                rawBytes = pngRowBytes(file.read(std::min<qint64>(length, 13)));
            if (metadata > PngMetadataBytes || compressed > PngCompressedMetadataBytes)
                return false;
        }
        pos = data + length + 4;
        if (type == "IEND")
            break;
    }
    return rawBytes < 0 || imageData <= 2 * rawBytes + (1 << 20);
}

// Whether every image of an icon lies within the file, and every embedded PNG passes
// pngDeclarationsFit for the bytes the directory gives it.
bool iconDeclarationsFit(QFile &file)
{
    const qint64 size = file.size();
    if (!file.seek(4))
        return false;
    const QByteArray countBytes = file.read(2);
    if (countBytes.size() != 2)
        return false;
    const int count = qFromLittleEndian<quint16>(countBytes.constData());
    int chunksLeft = PngChunksLooked;
    QSet<qint64> looked; // images of several sizes may share their bytes
    for (int i = 0; i < count; ++i) {
        if (!file.seek(6 + 16 * qint64(i)))
            return false;
        const QByteArray entry = file.read(16);
        if (entry.size() != 16)
            return false;
        const qint64 bytes = qFromLittleEndian<quint32>(entry.constData() + 8);
        const qint64 offset = qFromLittleEndian<quint32>(entry.constData() + 12);
        if (offset + bytes > size || !file.seek(offset))
            return false;
        if (looked.contains(offset) || pictureFormat(file.read(8)) != "png")
            continue;
        looked.insert(offset);
        if (!pngDeclarationsFit(file, offset, offset + bytes, chunksLeft))
            return false;
    }
    return true;
}

// The memory the decoder holds at its peak for the image the reader stands at, from the headers.
qint64 decodingBytes(QImageReader &reader, QSize size, const std::optional<JpegFrame> &jpeg)
{
    const qint64 pixels = qint64(size.width()) * size.height();
    if (reader.format() == "jpeg") {
        if (!jpeg) // headers this check cannot follow: assume the worst, 3 full components
            return pixels * 6;
        return jpeg->wholeImage ? jpeg->coefficientBytes : 0; // else row by row, a few rows at a time
    }
    if (reader.supportsOption(QImageIOHandler::ClipRect))
        return 0;
    const int bitsPerPixel = reader.imageFormat() == QImage::Format_Invalid
        ? 32
        : int(QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel());
    const qint64 bytes = pixels * std::max(4, bitsPerPixel / 8);
    // The GIF reader draws each frame onto a canvas of the screen's size and keeps both.
    return reader.format() == "gif" ? 2 * bytes : bytes;
}

// Reads the image the reader stands at, keeping only the part that reaches the surface.
PictureLoad readSurfacePart(QImageReader &reader, const QString &path,
                            const std::optional<JpegFrame> &jpeg = std::nullopt)
{
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 bytes = decodingBytes(reader, size, jpeg);
        if (bytes > PictureMemoryBudget) {
            return {{},
                    QCoreApplication::translate(
                        "lume::PictureIo",
                        "%1: the picture is %2 x %3 pixels, too large to decode (it would take %4 MB, "
                        "at most %5 MB can be used). Only its top %6 rows reach the badge: crop it "
                        "to at most %7 pixels wide and %6 high first.")
                        .arg(path)
                        .arg(size.width())
                        .arg(size.height())
                        .arg((bytes + (1 << 20) - 1) >> 20)
                        .arg(PictureMemoryBudget >> 20)
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
                QCoreApplication::translate("lume::PictureIo", "%1: the picture cannot be decoded (%2).")
                    .arg(path, reader.errorString())};
    if (!SurfaceRect.contains(image.rect()))
        image = image.copy(SurfaceRect & image.rect());
    return {image, {}};
}
} // namespace

PictureLoad loadPicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QCoreApplication::translate("lume::PictureIo", "%1: the file does not exist.").arg(path)};
    if (info.isDir())
        return {{},
                QCoreApplication::translate("lume::PictureIo", "%1: this is a folder, not a picture file.")
                    .arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("%1: %2").arg(path, file.errorString())};

    // What the headers cannot tell (an icon's embedded PNG, a size the reader does not report) is
    // bounded by Qt's own check of each image it allocates. The limit is process-wide; lower it
    // only, so that nothing else can raise what a picture may take.
    constexpr int LimitMb = int(PictureMemoryBudget >> 20);
    if (QImageReader::allocationLimit() == 0 || QImageReader::allocationLimit() > LimitMb)
        QImageReader::setAllocationLimit(LimitMb);
    // The content decides, so that a picture named wrongly still loads, as on Windows, and nothing
    // but the formats above is read, whatever plug-ins are installed.
    const QByteArray format = pictureFormat(file.peek(8));
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false); // one file pixel per surface pixel, as the file stores them
    if (format.isEmpty() || !reader.canRead())
        return {
            {},
            QCoreApplication::translate("lume::PictureIo", "%1: not a picture file that can be read (%2).")
                .arg(path,
                     format.isEmpty()
                         ? QCoreApplication::translate("QImageReader", "Unsupported image format")
                         : reader.errorString())};
    // A file that declares more than it holds is damaged: refused as a file that cannot be decoded.
    int chunksLeft = PngChunksLooked;
    const bool fits = format == "png" ? pngDeclarationsFit(file, 0, file.size(), chunksLeft)
        : format == "ico"             ? iconDeclarationsFit(file)
                                      : true;
    if (!file.seek(0) || !fits)
        return {{},
                QCoreApplication::translate("lume::PictureIo", "%1: the picture cannot be decoded (%2).")
                    .arg(path, QCoreApplication::translate("QImageReader", "Unable to read image data"))};
    if (reader.format() == "bmp") {
        if (const std::optional<BmpLayout> bmp = uncompressedBmpLayout(file)) {
            if (bmpIsCutShort(file, *bmp))
                return {{},
                        QCoreApplication::translate(
                            "lume::PictureIo",
                            "%1: the file ends before its picture does; it is damaged or was not "
                            "copied whole.")
                            .arg(path)};
            QByteArray small = bmpTopLeft(file, *bmp);
            if (!small.isEmpty()) {
                QBuffer buffer(&small);
                buffer.open(QIODevice::ReadOnly);
                QImageReader smallReader(&buffer, "bmp");
                smallReader.setAutoTransform(false);
                return readSurfacePart(smallReader, path);
            }
            file.seek(0); // where the reader expects the file to stand
        }
    }
    if (reader.format() == "ico")
        chooseIconImage(reader);
    return readSurfacePart(reader, path, reader.format() == "jpeg" ? jpegFrame(path) : std::nullopt);
}

QStringList acceptedPictureFormats()
{
    // The design's formats in its filter's order, then PNG.
    return {QStringLiteral("bmp"), QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
            QStringLiteral("ico"), QStringLiteral("cur"), QStringLiteral("png")};
}

QString savePicture(const QImage &image, const QString &path)
{
    if (image.isNull())
        return QCoreApplication::translate("lume::PictureIo", "There is no picture to save.");
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
