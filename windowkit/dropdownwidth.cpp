#include "dropdownwidth.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace lume {

int dropDownWidthNeeded(const QComboBox *box)
{
    const QAbstractItemView *view = box->view();
    int widest = 0;
    for (int row = 0; row < box->count(); ++row)
        widest =
            std::max(widest, view->sizeHintForIndex(box->model()->index(row, box->modelColumn())).width());
    int frame = 0;
    if (const auto *framed = qobject_cast<const QFrame *>(view))
        frame = 2 * framed->frameWidth();
    const int scrollBar = box->count() > box->maxVisibleItems()
        ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view)
        : 0;
    return widest + frame + scrollBar;
}

void fitDropDownWidth(QComboBox *box)
{
    box->view()->setMinimumWidth(dropDownWidthNeeded(box));
}

void fitDropDownWidths(QWidget *window)
{
    for (QComboBox *box : window->findChildren<QComboBox *>())
        fitDropDownWidth(box);
}

} // namespace lume
