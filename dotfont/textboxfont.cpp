#include "textboxfont.h"

#include <QStringList>

namespace lume {

namespace {

const QString SystemFace = QStringLiteral("System");

QStringList knownFamilies(QFontDatabase::WritingSystem script)
{
    // Free fonts of Debian's font packages, best first for each script.
    switch (script) {
    case QFontDatabase::SimplifiedChinese:
        return {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UMing CN"),
                QStringLiteral("Droid Sans Fallback")};
    case QFontDatabase::TraditionalChinese:
        return {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("AR PL UMing TW"),
                QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                QStringLiteral("Droid Sans Fallback")};
    case QFontDatabase::Japanese:
        return {QStringLiteral("Noto Sans CJK JP"),    QStringLiteral("IPAGothic"),
                QStringLiteral("VL Gothic"),           QStringLiteral("TakaoGothic"),
                QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")};
    case QFontDatabase::Korean:
        return {QStringLiteral("Noto Sans CJK KR"),
                QStringLiteral("NanumGothic"),
                QStringLiteral("UnDotum"),
                QStringLiteral("Baekmuk Gulim"),
                QStringLiteral("WenQuanYi Micro Hei"),
                QStringLiteral("Droid Sans Fallback")};
    default:
        return {};
    }
}

} // namespace

QFontDatabase::WritingSystem writingSystemForCharset(int charset)
{
    switch (charset) {
    case Gb2312Charset:
        return QFontDatabase::SimplifiedChinese;
    case ChineseBig5Charset:
        return QFontDatabase::TraditionalChinese;
    case ShiftJisCharset:
        return QFontDatabase::Japanese;
    case HangulCharset:
        return QFontDatabase::Korean;
    default:
        return QFontDatabase::Any;
    }
}

QString installedFamilyFor(const QString &faceName, int charset)
{
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    const QFontDatabase::WritingSystem script = writingSystemForCharset(charset);
    const QStringList families = QFontDatabase::families(script);
    if (families.contains(faceName))
        return faceName;
    if (faceName == SystemFace && (script == QFontDatabase::Any || families.contains(general)))
        return general;
    if (script == QFontDatabase::Any)
        return faceName;
    for (const QString &known : knownFamilies(script)) {
        if (families.contains(known))
            return known;
    }
    // Bitmap-only families look poor at the text boxes' size.
    for (const QString &family : families) {
        if (QFontDatabase::isSmoothlyScalable(family))
            return family;
    }
    return faceName == SystemFace ? general : faceName;
}

} // namespace lume
