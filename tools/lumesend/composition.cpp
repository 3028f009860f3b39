#include "composition.h"

#include "messageloss.h"

#include "composer.h"
#include "dotfontrasteriser.h"
#include "drawingsurface.h"
#include "fontlist.h"
#include "language.h"
#include "pictureio.h"
#include "sketchsettings.h"

#include <QDir>
#include <QFontDatabase>

#include <algorithm>
#include <memory>

namespace lume {

QStringList fontSearchDirs(const SendRequest &request)
{
    return request.fontDir.isEmpty() ? defaultFontSearchDirs() : QStringList {request.fontDir};
}

Composition composeMessages(const SendRequest &request)
{
    Composition result;
    const QString defaultTopAdjust = SketchSettings().topLocationAdjust; // Sketchlume's first start
    MessageLosses losses;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const MessageRequest &message = request.messages[m];
        result.settings[m] = message.settings;
        if (!message.hasPicture() && !message.screenText)
            continue;
        // Each message has its own drawing surface, as in the window.
        DrawingSurface surface;
        if (message.hasPicture()) {
            const PictureLoad picture = loadPicture(message.picturePath);
            if (!picture.ok()) {
                result.error = QStringLiteral("message %1: %2").arg(m + 1).arg(picture.error);
                return result;
            }
            composePicture(result.bank, m, surface, picture.image);
            losses[m].add(pictureLoss(message.picturePath));
        }
        if (message.screenText) {
            // Qt would draw an unknown family in some other font without a word. "System" stands
            // for the desktop's general font, which may be an alias that Qt resolves.
            const QString family = drawingFamily(message.fontFamily);
            if (family == message.fontFamily && !QFontDatabase::hasFamily(family)) {
                result.error =
                    QStringLiteral("message %1: no installed font family \"%2\" (see fc-list : family)")
                        .arg(m + 1)
                        .arg(message.fontFamily);
                return result;
            }
            const QString &size = message.fontSize;
            const QString top = message.topAdjust.isEmpty() ? defaultTopAdjust : message.topAdjust;
            composeText(result.bank, m, surface, *message.screenText, family, size, message.bold, top);
            losses[m].add(screenTextLoss(*message.screenText, family, size, message.bold, top));
        }
    }

    const Language language = languageFor(request.language);
    std::array<QString, MessageBank::MessageCount> texts;
    std::array<bool, MessageBank::MessageCount> dotFont {};
    bool hasGlyphs = false;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const MessageRequest &message = request.messages[m];
        if (!message.dotText)
            continue;
        dotFont[m] = true;
        texts[m] = *message.dotText;
        losses[m].unencodable = unencodableText(texts[m], request.language);
        hasGlyphs = hasGlyphs || estimateWidth(texts[m], language.codePage) > 0;
    }
    if (hasGlyphs) {
        // The preparation rewrites all eight messages; the others keep what was composed above.
        MessageBank dotBank;
        const QStringList dirs = fontSearchDirs(request);
        const PrepareResult prepared = prepareBank(dotBank, texts, dotFont, request.language, dirs);
        if (!prepared.ok) {
            QStringList folders;
            for (const QString &dir : dirs)
                folders << QDir::toNativeSeparators(QDir(dir).absolutePath());
            result.error = QStringLiteral("Font file \"%1\" not found! Looked in: %2")
                               .arg(prepared.missingFile, folders.join(QStringLiteral(", ")));
            return result;
        }
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            if (!dotFont[m])
                continue;
            for (int r = 0; r < MessageBank::RowCount; ++r)
                std::ranges::copy(dotBank.row(m, r), result.bank.row(m, r).begin());
            result.bank.setWidth(m, dotBank.width(m));
        }
    }

    const auto &widths = result.bank.widths();
    if (std::all_of(widths.begin(), widths.end(), [](qint16 width) { return width < 1; })) {
        result.error = QStringLiteral("nothing to send: every message is empty");
        return result;
    }
    // The stream's own clipping tells what is cut; the bank keeps the widths as composed.
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        losses[m].width = widths[m];
        losses[m].fullWidth = std::max<int>(losses[m].fullWidth, widths[m]);
    }
    buildStream(result);
    result.warnings = lossWarnings(losses, result.stream.clippedWidths);
    return result;
}

void buildStream(Composition &composition)
{
    composition.stream = buildBadgeStream(composition.bank, composition.settings, composedDirections());
}

} // namespace lume
