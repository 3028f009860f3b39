#pragma once

#include "streamdecoder.h"

#include <QByteArray>
#include <QString>

namespace lume {

// A stream saved to a file (lumesend --output), read back and checked by the stream decoder.
struct StreamFile
{
    static constexpr qsizetype MaxStreamBytes =
        BadgeStream::FixedBytes + qsizetype(MessageBank::RowCount) * MessageBank::RowBytes; // 6833

    QString readError; // the file could not be read; empty when it was
    qsizetype size = 0; // of the file, in bytes
    QByteArray bytes; // the whole file; left empty when it is far longer than any stream
    DecodeResult decoded; // the decoder's verdict; its error says why the bytes are no stream

    [[nodiscard]] bool ok() const { return readError.isEmpty() && decoded.stream.has_value(); }
    // Why it cannot be used, in one line: the read error or the decoder's reason.
    [[nodiscard]] QString error() const { return readError.isEmpty() ? decoded.error : readError; }
};

// Reads and decodes the file. A file much longer than the longest stream is not read at all.
[[nodiscard]] StreamFile readStreamFile(const QString &path);

} // namespace lume
