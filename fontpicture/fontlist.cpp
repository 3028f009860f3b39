#include "fontlist.h"

#include <QFontDatabase>
#include <QTextDocument>

#include <algorithm>

namespace lume {

namespace {
const QString SystemFace = QStringLiteral("System");
}

QStringList composerFontFamilies()
{
    QStringList families = QFontDatabase::families();
    if (!families.contains(SystemFace))
        families << SystemFace;
    std::stable_sort(families.begin(), families.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return families;
}

QString drawingFamily(const QString &fontName)
{
    if (fontName == SystemFace && !QFontDatabase::hasFamily(SystemFace))
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return fontName;
}

qsizetype fontListSelection(const QStringList &families, const QString &fontName)
{
    qsizetype index = families.lastIndexOf(fontName);
    if (index < 0)
        index = families.lastIndexOf(SystemFace);
    if (index < 0 && !families.isEmpty())
        index = 0;
    return index;
}

QString restoredFontName(const QStringList &families, const QString &fontName)
{
    const qsizetype index = fontListSelection(families, fontName);
    return index < 0 ? fontName : families[index];
}

QString textBoxText(const QString &text)
{
    // The text box keeps its text in a document; the round trip through one is what it gives back.
    QTextDocument document;
    document.setPlainText(text);
    return document.toPlainText();
}

} // namespace lume
