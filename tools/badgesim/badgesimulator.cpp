#include "badgesimulator.h"

#include "ledmatrix.h"
#include "streamreplay.h"
#include "streamreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace lume {

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption columns(QStringLiteral("columns"), {}, QStringLiteral("N"));
    const QCommandLineOption noWindow(QStringLiteral("no-window"));
    const QCommandLineOption png(QStringLiteral("png"), {}, QStringLiteral("DIR"));
    const QCommandLineOption once(QStringLiteral("once"));
    const QCommandLineOption replay(QStringLiteral("replay"), {}, QStringLiteral("FILE"));
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList {QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({columns, noWindow, png, once, replay, help, version});

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = QStringLiteral("badgesim: %1 (see badgesim --help)").arg(parser.errorText());
        return line;
    }
    line.help = parser.isSet(help);
    line.version = parser.isSet(version);
    SimOptions &options = line.options;
    if (parser.isSet(replay)) {
        // --replay FILE... : the files after the first are the arguments that follow.
        options.replayFiles = parser.values(replay) + parser.positionalArguments();
        if (options.replayFiles.contains(QString())) {
            line.error = QStringLiteral("badgesim: --replay needs a file name (see badgesim --help)");
            return line;
        }
        if (parser.isSet(once)) {
            line.error =
                QStringLiteral("badgesim: --once listens for a stream; it cannot be combined with --replay");
            return line;
        }
    } else if (!parser.positionalArguments().isEmpty()) {
        line.error = QStringLiteral("badgesim: unexpected argument \"%1\" (see badgesim --help)")
                         .arg(parser.positionalArguments().first());
        return line;
    }
    options.once = parser.isSet(once);
    options.noWindow = parser.isSet(noWindow);
    if (parser.isSet(png)) {
        options.pngDir = parser.value(png);
        if (options.pngDir.isEmpty()) {
            line.error = QStringLiteral("badgesim: --png needs a directory");
            return line;
        }
    }
    if (parser.isSet(columns)) {
        bool ok = false;
        const QString text = parser.value(columns);
        const int value = text.toInt(&ok);
        if (!ok || value < 1 || value > SimOptions::MaxColumns) {
            line.error = QStringLiteral("badgesim: --columns needs a whole number from 1 to %1, not \"%2\"")
                             .arg(SimOptions::MaxColumns)
                             .arg(text);
            return line;
        }
        options.columns = value;
    }
    return line;
}

QString helpText()
{
    return QStringLiteral(R"(Usage: badgesim [--columns N] [--no-window | --png DIR | --once]
       badgesim --replay FILE... [--columns N] [--no-window | --png DIR]
       badgesim --help | --version

A virtual LED name badge. It opens a pseudo-terminal and takes whatever arrives on it as the badge
would, decodes every stream and shows the messages as the badge plays them. While it runs, the
port lists of Sketchlume, Scriptlume and lumesend show its port after the real serial ports.

Options:
  --columns N    width of the window's display in LEDs, 1 to 1024 (default 48)
  --no-window    no window: the summary on standard output only; also taken, with a word
                 on standard error, when there is no display (no DISPLAY or WAYLAND_DISPLAY)
  --png DIR      also write every received message that has content as the file
                 DIR/stream<k>-message<n>.png, drawn like the LED matrix (no window)
  --once         end after the first stream (no window)
  --replay FILE...
                 decode saved streams (lumesend --output) instead of listening: the same
                 summary and pictures, each file one stream, and the window plays them in turn
  -h, --help     show this text
  -v, --version  show the version

"badgesim: listening on <device>" goes to standard error. Standard output gets, flushed after each:
  stream <k>: <bytes> bytes, <seconds> s at 1200 baud
  message <n>: speed <s>, flash on|off, direction <d> (<name>), start 0x<hhhh>, width <w>
      eight lines, n = 1..8, after every stream line; k counts the streams that decoded;
      <seconds> is what a real badge's line needs (bytes / 120); names: to left, to right,
      to up, to down, freeze, and "unknown, played to left" for codes 5 to 7
  error: malformed stream: <reason> (<bytes> bytes, <seconds> s at 1200 baud)
      (without the part in brackets when the header is too broken to tell the length)
  error: incomplete stream: <received> of <expected> bytes
      once the line has been quiet for 1 s in the middle of a stream
  skipped: <bytes> bytes before|without "Hello"

Playing in the window: one step every 20 x (9 - speed) ms, so speed 1 = 160 ms, 2 = 140 ms,
3 = 120 ms, 4 = 100 ms, 5 = 80 ms, 6 = 60 ms, 7 = 40 ms, 8 = 20 ms (higher speeds play as 8).
A step moves by one LED: directions 0 and 1 scroll the message through the display to the left
or right; 2 and 3 move display-wide pages up or down (24 steps each); 4 shows each page for
24 steps. Flash: 500 ms shown, 500 ms dark.

Exit status: 0 on success or when ended by SIGINT or SIGTERM; 1 with --once when the stream was
malformed or incomplete or none came, with --replay when a file could not be read or was no
stream ("badgesim: FILE: <reason>" on standard error), or when a picture or the output could not
be written; 2 on bad arguments, or when no pseudo-terminal can be opened or the picture directory
cannot be made.
)");
}

BadgeSimulator::BadgeSimulator(SimOptions options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_receiver([this](const ReceiverEvent &event) { handle(event); }, m_options.quietMs)
{
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_quietTimer, &QTimer::timeout, this, &BadgeSimulator::checkQuiet);
    connect(&m_terminal, &PseudoTerminal::bytesReceived, this, &BadgeSimulator::receive);
    connect(&m_terminal, &PseudoTerminal::failed, this, [this](const QString &reason) {
        warn(reason);
        m_receiver.flush();
        finish(ExitStreamFailed);
    });
}

BadgeSimulator::~BadgeSimulator() = default;

bool BadgeSimulator::start()
{
    if (!m_options.pngDir.isEmpty() && !QDir().mkpath(m_options.pngDir)) {
        m_error = QStringLiteral("badgesim: cannot create the directory %1").arg(m_options.pngDir);
        return false;
    }
    if (!m_terminal.open()) {
        m_error = QStringLiteral("badgesim: ") + m_terminal.errorString();
        return false;
    }
    m_clock.start();
    // Without the announcement the port can still be named directly (lumesend --device).
    if (!m_registration.announce(m_terminal.slavePath(), QCoreApplication::applicationPid()))
        warn(QStringLiteral("the port is not listed for the programs: ") + m_registration.errorString());
    warn(QStringLiteral("listening on ") + m_terminal.slavePath());
    return true;
}

void BadgeSimulator::stop()
{
    if (m_stopped)
        return;
    m_terminal.readPending();
    if (m_stopped)
        return; // what was still in the line completed the --once stream
    m_receiver.flush();
    finish(m_options.once ? ExitStreamFailed : m_failure);
}

void BadgeSimulator::receive(const QByteArray &bytes)
{
    if (m_stopped)
        return;
    m_receiver.feed(bytes, m_clock.elapsed());
    if (m_stopped)
        return;
    if (m_receiver.hasPending())
        m_quietTimer.start(m_receiver.quietMs());
    else
        m_quietTimer.stop();
}

void BadgeSimulator::checkQuiet()
{
    if (m_stopped)
        return;
    // A timer may fire a little early; the receiver says how long is still to go.
    const qint64 wait = m_receiver.checkQuiet(m_clock.elapsed());
    if (wait > 0 && !m_stopped)
        m_quietTimer.start(int(wait));
}

void BadgeSimulator::handle(const ReceiverEvent &event)
{
    // Pictures first: whoever reads the summary line may look for them at once.
    if (event.kind == ReceiverEvent::Kind::Stream && event.stream)
        writePictures(*event.stream, event.streamNumber);
    print(reportLines(event));
    if (event.kind == ReceiverEvent::Kind::Stream && event.stream)
        Q_EMIT streamDecoded(*event.stream, event.streamNumber);
    if (!m_options.once)
        return;
    switch (event.kind) {
    case ReceiverEvent::Kind::Stream:
        finish(m_failure);
        break;
    case ReceiverEvent::Kind::Malformed:
    case ReceiverEvent::Kind::Incomplete:
        finish(ExitStreamFailed);
        break;
    case ReceiverEvent::Kind::Skipped:
        break;
    }
}

void BadgeSimulator::writePictures(const DecodedStream &stream, int number)
{
    for (const QString &failure : writeStreamPictures(m_options.pngDir, stream, number)) {
        warn(failure);
        m_failure = ExitStreamFailed;
    }
}

void BadgeSimulator::print(const QStringList &lines)
{
    const QByteArray text = (lines.join(u'\n') + u'\n').toLocal8Bit();
    if (std::fwrite(text.constData(), 1, size_t(text.size()), stdout) != size_t(text.size()) ||
        std::fflush(stdout) != 0) {
        m_failure = ExitStreamFailed;
    }
}

void BadgeSimulator::warn(const QString &text)
{
    const QByteArray line = (QStringLiteral("badgesim: ") + text + u'\n').toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

void BadgeSimulator::finish(int exitCode)
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_exitCode = exitCode;
    m_quietTimer.stop();
    m_registration.remove();
    Q_EMIT finished(exitCode);
}

} // namespace lume
