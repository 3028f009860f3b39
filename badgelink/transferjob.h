#pragma once

#include "badgestream.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace lume {

class ProgressDisplay;
class SerialControl;

// The progress values each program shows during a transfer.
enum class ProgressScheme {
    FontPicture, // range 0..19: 1 after the header, 2 + r before row r, 13 + k before trailer write k
    DotFont, // range set to 0..17: r before row r, 11 + k before trailer write k
};

// Writes one prepared stream to an open port, waiting after every write but the preamble until
// the line has drained. Driven by timers on the event loop: never a busy or nested loop, so the
// window stays responsive and the process idle while the 1200-baud line empties. Once started,
// no failure stops it: a failed write is skipped, an unreadable count ends that wait.
class TransferJob : public QObject
{
    Q_OBJECT
public:
    TransferJob(SerialControl &port, ProgressDisplay *progress, ProgressScheme scheme,
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
    ProgressScheme m_scheme;
    QList<QByteArray> m_writes;
    QTimer m_timer;
    int m_next = 0;
    bool m_running = false;
};

} // namespace lume
