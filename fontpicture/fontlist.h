#pragma once

#include <QString>
#include <QStringList>

namespace lume {

// What FntName and TxtBox hold after a start, shared by the window and the command-line sender so
// that a restored message is drawn the same by both.

// The entries of a font list FntName: every installed family, sorted as the list box sorts them
// (letter case ignored, stable), and "System", the design's default face, which stands for the
// desktop's general font where no family has that name.
[[nodiscard]] QStringList composerFontFamilies();

// The family that draws a font name: the desktop's general font for "System" where no family has
// that name, otherwise the name itself.
[[nodiscard]] QString drawingFamily(const QString &fontName);

// The entry of a font list that a restored font name selects: the last one equal to it (exact,
// case-sensitive), else the last "System", else the first; -1 for an empty list.
[[nodiscard]] qsizetype fontListSelection(const QStringList &families, const QString &fontName);

// The font name FntName shows after restoring fontName: the selected entry, or the name itself
// when no font is installed at all.
[[nodiscard]] QString restoredFontName(const QStringList &families, const QString &fontName);

// The text the multi-line TxtBox gives back for a text put into it: a carriage return (alone or
// before a line feed) and the line and paragraph separators become one line feed, a no-break
// space a space.
[[nodiscard]] QString textBoxText(const QString &text);

} // namespace lume
