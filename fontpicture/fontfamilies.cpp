#include "fontfamilies.h"

#include <QFontDatabase>

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

} // namespace lume
