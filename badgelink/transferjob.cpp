#include "transferjob.h"

#include "serialcontrol.h"
#include "userprompt.h"

#include <algorithm>

namespace lume {

namespace {
constexpr int PreambleWrite = 0;
constexpr int FirstRowWrite = 2;
constexpr int FirstTrailerWrite = FirstRowWrite + MessageBank::RowCount;
constexpr double LineBytesPerMs = SerialControl::BadgeLineBytesPerSecond / 1000;
} // namespace

TransferJob::TransferJob(SerialControl &port, ProgressDisplay *progress, ProgressSteps steps,
                         const BadgeStream &stream, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_progress(progress)
    , m_steps(steps)
    , m_writes(stream.writes())
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TransferJob::checkDrained);
}

TransferJob::~TransferJob()
{
    if (m_running)
        cancel();
}

void TransferJob::start()
{
    m_running = true;
    m_next = 0;
    writeNext();
}

void TransferJob::cancel()
{
    m_timer.stop();
    m_progress = nullptr;
    if (m_running) {
        m_running = false;
        m_port.close();
    }
}

void TransferJob::progressBefore(int write)
{
    if (!m_progress)
        return;
    if (write >= FirstRowWrite && write < FirstTrailerWrite) {
        const int row = write - FirstRowWrite;
        m_progress->setProgressValue(m_steps.rowBase + row);
    } else if (write >= FirstTrailerWrite) {
        const int k = write - FirstTrailerWrite + 1;
        m_progress->setProgressValue(m_steps.trailerBase + k);
    }
}

void TransferJob::writeNext()
{
    while (m_running && m_next < m_writes.size()) {
        const int index = m_next++;
        if (index == FirstRowWrite && m_progress) {
            // The header has drained.
            if (const auto &range = m_steps.rangeAfterHeader)
                m_progress->setProgressRange(range->minimum, range->maximum);
            if (m_steps.valueAfterHeader)
                m_progress->setProgressValue(*m_steps.valueAfterHeader);
        }
        progressBefore(index);
        m_port.write(m_writes[index]); // a failed write is skipped
        if (index == PreambleWrite)
            continue; // no wait after the preamble
        // Let the window process its events once before the first read of the count.
        m_timer.start(0);
        return;
    }
    if (m_running)
        finish();
}

void TransferJob::checkDrained()
{
    if (!m_running)
        return;
    const std::optional<qint64> pending = m_port.pendingOutput();
    if (!pending || *pending <= 0) {
        writeNext();
        return;
    }
    // Sleep about as long as the line needs for what is queued, but look again often enough that
    // the next write follows the last byte closely.
    const int wait = std::clamp(int(double(*pending) / LineBytesPerMs * 0.9), 1, MaxPollMs);
    m_timer.start(wait);
}

void TransferJob::finish()
{
    m_running = false;
    if (m_progress)
        m_progress->setProgressValue(0);
    m_port.close();
    Q_EMIT finished();
}

} // namespace lume
