#include "sketchusagemeter.h"

#include "messagebank.h"

#include <algorithm>

namespace lume {

namespace {
void fillColumns(QImage &meter, int first, int last, QRgb colour)
{
    last = std::min(last, usagemeter::Width - 1);
    if (first > last)
        return;
    for (int y = 0; y < usagemeter::Height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(meter.scanLine(y));
        std::fill(line + first, line + last + 1, colour);
    }
}
} // namespace

qint16 drawUsageMeter(const MessageBank &bank, QImage &meter)
{
    if (meter.size() != QSize(usagemeter::Width, usagemeter::Height) ||
        meter.format() != QImage::Format_RGB32) {
        meter = QImage(usagemeter::Width, usagemeter::Height, QImage::Format_RGB32);
        meter.fill(qRgb(0, 0, 0));
    }
    int p = 0;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const int w = bank.width(m);
        if (w <= 0)
            continue;
        fillColumns(meter, p, p + w - 1, usagemeter::Colours[m]);
        p = std::min(p + w, int(MessageBank::UsedTotalCap));
    }
    fillColumns(meter, p, usagemeter::Width - 1, qRgb(0, 0, 0));
    return qint16(p);
}

} // namespace lume
