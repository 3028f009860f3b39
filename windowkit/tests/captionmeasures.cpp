#include "captionmeasures.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace lume::test {

QList<CaptionMeasure> measureCaptions(const QWidget *window)
{
    QList<CaptionMeasure> out;
    for (const QWidget *child : window->findChildren<QWidget *>())
        out << measureCaptionsOf(child);
    return out;
}

QStringList narrowDropDowns(QWidget *window)
{
    QStringList narrow;
    for (QComboBox *box : window->findChildren<QComboBox *>()) {
        if (box->count() == 0)
            continue;
        box->showPopup();
        const QAbstractItemView *view = box->view();
        int widest = 0;
        for (int row = 0; row < box->count(); ++row)
            widest = std::max(widest, view->sizeHintForIndex(box->model()->index(row, 0)).width());
        const int shown = view->viewport()->width();
        box->hidePopup();
        if (shown < widest)
            narrow << QStringLiteral("%1: %2 < %3").arg(box->objectName()).arg(shown).arg(widest);
    }
    return narrow;
}

QStringList cutListEntries(QWidget *window, const QStringList &skip)
{
    constexpr int SmallestPixels = 9; // the caption fitting's smallest size
    QStringList cut;
    for (QComboBox *box : window->findChildren<QComboBox *>()) {
        if (skip.contains(box->objectName()) || !box->lineEdit())
            continue;
        const QString before = box->currentText();
        for (int row = 0; row < box->count(); ++row) {
            box->setCurrentIndex(row);
            const QLineEdit *edit = box->lineEdit();
            const QFont font = edit->font();
            // A line edit draws its text 2 pixels in from each side and scrolls it when the text
            // and its cursor need more.
            const int room = edit->contentsRect().width() - 2 * 2;
            const int needed = QFontMetrics(font).horizontalAdvance(edit->text()) + 1;
            const bool smallest = font.pixelSize() == SmallestPixels && font.stretch() == QFont::Condensed;
            if ((needed > room && !smallest) || font.pixelSize() < SmallestPixels)
                cut << QStringLiteral("%1: %2 %3 px in %4 px at %5 px")
                           .arg(box->objectName(), edit->text())
                           .arg(needed)
                           .arg(room)
                           .arg(font.pixelSize());
        }
        box->setCurrentText(before);
    }
    return cut;
}

} // namespace lume::test
