#pragma once

#include "captionfit.h"

namespace lume::test {

// Every label, check box, button, group box title and tab caption under the window, measured with
// the font each control really draws with.
[[nodiscard]] QList<CaptionMeasure> measureCaptions(const QWidget *window);

// Opens the drop-down list of every combo box under the window in turn and names each list narrower
// than its widest entry needs, with both widths ("ComLanguage: 150 < 171").
[[nodiscard]] QStringList narrowDropDowns(QWidget *window);

} // namespace lume::test
