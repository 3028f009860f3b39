#pragma once

#include "badgelink/windowkit/captionfit.h"

namespace lume::test {

// Every label, check box, button, group box title and tab caption under the window, measured with
// the font each control really draws with.
[[nodiscard]] QList<CaptionMeasure> measureCaptions(const QWidget *window);

} // namespace lume::test
