#include "composer.h"

#include "drawingsurface.h"

#include "leadingnumber.h"

#include <algorithm>

namespace lume {

double fontPointsFromText(const QString &sizeText)
{
    return leadingNumberWithFraction(sizeText);
}

int topOffsetFromText(const QString &topAdjustText)
{
    const double value =
        std::clamp(leadingNumberWithFraction(topAdjustText), double(-MaxTopOffset), double(MaxTopOffset));
    return roundHalfEven(value).value_or(0);
}

void composeText(MessageBank &bank, int message, DrawingSurface &surface, const QString &text,
                 const QString &family, const QString &sizeText, bool bold, const QString &topAdjustText)
{
    surface.clearText();
    surface.drawText(text, family, fontPointsFromText(sizeText), bold, topOffsetFromText(topAdjustText));
    captureImage(surface.image(), bank, message);
}

void composePicture(MessageBank &bank, int message, DrawingSurface &surface, const QImage &picture)
{
    surface.setBackgroundPicture(picture);
    captureImage(surface.image(), bank, message);
}

} // namespace lume
