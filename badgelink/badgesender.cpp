#include "badgesender.h"

#include "serialcontrol.h"

namespace lume {

BadgeSender::BadgeSender(SerialControl &port, ProgressDisplay &progress, SendProfile profile, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_progress(progress)
    , m_profile(std::move(profile))
{ }

BadgeSender::~BadgeSender()
{
    cancel();
}

bool BadgeSender::isSending() const
{
    return m_port.isOpen();
}

bool BadgeSender::refuseWhileSending()
{
    if (!isSending())
        return false;
    Q_EMIT refused(SendRefusal {SendRefusal::Kind::Busy, {}, {}});
    return true;
}

bool BadgeSender::readComSet(const QString &portText)
{
    int number = 0;
    for (int n = 1; n <= m_profile.maxPort; ++n) {
        if (portText == QStringLiteral("COM%1").arg(n)) {
            number = n;
            break;
        }
    }
    if (number == 0) {
        Q_EMIT refused(SendRefusal {SendRefusal::Kind::PortNumber, {}, {}});
        return false;
    }
    m_port.setCommPort(number);
    m_port.setSettings(QString::fromLatin1(SerialControl::BadgeLineSettings));
    return true;
}

QStringList BadgeSender::portFailureParagraphs(const SerialFailure &failure, const FailureExplainer &explain)
{
    QStringList paragraphs;
    if (!failure.device.isEmpty() && !failure.reason.isEmpty())
        paragraphs << QStringLiteral("%1: %2").arg(failure.device, failure.reason);
    else if (!failure.reason.isEmpty())
        paragraphs << failure.reason;
    // What the system shows about why, with the command that fixes it.
    if (explain) {
        for (const QString &paragraph : explain(failure))
            if (!paragraph.isEmpty())
                paragraphs << paragraph;
    }
    return paragraphs;
}

QString BadgeSender::portFailureDetail(const SerialFailure &failure, const FailureExplainer &explain)
{
    return portFailureParagraphs(failure, explain).join(QStringLiteral("\n\n"));
}

void BadgeSender::refusePort(SendRefusal::Kind kind)
{
    const SerialFailure failure = m_port.lastFailure();
    Q_EMIT refused(SendRefusal {kind, failure, portFailureParagraphs(failure, m_profile.explainFailure)});
}

bool BadgeSender::openPort()
{
    if (!m_port.open()) {
        refusePort(SendRefusal::Kind::PortInUse);
        return false;
    }
    if (!m_port.isOpen()) {
        m_port.setOption9(false);
        refusePort(SendRefusal::Kind::PortOpenFailed);
        return false;
    }
    // A control counts a device without modem-control lines as done: it still sends.
    if (!m_port.setOption9(true)) {
        refusePort(SendRefusal::Kind::PortInUse);
        return false;
    }
    return true;
}

bool BadgeSender::startTransfer(MessageBank &bank, const MessageSettingsList &settings)
{
    if (!openPort()) {
        m_port.close(); // the Send command closes the port whatever the routine did
        return false;
    }
    // The header and every row block come from the bank as it is now, so that edits made while
    // the line drains cannot change what the header announced.
    const BadgeStream stream = buildBadgeStream(bank, settings, m_profile.directions);
    bank.setWidths(stream.clippedWidths);
    startJob(stream);
    return true;
}

bool BadgeSender::startTransfer(const BadgeStream &stream)
{
    if (!openPort()) {
        m_port.close();
        return false;
    }
    startJob(stream);
    return true;
}

void BadgeSender::startJob(const BadgeStream &stream)
{
    auto *job = new TransferJob(m_port, &m_progress, m_profile.progress, stream, this);
    m_job = job;
    connect(job, &TransferJob::finished, this, [this, job] {
        job->deleteLater();
        Q_EMIT transferFinished();
    });
    job->start();
}

void BadgeSender::cancel()
{
    if (m_job) {
        m_job->cancel();
        m_job->deleteLater();
        m_job = nullptr;
    }
    m_port.close();
}

ProbeResult probePorts(SerialControl &port, int maxPort)
{
    ProbeResult result;
    for (int n = 1; n <= maxPort; ++n) {
        if (port.setCommPort(n) && port.open() && port.isOpen()) {
            result.ports << QStringLiteral("COM%1").arg(n);
            result.highest = n;
        }
        port.close();
    }
    return result;
}

} // namespace lume
