#pragma once

#include "badgestream.h"
#include "serialcontrol.h"
#include "transferjob.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace lume {

class SerialControl;
class ProgressDisplay;

// The start-up probe: every port from COM1 to COMmax that opens and reads open, in order.
struct ProbeResult
{
    QStringList ports;
    int highest = 0;
};
[[nodiscard]] ProbeResult probePorts(SerialControl &port, int maxPort);

// What each program hands in to its Send command and port probe.
struct SendProfile
{
    int maxPort = 0; // COM1..COMmaxPort are probed and accepted
    QString busyText;
    QString busyTitle;
    QStringList directions; // the direction list's texts, in code order
    ProgressSteps progress;
    // The entry of the probe to preselect; empty when there is none.
    std::function<QString(const ProbeResult &)> preselect;
    // Explains a port that does not open; none: the failure's own words are all.
    FailureExplainer explainFailure {};
};

// Why BadgeSender would not send, for the windows to show and lumesend to print; the core has no
// words of its own for it.
struct SendRefusal
{
    enum class Kind {
        Busy, // a transfer runs: the program's busy message
        PortNumber, // ReadComSet: the text names no port of the list
        PortInUse, // the port does not open, or DTR fails on a device with modem-control lines
        PortOpenFailed, // the port opened but reads closed
    };
    Kind kind = Kind::Busy;
    SerialFailure failure; // the port's failure, for the two port kinds
    QStringList explanation; // the failure in the system's words, then the explainer's, a paragraph each

    friend bool operator==(const SendRefusal &, const SendRefusal &) = default;
};

// The port side of the Send command shared by both windows: the busy test, ReadComSet, opening the
// port with its messages, and the asynchronous transfer. The open port is the sign of a transfer.
class BadgeSender : public QObject
{
    Q_OBJECT
public:
    BadgeSender(SerialControl &port, ProgressDisplay &progress, SendProfile profile,
                QObject *parent = nullptr);
    ~BadgeSender() override;

    [[nodiscard]] bool isSending() const;
    // Refuses (Busy) and returns true while a transfer runs.
    bool refuseWhileSending();
    // ReadComSet: "COM1".."COMmax" exactly; anything else is refused (PortNumber).
    bool readComSet(const QString &portText);
    // Opens the port (its failures are refused and end the Send with the port closed), then
    // builds the stream from the bank as it is now, stores the clipped widths back into the bank and
    // starts writing. Returns true when the transfer runs.
    bool startTransfer(MessageBank &bank, const MessageSettingsList &settings);
    // The same for a stream built beforehand, so that a sender that shows its size builds it once.
    bool startTransfer(const BadgeStream &stream);
    // Used when the window closes during a transfer: stops writing and closes the port.
    void cancel();

    [[nodiscard]] const SendProfile &profile() const { return m_profile; }
    // The failure in the system's words, then what the explainer adds, a paragraph each.
    [[nodiscard]] static QStringList portFailureParagraphs(const SerialFailure &failure,
                                                           const FailureExplainer &explain = {});
    // The same as a message box's detail text: the paragraphs apart by blank lines.
    [[nodiscard]] static QString portFailureDetail(const SerialFailure &failure,
                                                   const FailureExplainer &explain = {});

Q_SIGNALS:
    void transferFinished();
    // Emitted before the refusing call returns.
    void refused(const lume::SendRefusal &refusal);

private:
    bool openPort();
    void startJob(const BadgeStream &stream);
    void refusePort(SendRefusal::Kind kind);

    SerialControl &m_port;
    ProgressDisplay &m_progress;
    SendProfile m_profile;
    QPointer<TransferJob> m_job;
};

} // namespace lume
