#pragma once

#include "ledpreview.h"
#include "unencodable.h"

#include <QString>
#include <QStringList>

namespace lume {

// One message text as the badge will show it in a language, and what of it the badge cannot show.
struct MessagePreview
{
    LedPreview leds; // no image when a font file is missing; the width is then the estimate
    QString missingFile; // the font file found nowhere, as a Send names it
    QList<TextRange> unencodable;
};

// The name of the language whose code page and font a text of ComLanguage selects: the entry
// itself, or "Chinese (Simplified)" for any other text, as a Send reads it.
[[nodiscard]] QString languageName(const QString &languageText);

// The text rasterised as a Send does it (the same font files, found and read by the same code)
// into a bank of its own, so that nothing of the window's bank, widths or meter changes.
[[nodiscard]] MessagePreview previewText(const QString &text, const QString &languageText,
                                         const QStringList &searchDirs, int maxImageWidth);

// The tooltip of a message box: the LEDs and width, or the missing font file in a Send's words,
// then the characters that cannot be shown.
[[nodiscard]] QString messageToolTip(const MessagePreview &preview, const QString &text,
                                     const QString &languageText, const QStringList &searchDirs);

// A Send's words for a missing font file: the message and the folders searched.
[[nodiscard]] QString fontFileMissingText(const QString &file);
[[nodiscard]] QString fontFoldersText(const QStringList &searchDirs);

} // namespace lume
