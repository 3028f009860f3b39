#include "designcolours.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace lume {

namespace {
// Windows' window and button-face colours, behind the design's text boxes and labels.
constexpr QRgb DesignBase = 0xffffffff;
constexpr QRgb DesignWindow = 0xfff0f0f0;

bool isDark(const QColor &colour)
{
    return colour.lightness() < 128;
}
} // namespace

void keepDesignColours(QWidget *control, const QColor &text)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    if (isDark(palette.color(QPalette::Base)))
        palette.setColor(QPalette::Base, QColor::fromRgb(DesignBase));
    // A label draws on its parent unless it fills its own background.
    if (qobject_cast<QLabel *>(control) && isDark(palette.color(QPalette::Window))) {
        palette.setColor(QPalette::Window, QColor::fromRgb(DesignWindow));
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
}

} // namespace lume
