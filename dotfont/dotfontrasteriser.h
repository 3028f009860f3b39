#pragma once

#include "codepage.h"
#include "messagebank.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace lume {

inline constexpr const char *SingleByteFontFile = "ASC12";
inline constexpr int SingleByteAdvance = 8;
inline constexpr int DoubleByteAdvance = 13;
// The running pixel count X stops growing here, so that (X + 7) div 8 fits 16 bits (width 4095 at
// most); the estimate and the rasteriser share the cap and agree on every text.
inline constexpr int MaxPixelCount = 32760;

// Where the dot-font files are looked for, in order: the current working directory, then the
// program's data directory (share/scriptlume beside the program's bin directory).
[[nodiscard]] QStringList defaultFontSearchDirs();
// The first existing file of that name in the directories; nullopt when there is none. Never creates one.
[[nodiscard]] std::optional<QString> locateFontFile(const QString &name, const QStringList &searchDirs);

// Message width estimate: 8 pixels per single-byte character, 13 per double-byte one, (X + 7) div 8.
[[nodiscard]] qint16 estimateWidth(QStringView text, CodePage codePage);

// ReadHZK: clears message m and draws the text's glyphs from the two open font files, one seek and
// 12 or 24 one-byte reads per glyph; sets the width to (X + 7) div 8. Nothing is written past the row
// (column bytes beyond 511 are dropped, glyphs from pixel 4096 on are not read); a read past the end
// of a file gives blank rows.
void readHZK(MessageBank &bank, int message, QStringView text, CodePage codePage, QIODevice &singleByteFont,
             QIODevice &doubleByteFont);

struct PrepareResult
{
    bool ok = false;
    QString missingFile; // the font file found nowhere, when !ok
};

// The first stage of a Send: opens "ASC12" and the language's double-byte font, then for every
// message clears it and rasterises it when selected (width 0 otherwise), and closes the files.
// When a file is missing the bank is left as it was.
[[nodiscard]] PrepareResult prepareBank(MessageBank &bank,
                                        const std::array<QString, MessageBank::MessageCount> &texts,
                                        const std::array<bool, MessageBank::MessageCount> &selected,
                                        const QString &language, const QStringList &searchDirs);

} // namespace lume
