#include "streamfile.h"

#include <QFile>
#include <QFileInfo>

namespace lume {

namespace {
// Enough to let the decoder name what is wrong with any file a little too long; more is no stream.
constexpr qsizetype ReadLimit = 1024 * 1024;
} // namespace

StreamFile readStreamFile(const QString &path)
{
    StreamFile file;
    const QFileInfo info(path);
    if (!info.exists()) {
        file.readError = QStringLiteral("%1: no such file").arg(path);
        return file;
    }
    if (info.isDir()) {
        file.readError = QStringLiteral("%1: is a folder, not a stream file").arg(path);
        return file;
    }
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.readError = QStringLiteral("%1: %2").arg(path, input.errorString());
        return file;
    }
    // A device or pipe reports no size; read it up to the limit all the same.
    file.size = input.isSequential() ? 0 : input.size();
    if (file.size > ReadLimit) {
        file.decoded.error = QStringLiteral("stream is %1 bytes, more than the longest stream (%2 bytes)")
                                 .arg(file.size)
                                 .arg(StreamFile::MaxStreamBytes);
        return file;
    }
    file.bytes = input.read(ReadLimit + 1);
    if (input.error() != QFileDevice::NoError) {
        file.readError = QStringLiteral("%1: %2").arg(path, input.errorString());
        file.bytes.clear();
        return file;
    }
    file.size = file.bytes.size();
    if (file.size > ReadLimit) {
        file.decoded.error =
            QStringLiteral("stream is more than %1 bytes, more than the longest stream (%2 bytes)")
                .arg(ReadLimit)
                .arg(StreamFile::MaxStreamBytes);
        file.bytes.clear();
        return file;
    }
    file.decoded = decodeStream(file.bytes);
    return file;
}

} // namespace lume
