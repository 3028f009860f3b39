#include "filesources.h"

#include "composer.h"
#include "fontlist.h"
#include "profilefile.h"
#include "scriptsendprofile.h"
#include "scriptsettings.h"
#include "sketchsettings.h"
#include "streamfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace lume {

namespace {

// The largest settings file either program writes is under 10 KB; anything near this is no settings file.
constexpr qint64 MaxSettingsBytes = 1024 * 1024;

using Messages = std::array<MessageRequest, MessageBank::MessageCount>;

QString noSettingsFile(const QString &path, const QString &why)
{
    return QStringLiteral(
               "%1: %2: not a settings file of Sketchlume (Lumeset.ini) or Scriptlume (Scriptlume.ini)")
        .arg(path, why);
}

// The first value of the file that can be read neither as UTF-8 nor in its code page, as
// "[Section] Key": the window would take its default and so send something else than what was typed.
QString firstUndecodable(const ProfileDocument &profile)
{
    const QStringList sections = profile.sections();
    for (const QString &section : sections) {
        const QStringList keys = profile.keys(section);
        for (const QString &key : keys) {
            if (profile.isUndecodable(section, key))
                return QStringLiteral("[%1] %2").arg(section, key);
        }
    }
    return {};
}

Messages scriptMessages(const ScriptSettings &settings)
{
    Messages messages;
    const QStringList directions = composedDirections();
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const ScriptMessage &stored = settings.messages[m];
        MessageRequest &message = messages[m];
        message.settings = messageSettingsFor(stored);
        // The composed directions are named from Sketchlume's list: the same code, by Scriptlume's list.
        message.settings.direction = directions.at(directionCode(stored.direction, scriptDirections()));
        // A message that is not selected is sent empty with its own movement, as Send does.
        if (selectedMessages(settings)[m] && !stored.text.isEmpty())
            message.dotText = stored.text;
    }
    return messages;
}

Messages sketchMessages(const SketchSettings &settings)
{
    Messages messages;
    const QStringList families = composerFontFamilies();
    const MessageSettingsList movement = messageSettingsList(settings);
    // What TopAdj's text reads as, so that an empty text stays 0 rather than the default.
    const QString top = QString::number(topOffsetFromText(settings.topLocationAdjust));
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const SketchMessageSettings &stored = settings.messages[m];
        MessageRequest &message = messages[m];
        message.settings = movement[m];
        // Kept also for an empty text, so that a --screen-text over it takes the message's font.
        message.fontFamily = restoredFontName(families, stored.fontName);
        message.fontSize = stored.fontSize;
        message.bold = isChecked(stored.fontBold); // a greyed box draws bold
        message.topAdjust = top;
        const QString text = textBoxText(stored.text);
        if (!text.isEmpty())
            message.screenText = text;
    }
    return messages;
}

// The command line's options for one message over the file's message.
MessageRequest laidOver(MessageRequest message, const MessageRequest &given, const QStringList &options)
{
    const auto has = [&options](const char *option) { return options.contains(QLatin1String(option)); };
    if (has("--text") || has("--screen-text") || has("--image")) {
        // New content replaces the file's; a new screen text keeps the message's saved font.
        message.dotText = given.dotText;
        message.picturePath = given.picturePath;
        message.screenText = given.screenText;
        if (!given.screenText) {
            message.fontFamily.clear();
            message.fontSize.clear();
            message.bold = false;
            message.topAdjust.clear();
        }
    }
    if (has("--font"))
        message.fontFamily = given.fontFamily;
    if (has("--size"))
        message.fontSize = given.fontSize;
    if (has("--bold"))
        message.bold = true;
    if (has("--top-adjust"))
        message.topAdjust = given.topAdjust;
    if (has("--speed"))
        message.settings.speed = given.settings.speed;
    if (has("--direction"))
        message.settings.direction = given.settings.direction;
    if (has("--flash"))
        message.settings.flash = true;
    return message;
}

} // namespace

SettingsKind settingsKindOf(const ProfileDocument &profile)
{
    static const QRegularExpression scriptSection(QStringLiteral("^(message[1-8]|language)$"));
    static const QRegularExpression sketchSection(
        QStringLiteral("^(toplocationadjustset|commportset|messagetext|message[1-8]show(fontset|mode))$"));
    bool script = false;
    bool sketch = false;
    const QStringList sections = profile.sections();
    for (const QString &section : sections) {
        const QString name = section.toLower();
        script = script || scriptSection.match(name).hasMatch();
        sketch = sketch || sketchSection.match(name).hasMatch();
    }
    return script && sketch ? SettingsKind::Both
        : script            ? SettingsKind::Scriptlume
        : sketch            ? SettingsKind::Sketchlume
                            : SettingsKind::Neither;
}

SendRequest requestWithSettings(const SendRequest &request, QString *error, int *status)
{
    *status = SendExitFailed;
    const QString &path = request.settingsPath;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        *error = QStringLiteral("%1: no such file").arg(path);
        return request;
    }
    if (info.isDir()) {
        *error = noSettingsFile(path, QStringLiteral("a folder"));
        return request;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return request;
    }
    const QByteArray content = file.read(MaxSettingsBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return request;
    }
    if (content.size() > MaxSettingsBytes) {
        *error = noSettingsFile(path, QStringLiteral("more than %1 bytes").arg(MaxSettingsBytes));
        return request;
    }
    if (content.trimmed().isEmpty()) {
        *error = noSettingsFile(path, QStringLiteral("empty"));
        return request;
    }

    SendRequest result = request;
    Messages messages;
    QList<std::pair<QString, QString>> values;
    // The bytes read above are the document: the file is read once, as the programs read it.
    const ProfileDocument profile(ProfileFile(path), content);
    QString undecodable;
    switch (settingsKindOf(profile)) {
    case SettingsKind::Neither:
        *error = noSettingsFile(path, QStringLiteral("none of their sections"));
        return request;
    case SettingsKind::Both:
        *error = QStringLiteral("%1: holds the sections of both Sketchlume's Lumeset.ini and Scriptlume's "
                                "Scriptlume.ini; which one is meant cannot be told")
                     .arg(path);
        return request;
    case SettingsKind::Scriptlume: {
        // The message texts are in the code page of the file's language.
        const ProfileDocument scriptProfile =
            profile.withCodePageRule(scriptSettingsFile(profile.file()).codePageRule());
        undecodable = firstUndecodable(scriptProfile);
        const ScriptSettings settings = readScriptSettings(profile);
        messages = scriptMessages(settings);
        if (!request.languageGiven)
            result.language = settings.language;
        break;
    }
    case SettingsKind::Sketchlume:
        undecodable = firstUndecodable(profile);
        messages = sketchMessages(readSketchSettings(profile));
        break;
    }
    if (!undecodable.isEmpty()) {
        *error = QStringLiteral("%1: the value of %2 can be read neither as UTF-8 nor in its Windows code "
                                "page; it would not be sent as it was typed")
                     .arg(path, undecodable);
        return request;
    }

    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const QStringList &options = request.givenOptions[m];
        result.messages[m] = laidOver(messages[m], request.messages[m], options);
        // Only what the command line changed is checked: the file's values are taken as they are.
        const bool changed = std::any_of(options.begin(), options.end(), [](const QString &option) {
            return option != u"--message" && option != u"--speed" && option != u"--direction" &&
                option != u"--flash";
        });
        if (changed) {
            if (const QString problem = checkMessageRequest(result.messages[m], m + 1); !problem.isEmpty()) {
                *error = problem + QStringLiteral(" (see lumesend --help)");
                *status = SendExitUsage;
                return request;
            }
        }
        // A Scriptlume.ini has no fonts; a Lumeset.ini's are taken as they are, also an empty size.
        if (messages[m].fontFamily.isEmpty())
            useFirstStartFont(result.messages[m]);
    }
    return result;
}

Composition compositionOfStream(const DecodedStream &stream, const QByteArray &bytes)
{
    Composition composition;
    composition.bank = toBank(stream);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        // Sixteenths have four decimals, so the text is exact and the mode byte comes back whole.
        const double speed = 1 + stream.messages[m].mode / 16.0;
        composition.settings[m] = MessageSettings {QString::number(speed, 'f', 4), false, QString()};
    }
    if (stream.dataWidth < 1) {
        composition.error = QStringLiteral("nothing to send: every message of the stream is empty");
        return composition;
    }
    buildStream(composition);
    if (composition.stream.bytes() != bytes)
        composition.error = QStringLiteral("the stream cannot be sent as it is"); // never, for a decoded one
    return composition;
}

Composition composeRequest(const SendRequest &request)
{
    if (!request.streamPath.isEmpty()) {
        const StreamFile file = readStreamFile(request.streamPath);
        if (!file.ok()) {
            Composition refused;
            refused.error = file.readError.isEmpty()
                ? QStringLiteral("%1: not a badge stream: %2").arg(request.streamPath, file.decoded.error)
                : file.readError;
            return refused;
        }
        return compositionOfStream(*file.decoded.stream, file.bytes);
    }
    if (!request.settingsPath.isEmpty()) {
        QString error;
        int status = SendExitFailed;
        const SendRequest layered = requestWithSettings(request, &error, &status);
        if (!error.isEmpty()) {
            Composition refused;
            refused.error = error;
            refused.errorStatus = status;
            return refused;
        }
        return composeMessages(layered);
    }
    return composeMessages(request);
}

} // namespace lume
