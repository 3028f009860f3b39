#include "sendsession.h"

#include "refusaltext.h"
#include "sendcommandline.h"

#include "sketchsendprofile.h"

#include <algorithm>
#include <cmath>

namespace lume {

namespace {
constexpr int BarWidth = 30;
} // namespace

QString progressLine(qint64 sent, qint64 total)
{
    sent = std::clamp<qint64>(sent, 0, std::max<qint64>(total, 0));
    const int filled = total > 0 ? int(sent * BarWidth / total) : BarWidth;
    const int secondsLeft = int(std::ceil(double(total - sent) / SerialControl::BadgeLineBytesPerSecond));
    return QStringLiteral("[%1%2] %3 of %4 bytes, %5 s left")
        .arg(QString(filled, u'#'), QString(BarWidth - filled, u'-'))
        .arg(sent)
        .arg(total)
        .arg(secondsLeft);
}

SendProfile SendSession::profile()
{
    // Sketchlume's: COM1 to COM32, and the list the composed directions are named from.
    return sketchSendProfile();
}

namespace {

SendProfile explainingProfile(FailureExplainer explain)
{
    SendProfile profile = SendSession::profile();
    profile.explainFailure = std::move(explain);
    return profile;
}

} // namespace

SendSession::SendSession(SerialControl &port, FailureExplainer explain, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_sender(m_port, *this, explainingProfile(std::move(explain)))
{
    connect(&m_sender, &BadgeSender::refused, this, &SendSession::refused);
    m_progressTimer.setInterval(ProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &SendSession::drawProgress);
    connect(&m_sender, &BadgeSender::transferFinished, this, &SendSession::transferFinished);
}

SendSession::~SendSession() = default;

bool SendSession::configure(const QString &portName)
{
    m_errorLines.clear();
    if (m_sender.readComSet(portName))
        return true;
    m_errorLines = {QStringLiteral("%1 --port takes COM1 to COM%2, not \"%3\"")
                        .arg(m_errorLines.value(0))
                        .arg(profile().maxPort)
                        .arg(portName)};
    return false;
}

bool SendSession::start(const BadgeStream &stream)
{
    m_errorLines.clear();
    m_total = stream.size();
    if (!m_sender.startTransfer(stream))
        return false;
    if (m_terminal) {
        drawProgress();
        m_progressTimer.start();
    }
    return true;
}

void SendSession::refused(const SendRefusal &refusal)
{
    setErrorLines(refusalText(refusal, m_sender.profile()).text, refusal.explanation);
}

void SendSession::setErrorLines(const QString &text, const QStringList &detail)
{
    QStringList paragraphs = detail;
    paragraphs.removeAll(QString());
    QString message = text;
    if (!paragraphs.isEmpty()) {
        const bool sentence = message.endsWith(u'!') || message.endsWith(u':');
        message += (sentence ? QStringLiteral(" ") : QStringLiteral(": ")) +
            paragraphs.takeFirst().replace(u'\n', u' ');
    }
    m_errorLines = QStringList {message} + paragraphs;
}

void SendSession::drawProgress()
{
    if (!m_terminal || !m_sender.isSending())
        return;
    std::fprintf(m_terminal, "\r%s", qPrintable(progressLine(m_port.sent(), m_total)));
    std::fflush(m_terminal);
}

void SendSession::transferFinished()
{
    m_progressTimer.stop();
    if (m_terminal) {
        std::fprintf(m_terminal, "\r%s\n", qPrintable(progressLine(m_port.sent(), m_total)));
        std::fflush(m_terminal);
    }
    // The transfer skips a step that fails and carries on; a command line must not report that
    // as success.
    const SerialFailure failure = m_port.lastFailure();
    if (failure.kind != SerialFailure::Kind::None) {
        setErrorLines(QStringLiteral("The badge may not have received everything:"),
                      BadgeSender::portFailureParagraphs(failure, m_sender.profile().explainFailure));
        Q_EMIT finished(SendExitFailed);
        return;
    }
    Q_EMIT finished(SendExitOk);
}

} // namespace lume
