#include "sendcommandline.h"

#include "language.h"
#include "scriptsendprofile.h"
#include "sketchsendprofile.h"
#include "sketchsettings.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace lume {

namespace {

const QStringList DestinationOptions {QStringLiteral("--port"), QStringLiteral("--device"),
                                      QStringLiteral("--output")};
const QStringList ScreenTextOptions {QStringLiteral("--font"), QStringLiteral("--size"),
                                     QStringLiteral("--bold"), QStringLiteral("--top-adjust")};
const QStringList MessageOptions {QStringLiteral("--text"),      QStringLiteral("--screen-text"),
                                  QStringLiteral("--font"),      QStringLiteral("--size"),
                                  QStringLiteral("--bold"),      QStringLiteral("--top-adjust"),
                                  QStringLiteral("--image"),     QStringLiteral("--speed"),
                                  QStringLiteral("--direction"), QStringLiteral("--flash")};
const QStringList SwitchOptions {QStringLiteral("--bold"), QStringLiteral("--flash"),
                                 QStringLiteral("--strict")};
const QStringList SourceOptions {QStringLiteral("--settings"), QStringLiteral("--stream")};

// A stream file is sent as it is: nothing composes messages beside it.
QString checkSources(const SendRequest &request)
{
    if (request.streamPath.isEmpty())
        return {};
    if (!request.settingsPath.isEmpty())
        return QStringLiteral("--stream cannot be combined with --settings");
    if (request.languageGiven || !request.fontDir.isEmpty())
        return QStringLiteral("--stream sends the file as it is: --language and --font-dir do not apply");
    for (const QStringList &options : request.givenOptions) {
        if (!options.isEmpty())
            return QStringLiteral("--stream sends the file as it is: %1 does not apply").arg(options.first());
    }
    return {};
}

// Plain decimals only: the programs read the leading number of a text, and "1e3" or "0x10" would
// read as something else than the user meant.
bool isPlainNumber(const QString &text, bool sign)
{
    // Anchored as a whole: "$" would also match before a final line feed ("1\n").
    static const QRegularExpression unsignedNumber(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(\\.[0-9]+)?")));
    static const QRegularExpression signedNumber(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+(\\.[0-9]+)?")));
    return (sign ? signedNumber : unsignedNumber).match(text).hasMatch();
}

QString quotedList(const QStringList &entries)
{
    QStringList quoted;
    for (const QString &entry : entries)
        quoted << u'"' + entry + u'"';
    return quoted.join(QStringLiteral(", "));
}

} // namespace

QString checkMessageRequest(const MessageRequest &message, int number)
{
    const bool screenSettings = !message.fontFamily.isEmpty() || !message.fontSize.isEmpty() ||
        message.bold || !message.topAdjust.isEmpty();
    if (message.dotText && (message.screenText || message.hasPicture()))
        return QStringLiteral("message %1: --text cannot be combined with --screen-text or --image")
            .arg(number);
    if (!message.screenText && screenSettings)
        return QStringLiteral("message %1: --font, --size, --bold and --top-adjust belong to --screen-text")
            .arg(number);
    return {};
}

void useFirstStartFont(MessageRequest &message)
{
    if (!message.screenText)
        return;
    const SketchMessageSettings firstStart;
    if (message.fontFamily.isEmpty())
        message.fontFamily = firstStart.fontName;
    if (message.fontSize.isEmpty())
        message.fontSize = firstStart.fontSize;
}

bool SendCommandLine::needsScreenFonts() const
{
    if (!request.settingsPath.isEmpty())
        return true; // a Lumeset.ini draws its texts in screen fonts
    for (const MessageRequest &message : request.messages) {
        if (message.screenText)
            return true;
    }
    return false;
}

std::optional<int> directionOfEitherList(const QString &text)
{
    for (const QStringList &directions : {sketchDirections(), scriptDirections()}) {
        const qsizetype code = directions.indexOf(text);
        if (code >= 0)
            return int(code);
    }
    return std::nullopt;
}

SendCommandLine readSendCommandLine(const QStringList &arguments)
{
    SendCommandLine line;
    const QStringList args = arguments.mid(1);
    auto failed = [&line](const QString &why) {
        line.error = QStringLiteral("lumesend: %1 (see lumesend --help)").arg(why);
        return line;
    };

    SendRequest &request = line.request;
    bool hasDestination = false;
    QSet<QString> globalGiven;
    int current = -1;
    std::array<QSet<QString>, MessageBank::MessageCount> given;
    std::array<bool, MessageBank::MessageCount> named {};

    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &option = args[i];
        if (option == u"--check-port") {
            if (i != 0 || args.size() > 2)
                return failed(QStringLiteral("--check-port stands alone, with one port or none"));
            line.action = SendCommandLine::Action::CheckPort;
            request.target = args.value(1);
            return line;
        }
        if (option == u"--help" || option == u"-h" || option == u"--version" || option == u"--list-ports") {
            if (args.size() != 1)
                return failed(QStringLiteral("%1 stands alone").arg(option));
            line.action = option == u"--version" ? SendCommandLine::Action::Version
                : option == u"--list-ports"      ? SendCommandLine::Action::ListPorts
                                                 : SendCommandLine::Action::Help;
            return line;
        }
        const bool known = option == u"--message" || option == u"--language" || option == u"--font-dir" ||
            option == u"--strict" || SourceOptions.contains(option) || DestinationOptions.contains(option) ||
            MessageOptions.contains(option);
        if (!known) {
            if (option.startsWith(u'-') && option.size() > 1)
                return failed(QStringLiteral("unknown option \"%1\"").arg(option));
            return failed(QStringLiteral("unexpected argument \"%1\"").arg(option));
        }
        QString value;
        if (!SwitchOptions.contains(option)) {
            if (i + 1 >= args.size())
                return failed(QStringLiteral("%1 needs a value").arg(option));
            value = args[++i];
        }

        if (option == u"--strict") {
            if (request.strict)
                return failed(QStringLiteral("--strict is given twice"));
            request.strict = true;
            continue;
        }

        if (option == u"--message") {
            static const QRegularExpression number(
                QRegularExpression::anchoredPattern(QStringLiteral("[1-8]")));
            if (!number.match(value).hasMatch())
                return failed(QStringLiteral("--message takes a number from 1 to 8, not \"%1\"").arg(value));
            current = value.toInt() - 1;
            if (named[current])
                return failed(QStringLiteral("message %1 is named twice").arg(value));
            named[current] = true;
            request.givenOptions[current] << option;
            continue;
        }

        if (!MessageOptions.contains(option)) {
            const QString group =
                DestinationOptions.contains(option) ? QStringLiteral("destination") : option;
            if (globalGiven.contains(group)) {
                return failed(group == u"destination"
                                  ? QStringLiteral("give only one of --port, --device and --output")
                                  : QStringLiteral("%1 is given twice").arg(option));
            }
            globalGiven.insert(group);
            if (value.isEmpty())
                return failed(QStringLiteral("%1 needs a value").arg(option));
            if (option == u"--language") {
                if (!languageEntries().contains(value))
                    return failed(QStringLiteral("--language takes one of %1, not \"%2\"")
                                      .arg(quotedList(languageEntries()), value));
                request.language = value;
                request.languageGiven = true;
            } else if (option == u"--settings") {
                request.settingsPath = value;
            } else if (option == u"--stream") {
                request.streamPath = value;
            } else if (option == u"--font-dir") {
                request.fontDir = value;
            } else {
                hasDestination = true;
                request.target = value;
                if (option == u"--port") {
                    request.destination = SendRequest::Destination::Port;
                } else if (option == u"--device") {
                    // Absolute: Qt would take a bare name as one in /dev.
                    request.destination = SendRequest::Destination::Device;
                    request.target = QDir::cleanPath(QDir::current().absoluteFilePath(value));
                } else {
                    request.destination = SendRequest::Destination::Output;
                }
            }
            continue;
        }

        if (current < 0)
            return failed(QStringLiteral("%1 must follow --message N").arg(option));
        if (given[current].contains(option))
            return failed(QStringLiteral("%1 is given twice for message %2").arg(option).arg(current + 1));
        given[current].insert(option);
        request.givenOptions[current] << option;
        MessageRequest &message = request.messages[current];
        if (option == u"--text") {
            message.dotText = value;
        } else if (option == u"--screen-text") {
            message.screenText = value;
        } else if (option == u"--font") {
            if (value.isEmpty())
                return failed(QStringLiteral("--font needs a font family"));
            message.fontFamily = value;
        } else if (option == u"--size") {
            if (!isPlainNumber(value, false) || value.toDouble() <= 0)
                return failed(QStringLiteral("--size takes a size in points above 0, such as 10, not \"%1\"")
                                  .arg(value));
            message.fontSize = value;
        } else if (option == u"--bold") {
            message.bold = true;
        } else if (option == u"--top-adjust") {
            if (!isPlainNumber(value, true))
                return failed(QStringLiteral("--top-adjust takes a number of pixels, such as -2, not \"%1\"")
                                  .arg(value));
            message.topAdjust = value;
        } else if (option == u"--image") {
            if (value.isEmpty())
                return failed(QStringLiteral("--image needs a file name"));
            message.picturePath = value;
        } else if (option == u"--speed") {
            if (!speedEntries().contains(value))
                return failed(QStringLiteral("--speed takes 1 to 8, not \"%1\"").arg(value));
            message.settings.speed = value;
        } else if (option == u"--direction") {
            const std::optional<int> code = directionOfEitherList(value);
            if (!code) {
                return failed(
                    QStringLiteral("--direction takes one of %1 or %2, not \"%3\"")
                        .arg(quotedList(sketchDirections()), quotedList(scriptDirections()), value));
            }
            message.settings.direction = sketchDirections().at(*code);
        } else if (option == u"--flash") {
            message.settings.flash = true;
        }
    }

    if (const QString problem = checkSources(request); !problem.isEmpty())
        return failed(problem);
    // Over a settings file a message's options are checked once they lie on the file's.
    for (int m = 0; m < MessageBank::MessageCount && request.settingsPath.isEmpty(); ++m) {
        const QString problem = checkMessageRequest(request.messages[m], m + 1);
        if (!problem.isEmpty())
            return failed(problem);
        useFirstStartFont(request.messages[m]);
    }
    if (!hasDestination)
        return failed(
            QStringLiteral("say where the messages go: --port COMn, --device PATH or --output FILE"));
    return line;
}

QString sendHelpText()
{
    static const char text[] =
        R"HELP(Usage: lumesend (--port COMn | --device PATH | --output FILE) [--language TEXT] [--font-dir DIR]
                [--settings FILE] [--strict]
                [--message N [--text TEXT | --screen-text TEXT [--font FAMILY] [--size SIZE] [--bold]
                              [--top-adjust Y] | --image FILE]
                             [--speed TEXT] [--direction TEXT] [--flash]] ...
       lumesend (--port COMn | --device PATH | --output FILE) --stream FILE
       lumesend --list-ports
       lumesend --check-port [COMn | PATH]
       lumesend --help | --version

Composes the eight messages of the LED name badge as Sketchlume and Scriptlume do and sends them,
or writes the byte stream to a file.

Where to:
  --port COMn        a port of the programs' port list, COM1 to COM32 (see --list-ports)
  --device PATH      a serial device named directly, for example a badgesim pseudo-terminal
  --output FILE      write the stream to FILE instead ("-" for standard output)
  --list-ports       list the ports as "COMn  device  adapter (vid:pid, driver)", one a line;
                     opens none of them
  --check-port [COMn | PATH]
                     tell whether this user can open the port (every port when none is named)
                     and if not why, with the command that fixes it; writes nothing to it;
                     exit status 0 when every port checked can be opened

From files:
  --settings FILE    the eight messages of a window's settings file, taken as the window takes them
                     at start-up: a Scriptlume.ini (sections [Message1]..[Message8], [Language])
                     gives the texts, "Select", speed, direction, flash and language, drawn as
                     Scriptlume's Send draws them; a Lumeset.ini (sections [MessageText],
                     [TopLocationAdjustSet], [MessageNShowFontSet], [MessageNShowMode]) gives each
                     text drawn as Sketchlume's "Up Paste Text" draws it with its saved font and
                     top offset, and its movement. The sections tell which program's file it is.
                     --message N and its options change message N over the file; --language
                     replaces the file's language.
  --stream FILE      a stream written by --output, checked and sent as it is

Messages (the options after --message N apply to message N, 1 to 8, until the next --message;
a message not named is empty, speed 4, direction 0, no flash):
  --text TEXT        dot-font text, as Scriptlume draws it
  --language TEXT    "Chinese (Simplified)" (default), "Chinese (Traditional)", "Japanese" or
                     "Korean": the code page and double-byte font file of every --text
  --font-dir DIR     where the dot-font files are (default: the current folder, then
                     share/scriptlume beside the program's folder)
  --screen-text TEXT text drawn in a screen font, as Sketchlume's "Up Paste Text" does
    --font FAMILY    an installed font family (see fc-list : family); default "System", the
                     desktop's general font, as Sketchlume starts
    --size SIZE      the size in points, as in "Font Size:" (default 10)
    --bold           bold
    --top-adjust Y   the top of the text in pixels, as "Top Location Adjust:" (default -2)
  --image FILE       a picture (BMP, GIF, JPEG, icon or PNG), as Sketchlume's "Load Picture";
                     with --screen-text the text is drawn over it
  --speed TEXT       1 to 8 (default 4)
  --direction TEXT   "From right to left", "From left to right", "From down to up",
                     "From up to down", "Freeze show", or Scriptlume's "to Left", "to Right",
                     "to Up", "to Down", "Freeze" (default: the first of each)
  --flash            flash the message

What the badge will not show is said on standard error before anything is sent, one line per
message and kind, such as
  lumesend: message 1: 2 characters cannot be shown in Japanese and are sent as "?": 안, 녕
for characters of a --text that the language's code page cannot hold (they are sent as "?"), a
message cut on the right by the badge's 512 column bytes, a message dropped (sent with width 0)
because the messages before it fill the badge, and lit pixels of a --screen-text or picture outside
the 12 rows; the same for the messages of a --settings file. The stream is sent all the same.
  --strict           send nothing and end with status 1 when there is such a warning

A send shows its progress on standard error when that is a terminal and ends once the last byte
has left the port. Exit status: 0 sent or written, 1 a settings, stream, picture, font or output
file or the port could not be used, there is nothing to send or --strict found something the badge
will not show, 2 wrong command line. Nothing is written to the port or the file unless everything
could be composed.
)HELP";
    return QString::fromUtf8(text);
}

} // namespace lume
