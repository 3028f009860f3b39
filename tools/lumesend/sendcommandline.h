#pragma once

#include "badgestream.h"
#include "messagebank.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace lume {

// Exit statuses of lumesend.
enum SendExit {
    SendExitOk = 0,
    SendExitFailed = 1, // a picture, font file, port or output file could not be used, or nothing to send
    SendExitUsage = 2, // the command line itself is wrong
};

// What one --message asks for. A message that is never named stays empty with the defaults.
struct MessageRequest
{
    std::optional<QString> dotText; // --text: Scriptlume's dot fonts
    std::optional<QString> screenText; // --screen-text: Sketchlume's "Up Paste Text"
    QString fontFamily;
    QString fontSize; // as FntSize holds it
    bool bold = false;
    QString topAdjust; // as TopAdj holds it
    QString picturePath; // --image: Sketchlume's "Load Picture", under the screen text if both
    // Speed and flash as given; the direction as the Sketchlume list entry of its code, whichever
    // program's list it was named from.
    MessageSettings settings {QStringLiteral("4"), false, QStringLiteral("From right to left")};

    [[nodiscard]] bool hasPicture() const { return !picturePath.isEmpty(); }
};

struct SendRequest
{
    enum class Destination { Port, Device, Output };
    Destination destination = Destination::Output;
    QString target; // "COMn", a device path or a file name ("-" for standard output)
    QString language = QStringLiteral("Chinese (Simplified)");
    QString fontDir; // empty: where Scriptlume looks
    bool strict = false; // --strict: nothing is sent when the badge would not show all of it
    std::array<MessageRequest, MessageBank::MessageCount> messages;

    // --settings: the messages of a window's settings file, the command line's options over them.
    QString settingsPath;
    // --stream: a saved stream, sent as it is.
    QString streamPath;
    // What the command line named itself, to lay over the settings file.
    bool languageGiven = false;
    std::array<QStringList, MessageBank::MessageCount> givenOptions;
};

struct SendCommandLine
{
    enum class Action { Send, ListPorts, CheckPort, Help, Version };
    Action action = Action::Send;
    SendRequest request; // CheckPort: target is the port or device to check, empty for all
    QString error; // one line for standard error; empty when the arguments are sound

    [[nodiscard]] bool needsScreenFonts() const;
};

// Reads the arguments, the program name first. Needs no application object, so that main() can
// choose the kind of application before making one.
[[nodiscard]] SendCommandLine readSendCommandLine(const QStringList &arguments);
[[nodiscard]] QString sendHelpText();

// Why a message's options do not go together (one line); empty when they do.
[[nodiscard]] QString checkMessageRequest(const MessageRequest &message, int number);

// A screen text without --font or --size is drawn in Sketchlume's first-start font and size.
void useFirstStartFont(MessageRequest &message);

// The direction code of a text of either program's list; nullopt for any other text.
[[nodiscard]] std::optional<int> directionOfEitherList(const QString &text);

} // namespace lume
