#include "progressbardisplay.h"

namespace lume {

ProgressBarDisplay::ProgressBarDisplay(QProgressBar *bar)
    : m_bar(bar)
{ }

void ProgressBarDisplay::setProgressRange(int minimum, int maximum)
{
    if (m_bar)
        m_bar->setRange(minimum, maximum);
}

void ProgressBarDisplay::setProgressValue(int value)
{
    if (m_bar)
        m_bar->setValue(value);
}

} // namespace lume
