#pragma once

#include <QProxyStyle>

class QTabBar;

namespace lume {

// The application's style with less room beside each tab caption, so that a strip of many tabs
// fits the design's width. Everything else, colours included, is the style's and the palette's.
class CompactTabStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    // Takes the bar's own style and gives the bar this one; the bar owns it.
    static void applyTo(QTabBar *bar);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    explicit CompactTabStyle(QStyle *base);
};

} // namespace lume
