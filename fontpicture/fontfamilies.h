#pragma once

#include <QString>
#include <QStringList>

namespace lume {

// The entries of a font list FntName: every installed family, sorted as the list box sorts them
// (letter case ignored), and "System", the design's default face, which stands for the desktop's
// general font where no family has that name.
[[nodiscard]] QStringList composerFontFamilies();

// The family that draws a font name: the desktop's general font for "System" where no family has
// that name, otherwise the name itself.
[[nodiscard]] QString drawingFamily(const QString &fontName);

} // namespace lume
