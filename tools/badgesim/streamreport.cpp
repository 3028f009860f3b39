#include "streamreport.h"

#include "streamreceiver.h"

namespace lume {

QString directionName(int direction)
{
    switch (direction) {
    case 0:
        return QStringLiteral("to left");
    case 1:
        return QStringLiteral("to right");
    case 2:
        return QStringLiteral("to up");
    case 3:
        return QStringLiteral("to down");
    case 4:
        return QStringLiteral("freeze");
    default:
        return QStringLiteral("unknown, played to left");
    }
}

QString lineTimeText(qsizetype bytes)
{
    return QStringLiteral("%1 s at 1200 baud")
        .arg(QString::number(double(bytes) / ReceiverEvent::LineBytesPerSecond, 'f', 2));
}

QString messageLine(int index, const DecodedMessage &message)
{
    return QStringLiteral("message %1: speed %2, flash %3, direction %4 (%5), start 0x%6, width %7")
        .arg(index + 1)
        .arg(message.speed)
        .arg(message.flash ? QStringLiteral("on") : QStringLiteral("off"))
        .arg(message.direction)
        .arg(directionName(message.direction))
        .arg(QString::number(message.startAddress, 16).toUpper().rightJustified(4, u'0'))
        .arg(message.width);
}

QStringList reportLines(const ReceiverEvent &event)
{
    switch (event.kind) {
    case ReceiverEvent::Kind::Stream: {
        QStringList lines {QStringLiteral("stream %1: %2 bytes, %3")
                               .arg(event.streamNumber)
                               .arg(event.bytes)
                               .arg(lineTimeText(event.bytes))};
        if (event.stream) {
            for (int m = 0; m < int(event.stream->messages.size()); ++m)
                lines << messageLine(m, event.stream->messages[m]);
        }
        return lines;
    }
    case ReceiverEvent::Kind::Malformed:
        // A header that does not parse leaves the stream's length unknown.
        if (event.expectedBytes < 0)
            return {QStringLiteral("error: malformed stream: ") + event.reason};
        // One pass, so that a reason holding "%1" stays as it is.
        return {QStringLiteral("error: malformed stream: %1 (%2 bytes, %3)")
                    .arg(event.reason, QString::number(event.bytes), lineTimeText(event.bytes))};
    case ReceiverEvent::Kind::Incomplete:
        return {QStringLiteral("error: ") + event.reason};
    case ReceiverEvent::Kind::Skipped:
        return {QStringLiteral("skipped: ") + event.reason};
    }
    return {};
}

QString pngFileName(int streamNumber, int index)
{
    return QStringLiteral("stream%1-message%2.png").arg(streamNumber).arg(index + 1);
}

} // namespace lume
