#pragma once

class QColor;
class QWidget;

namespace lume {

// Draws the control's text in one of the design's colours on the design's light background (a
// white text box, a light grey label) when the desktop's palette would put it on a dark one; on a
// light palette the control keeps the palette's background, as the design looks there.
void keepDesignColours(QWidget *control, const QColor &text);

} // namespace lume
