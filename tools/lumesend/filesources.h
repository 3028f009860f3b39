#pragma once

#include "composition.h"
#include "sendcommandline.h"

#include "streamdecoder.h"

#include <QByteArray>
#include <QString>

namespace lume {

class ProfileDocument;

// Which program wrote a settings file, told by its section names (compared without regard to
// case, as the programs read them): Scriptlume's [Message1]..[Message8] and [Language], or
// Sketchlume's [TopLocationAdjustSet], [CommPortSet], [MessageText], [MessageNShowFontSet] and
// [MessageNShowMode].
enum class SettingsKind { Neither, Scriptlume, Sketchlume, Both };
[[nodiscard]] SettingsKind settingsKindOf(const ProfileDocument &profile);

// The messages of a settings file as the window holds them after a start with it, the command
// line's options for single messages laid over them. Screen fonts need a QGuiApplication.
[[nodiscard]] SendRequest requestWithSettings(const SendRequest &request, QString *error, int *status);

// The bank and settings from which the stream builder makes exactly these bytes: each message's
// rows and width, and its mode byte as the speed text 1 + mode / 16 (exact in binary) with flash
// off and direction code 0. Fails when the rebuilt stream would differ.
[[nodiscard]] Composition compositionOfStream(const DecodedStream &stream, const QByteArray &bytes);

// What the request sends: the stream file as it is, or the messages composed from the settings
// file and the command line, or from the command line alone.
[[nodiscard]] Composition composeRequest(const SendRequest &request);

} // namespace lume
