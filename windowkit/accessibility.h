#pragma once

#include <QString>

class QWidget;

namespace lume {

// Lets combo boxes be named by their accessibleName or the label whose buddy they are. Qt 6.4
// names a combo box by its text on Linux, so a screen reader heard "4" for a speed box. Safe to
// call more than once; the first call after the application object exists counts.
void nameComboBoxesByLabel();

// What the usage meter says: the real sum of the widths against the badge's 512 column bytes,
// and that it is too much for the badge when it is.
[[nodiscard]] QString usageMeterText(int usedColumnBytes);
// Puts that text into the meter's accessible description.
void describeUsage(QWidget *meter, int usedColumnBytes);

} // namespace lume
