#include "compacttabstyle.h"

#include <QStyleFactory>
#include <QTabBar>

namespace lume {

namespace {
// Five pixels of padding on each side of the caption and one of border.
constexpr int TabCaptionSpace = 12;
} // namespace

CompactTabStyle::CompactTabStyle(QStyle *base)
    : QProxyStyle(base)
{ }

void CompactTabStyle::applyTo(QTabBar *bar)
{
    auto *style = new CompactTabStyle(QStyleFactory::create(bar->style()->name()));
    style->setParent(bar);
    bar->setStyle(style);
}

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_TabBarTabHSpace)
        return TabCaptionSpace;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace lume
