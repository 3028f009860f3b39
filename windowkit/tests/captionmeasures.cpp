#include "captionmeasures.h"

#include <QAbstractItemView>
#include <QComboBox>
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

} // namespace lume::test
