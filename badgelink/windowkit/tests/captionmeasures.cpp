#include "badgelink/windowkit/tests/captionmeasures.h"

#include <QWidget>

namespace lume::test {

QList<CaptionMeasure> measureCaptions(const QWidget *window)
{
    QList<CaptionMeasure> out;
    for (const QWidget *child : window->findChildren<QWidget *>())
        out << measureCaptionsOf(child);
    return out;
}

} // namespace lume::test
