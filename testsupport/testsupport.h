#pragma once

#include "transferjob.h"
#include "userprompt.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace lume::test {

// Two direction lists as programs hand them in: five texts each, in code order.
inline const QStringList LongDirections {"From right to left", "From left to right", "From down to up",
                                         "From up to down", "Freeze show"};
inline const QStringList ShortDirections {"to Left", "to Right", "to Up", "to Down", "Freeze"};

// Records every message box instead of showing it.
class RecordingPrompt : public UserPrompt
{
public:
    struct Box
    {
        QString text;
        QString title;
        QString detail;
    };
    void notify(const QString &text, const QString &title, const QStringList &detail) override
    {
        boxes << Box {text, title, detail.join(QStringLiteral("\n\n"))}; // as the box shows it
    }
    bool askYesNo(const QString &text, const QString &title) override
    {
        boxes << Box {text, title, {}};
        return answer;
    }
    QList<Box> boxes;
    bool answer = true;
};

// Records the progress bar, and with each value whatever the test wants to know at that moment.
class RecordingProgress : public ProgressDisplay
{
public:
    void setProgressRange(int minimum, int maximum) override { ranges << qMakePair(minimum, maximum); }
    void setProgressValue(int value) override
    {
        values << value;
        if (probe)
            probed << probe();
    }
    QList<QPair<int, int>> ranges;
    QList<int> values;
    std::function<qint64()> probe;
    QList<qint64> probed;
};

// What the progress bar shows through one whole transfer with these steps, on a line that drains
// at once.
[[nodiscard]] RecordingProgress recordTransferProgress(const ProgressSteps &steps);

} // namespace lume::test
