#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace lume {

struct PictureLoad
{
    QImage image; // at most the 4096 x 12 pixels that can reach a surface
    QString error; // why the file could not be used; empty on success
    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// The most memory decoding one picture may take. It is checked from the file's headers before
// anything is decoded: a decoder that must hold the whole image to give its top 12 rows (PNG, GIF,
// progressive JPEG) would otherwise take gigabytes for a file of a few hundred bytes.
constexpr qint64 PictureMemoryBudget = 64LL * 1024 * 1024;

// Decodes a BMP, GIF, JPEG, icon (ICO or CUR) or PNG file, told by its content, whatever its name;
// any other file is refused, whatever image plug-ins the machine has. Only the top-left 4096 x 12
// pixels are kept; JPEG and uncompressed BMP files decode only those, whatever their size. An icon
// with several images gives its 32 x 32 one, the size Windows shows, else its first.
[[nodiscard]] PictureLoad loadPicture(const QString &path);

// The file name suffixes of the formats loadPicture() reads, lower case, for a file dialog's filter.
[[nodiscard]] QStringList acceptedPictureFormats();

// Writes the image as a 24-bit BMP file. The file is replaced atomically, so a failed save leaves
// an existing file as it was. Returns the reason of a failure, empty on success.
[[nodiscard]] QString savePicture(const QImage &image, const QString &path);

} // namespace lume
