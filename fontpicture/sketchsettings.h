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

// One message's controls as texts and check states.
struct SketchMessageSettings
{
    QString text;
    QString fontName = QStringLiteral("System");
    QString fontSize = QStringLiteral("10");
    CheckValue fontBold = CheckValue::Unchecked;
    QString moveDirection = QStringLiteral("From right to left");
    CheckValue flash = CheckValue::Unchecked;
    QString moveSpeed = QStringLiteral("4");

    friend bool operator==(const SketchMessageSettings &, const SketchMessageSettings &) = default;
};

// Everything Sketchlume keeps in Lumeset.ini: 2 + 8 x 7 values.
struct SketchSettings
{
    SketchSettings(); // the defaults: texts "Message1".."Message8", TopLocationAdjust "-2"

    QString topLocationAdjust = QStringLiteral("-2");
    QString commPort; // stored at every close, never read back: the port probe chooses
    std::array<SketchMessageSettings, MessageBank::MessageCount> messages;

    friend bool operator==(const SketchSettings &, const SketchSettings &) = default;
};

QDebug operator<<(QDebug debug, const SketchSettings &settings);

// Reads every value in the order the window restores them; a missing file, section or key gives
// the default, and so does a value that cannot be decoded. Texts are cut to their read buffers
// (10, 768, 80, 10, 20, 10 bytes less one), counting bytes as Windows does in the file's ANSI code
// page: a 383-character Chinese text under a Chinese (PRC) locale comes back whole.
// Check states other than 0, 1 and 2 read as 0 (unchecked): the file was edited by hand and
// "unchecked" is the state the user can see and change.
// The file is read once.
[[nodiscard]] SketchSettings readSketchSettings(const ProfileFile &file);
[[nodiscard]] SketchSettings readSketchSettings(const ProfileDocument &file);

// Writes all 58 values into one document, in the order that gives a new file its sections
// CommPortSet, TopLocationAdjustSet, MessageText, then per message ShowFontSet and ShowMode, and
// the file in one atomic replace (none when nothing changed): after a kill it holds all the old
// values or all the new ones. A stored value that could not be decoded stays when the control
// still holds what reading it gave. Returns false when the file could not be written.
bool writeSketchSettings(ProfileFile &file, const SketchSettings &settings);
// The values into the document only; the caller commits it.
bool writeSketchSettings(ProfileDocument &file, const SketchSettings &settings);

// The movement settings the transfer encodes; a greyed flash box counts as checked.
[[nodiscard]] MessageSettingsList messageSettingsList(const SketchSettings &settings);

} // namespace lume
