#pragma once

class QComboBox;
class QWidget;

namespace lume {

// The width a box's drop-down list needs to show its longest entry whole, in the font the list
// draws its entries in, with the list's frame and, when the entries scroll, its scroll bar.
[[nodiscard]] int dropDownWidthNeeded(const QComboBox *box);

// Lets the drop-down list grow to that width; the box itself keeps its size. Call again whenever
// the entries change.
void fitDropDownWidth(QComboBox *box);
// Every combo box under the window.
void fitDropDownWidths(QWidget *window);

} // namespace lume
