#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QComboBox;
class QFont;
class QWidget;

namespace lume {

// The design's "System" face at a size in points at 96 dpi, held in pixels so that the captions keep
// their size in the design's pixel boxes whatever dpi the desktop announces. A family really
// installed as "System" wins; elsewhere the desktop's general font stands for it.
[[nodiscard]] QFont designSystemFont(double points, bool bold);

// One caption of a window: its text, the size the control's font needs for it, and the room the
// control's style leaves for text inside the control's design rectangle.
struct CaptionMeasure
{
    QString objectName;
    QString text;
    QSize textSize;
    QRect room;

    [[nodiscard]] bool fits() const
    {
        return textSize.width() <= room.width() && textSize.height() <= room.height();
    }
};

// The captions of one label, check box, button, group box or tab bar (one per tab), measured with
// the font the control really draws with; other controls have none. fitCaptionFonts judges by it.
[[nodiscard]] QList<CaptionMeasure> measureCaptionsOf(const QWidget *control);

// Gives the captions that follow the window's font the largest variant of that font that lets all
// of them fit: first narrower widths of the same face (the condensed faces where installed), then
// smaller pixel sizes. Text boxes and lists keep the window's font.
void fitCaptionFonts(QWidget *window);

// Gives each combo box the largest variant of the window's font, as for captions and never smaller,
// in which its current list entry shows whole, and again whenever the box shows another entry. A
// typed text that is no entry keeps the font it finds and may be cut.
void fitListTextFonts(QWidget *window);
void fitListTextFont(QComboBox *box);

// Editable combo boxes show the start of their texts, as set so far, rather than their end, and again
// whenever the user leaves one; while the user types, the box follows the cursor as usual. Call
// after the program has set the texts.
void showTextStarts(QWidget *window);
void showTextStart(QComboBox *box);

} // namespace lume
