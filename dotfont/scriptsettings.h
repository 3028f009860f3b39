#pragma once

#include "badgestream.h"
#include "checkvalue.h"
#include "messagebank.h"

#include <QDebug>
#include <QString>

#include <array>

namespace lume {

class ProfileDocument;
class ProfileFile;

// What Scriptlume keeps of one message: the control values as they are, texts unchanged.
struct ScriptMessage
{
    QString text;
    CheckValue select = CheckValue::Checked;
    QString speed = QStringLiteral("4");
    QString direction = QStringLiteral("to Left");
    CheckValue flash = CheckValue::Unchecked;

    friend bool operator==(const ScriptMessage &, const ScriptMessage &) = default;
};

// The window's state between runs, as "Scriptlume.ini" holds it.
struct ScriptSettings
{
    static constexpr const char *FileName = "Scriptlume.ini";
    static constexpr int TextBuffer = 768;
    static constexpr int SpeedBuffer = 10;
    static constexpr int DirectionBuffer = 10;
    static constexpr int LanguageBuffer = 80;

    std::array<ScriptMessage, MessageBank::MessageCount> messages;
    QString language;

    // First start: "MESSAGE1".."MESSAGE8", selected, speed "4", "to Left", no flash, simplified Chinese.
    [[nodiscard]] static ScriptSettings defaults();

    friend bool operator==(const ScriptSettings &, const ScriptSettings &) = default;
};

QDebug operator<<(QDebug debug, const ScriptMessage &message);
QDebug operator<<(QDebug debug, const ScriptSettings &settings);

// Every one of the 41 values, from one reading of the file; missing (or undecodable) ones get their defaults,
// texts are cut to their buffers. The message texts of a file from the Windows program are in the
// code page of the language stored in the same file (GBK for a text that names none), all other
// values in the file's code page; the cuts count bytes of those code pages.
[[nodiscard]] ScriptSettings readScriptSettings(const ProfileFile &file);
[[nodiscard]] ScriptSettings readScriptSettings(const ProfileDocument &file);
// Every value into one document, Message1..Message8 then Language, and the file in one atomic
// replace (none when nothing changed): after a kill it holds all the old values or all the new
// ones. A stored value that could not be decoded stays when the control still holds what reading
// it gave. False when the file could not be written.
bool writeScriptSettings(ProfileFile &file, const ScriptSettings &settings);
// The values into the document only (it takes Scriptlume's code-page rule); the caller commits it.
bool writeScriptSettings(ProfileDocument &file, const ScriptSettings &settings);
// The code-page rule of Scriptlume.ini: message texts in the code page of the stored language.
[[nodiscard]] ProfileFile scriptSettingsFile(const ProfileFile &file);

// How the controls' values go to the transfer: the one mapping the window and lumesend share.
[[nodiscard]] MessageSettings messageSettingsFor(const ScriptMessage &message);
[[nodiscard]] MessageSettingsList messageSettingsFor(const ScriptSettings &settings);
[[nodiscard]] std::array<QString, MessageBank::MessageCount> messageTexts(const ScriptSettings &settings);
[[nodiscard]] std::array<bool, MessageBank::MessageCount> selectedMessages(const ScriptSettings &settings);

} // namespace lume
