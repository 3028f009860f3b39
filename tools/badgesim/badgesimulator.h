#pragma once

#include "badgeplayer.h"
#include "portregistration.h"
#include "pseudoterminal.h"
#include "streamreceiver.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace lume {

struct SimOptions
{
    static constexpr int MaxColumns = 1024;

    QString pngDir; // empty: no pictures
    QStringList replayFiles; // --replay: saved streams are decoded instead of listening
    bool once = false;
    bool noWindow = false;
    int columns = BadgePlayer::DefaultColumns;
    int quietMs = StreamReceiver::DefaultQuietMs;

    [[nodiscard]] bool showsWindow() const { return pngDir.isEmpty() && !once && !noWindow; }
};

struct CommandLine
{
    SimOptions options;
    bool help = false;
    bool version = false;
    QString error; // one line for standard error; empty when the arguments are sound
};

// Reads the arguments (the program name first). Needs no application object, so that main() can
// tell before making one whether a window will be shown.
[[nodiscard]] CommandLine readCommandLine(const QStringList &arguments);
[[nodiscard]] QString helpText();

// Exit statuses of badgesim.
enum SimExit {
    ExitOk = 0,
    ExitStreamFailed = 1, // --once: the stream was malformed or incomplete, or none came; or output failed
    ExitUsage = 2, // bad arguments, or no pseudo-terminal
};

// The virtual badge without its window: the pseudo-terminal, its announcement in the port
// directory, the receiver with its quiet timer, the summary on standard output and the pictures.
class BadgeSimulator : public QObject
{
    Q_OBJECT
public:
    explicit BadgeSimulator(SimOptions options, QObject *parent = nullptr);
    ~BadgeSimulator() override;

    // Opens and announces the port and says where it listens; false with errorString() when the
    // simulator cannot run at all.
    bool start();
    // Ends the run, as on SIGTERM: what is still pending is reported first; finished() follows.
    void stop();

    [[nodiscard]] QString devicePath() const { return m_terminal.slavePath(); }
    [[nodiscard]] QString errorString() const { return m_error; }
    // The status finished() gave; valid once it has been emitted.
    [[nodiscard]] int exitCode() const { return m_exitCode; }

Q_SIGNALS:
    void streamDecoded(const lume::DecodedStream &stream, int number);
    // Emitted once; the program then ends with this status.
    void finished(int exitCode);

private:
    void receive(const QByteArray &bytes);
    void checkQuiet();
    void handle(const ReceiverEvent &event);
    void writePictures(const DecodedStream &stream, int number);
    void print(const QStringList &lines);
    void warn(const QString &text);
    void finish(int exitCode);

    SimOptions m_options;
    PseudoTerminal m_terminal;
    PortRegistration m_registration;
    StreamReceiver m_receiver;
    QTimer m_quietTimer;
    QElapsedTimer m_clock;
    QString m_error;
    int m_failure = ExitOk;
    int m_exitCode = ExitOk;
    bool m_stopped = false;
};

} // namespace lume
