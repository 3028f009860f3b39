#include "messagepreview.h"

#include "dotfontrasteriser.h"
#include "language.h"

#include <QCoreApplication>
#include <QDir>

#include <memory>

namespace lume {

QString languageName(const QString &languageText)
{
    const Language language = languageFor(languageText);
    return language.text.isEmpty() ? languageEntries().constFirst() : language.text;
}

MessagePreview previewText(const QString &text, const QString &languageText, const QStringList &searchDirs,
                           int maxImageWidth)
{
    MessagePreview preview;
    const CodePage codePage = languageFor(languageText).codePage;
    preview.unencodable = unencodableCharacters(text, codePage);

    auto bank = std::make_unique<MessageBank>(); // 48 KiB: not on the stack
    std::array<QString, MessageBank::MessageCount> texts {};
    std::array<bool, MessageBank::MessageCount> selected {};
    texts[0] = text;
    selected[0] = true;
    const PrepareResult prepared = prepareBank(*bank, texts, selected, languageText, searchDirs);
    if (!prepared.ok) {
        preview.missingFile = prepared.missingFile;
        preview.leds.width = estimateWidth(text, codePage);
        return preview;
    }
    preview.leds = previewMessage(*bank, 0, maxImageWidth);
    return preview;
}

QString messageToolTip(const MessagePreview &preview, const QString &text, const QString &languageText,
                       const QStringList &searchDirs)
{
    QStringList notes;
    if (!preview.missingFile.isEmpty())
        notes << fontFileMissingText(preview.missingFile) << fontFoldersText(searchDirs);
    const QString unencodable = unencodableNote(text, preview.unencodable, languageName(languageText));
    if (!unencodable.isEmpty())
        notes << unencodable;
    return previewToolTip(preview.leds, notes);
}

QString fontFileMissingText(const QString &file)
{
    return QCoreApplication::translate("lume::MessagePreview", "Font file \"%1\" not found!").arg(file);
}

QString fontFoldersText(const QStringList &searchDirs)
{
    QStringList folders;
    for (const QString &dir : searchDirs)
        folders << QDir::toNativeSeparators(QDir(dir).absolutePath());
    return QCoreApplication::translate(
               "lume::MessagePreview",
               "Scriptlume looks for its dot-font files in these folders, in this order:\n") +
        folders.join(QLatin1Char('\n'));
}

} // namespace lume
