#pragma once

#include "userprompt.h"

#include <QPointer>
#include <QProgressBar>

namespace lume {

// The transfer's progress on a window's progress bar; without a bar (or once it is gone) nothing shows.
class ProgressBarDisplay final : public ProgressDisplay
{
public:
    explicit ProgressBarDisplay(QProgressBar *bar);

    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;

private:
    QPointer<QProgressBar> m_bar;
};

} // namespace lume
