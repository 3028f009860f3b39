#pragma once

#include "codepage.h"

#include <QDebug>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace lume {

// A stretch of a text in UTF-16 units, as QLineEdit and QTextLayout count.
struct TextRange
{
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const TextRange &, const TextRange &) = default;
};

QDebug operator<<(QDebug debug, const TextRange &range);

// Each character of the text that the code page cannot encode, which a Send draws as the "?"
// glyph: one range per character, two units for a surrogate pair, in text order. A typed "?" is
// no such character.
[[nodiscard]] QList<TextRange> unencodableCharacters(QStringView text, CodePage codePage);

// The characters of the ranges as they are named to the user, each once, in text order: the
// character itself, or "U+0301" for one that cannot be seen.
[[nodiscard]] QStringList unencodableNames(QStringView text, const QList<TextRange> &ranges);

// "3 characters cannot be shown in Korean: é ß ü", each character named once; empty when the
// ranges are.
[[nodiscard]] QString unencodableNote(QStringView text, const QList<TextRange> &ranges,
                                      const QString &languageName);

} // namespace lume
