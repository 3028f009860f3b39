#pragma once

#include "watchedserialcontrol.h"

#include "badgesender.h"
#include "userprompt.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace lume {

// The bar, the bytes that have left the port and the time a 1200-baud line needs for the rest.
[[nodiscard]] QString progressLine(qint64 sent, qint64 total);

// One Send from the command line, through the windows' Send command code: ReadComSet, opening the
// port with the windows' messages and hints, the transfer with its drain waits. The messages
// that a window shows in boxes become lines for standard error.
class SendSession final : public QObject, private ProgressDisplay
{
    Q_OBJECT
public:
    static constexpr int ProgressIntervalMs = 250;

    // explain: why a port does not open, from the system's side; none: the failure's own words.
    explicit SendSession(SerialControl &port, FailureExplainer explain = {}, QObject *parent = nullptr);
    ~SendSession() override;

    // Progress is drawn on this terminal while the transfer runs; nullptr draws none.
    void setProgressTerminal(std::FILE *terminal) { m_terminal = terminal; }

    // ReadComSet for "COMn"; false when it names no port of the list.
    bool configure(const QString &portName);
    // Opens the port and starts writing; false when the port cannot be used. finished() follows a
    // start that returned true, once the last byte has left the port and the port is closed.
    bool start(const BadgeStream &stream);

    // What went wrong: the message first, then the hints, one a line.
    [[nodiscard]] const QStringList &errorLines() const { return m_errorLines; }

    [[nodiscard]] static SendProfile profile();

Q_SIGNALS:
    void finished(int exitStatus);

private:
    // The window's box as lines: its text and the first paragraph of its detail make the message,
    // the other paragraphs are the hints.
    void setErrorLines(const QString &text, const QStringList &detail);
    void refused(const SendRefusal &refusal);
    void setProgressRange(int, int) override { }
    void setProgressValue(int) override { drawProgress(); }

    void drawProgress();
    void transferFinished();

    WatchedSerialControl m_port;
    BadgeSender m_sender;
    QTimer m_progressTimer;
    std::FILE *m_terminal = nullptr;
    qint64 m_total = 0;
    QStringList m_errorLines;
};

} // namespace lume
