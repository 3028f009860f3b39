#pragma once

#include "captionfit.h"

namespace lume::test {

// Every label, check box, button, group box title and tab caption under the window, measured with
// the font each control really draws with.
[[nodiscard]] QList<CaptionMeasure> measureCaptions(const QWidget *window);

// Opens the drop-down list of every combo box under the window in turn and names each list narrower
// than its widest entry needs, with both widths ("ComLanguage: 150 < 171").
[[nodiscard]] QStringList narrowDropDowns(QWidget *window);

// Shows every entry of every combo box under the window in turn (but those of the boxes named in
// skip) and names each entry its box cuts, with the font and room it had ("ComSele: COM32 41 px
// in 30 px at 13 px"). An entry too long for the smallest caption font may be cut; nothing may
// be drawn smaller than that.
[[nodiscard]] QStringList cutListEntries(QWidget *window, const QStringList &skip = {});

} // namespace lume::test
