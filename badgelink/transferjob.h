#pragma once

#include "badgestream.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace lume {

class ProgressDisplay;
class SerialControl;

// The progress bar of one program during a transfer. Once the header has drained the range is set
// (when the program's transfer sets it), then the value shown (when there is one); before row block
// r (0..11) the value is rowBase + r, before trailer write k (1..6) trailerBase + k; 0 at the end.
struct ProgressSteps
{
    struct Range
    {
        int minimum = 0;
        int maximum = 0;
        friend bool operator==(const Range &, const Range &) = default;
    };
    std::optional<Range> rangeAfterHeader;
    std::optional<int> valueAfterHeader;
    int rowBase = 0;
    int trailerBase = 0;

    friend bool operator==(const ProgressSteps &, const ProgressSteps &) = default;
};

// Writes one prepared stream to an open port, waiting after every write but the preamble until
// the line has drained. Driven by timers on the event loop: never a busy or nested loop, so the
// window stays responsive and the process idle while the 1200-baud line empties. Once started,
// no failure stops it: a failed write is skipped, an unreadable count ends that wait.
class TransferJob : public QObject
{
    Q_OBJECT
public:
    TransferJob(SerialControl &port, ProgressDisplay *progress, ProgressSteps steps,
                const BadgeStream &stream, QObject *parent = nullptr);
    ~TransferJob() override;

    void start();
    // Stops writing and closes the port; no progress is shown and finished() is not emitted.
    void cancel();
    [[nodiscard]] bool isRunning() const { return m_running; }

    // Longest pause between two reads of the pending count while waiting for the line.
    static constexpr int MaxPollMs = 50;

Q_SIGNALS:
    // The routine has returned and the port is closed.
    void finished();

private:
    void writeNext();
    void checkDrained();
    void progressBefore(int write);
    void finish();

    SerialControl &m_port;
    ProgressDisplay *m_progress;
    ProgressSteps m_steps;
    QList<QByteArray> m_writes;
    QTimer m_timer;
    int m_next = 0;
    bool m_running = false;
};

} // namespace lume
