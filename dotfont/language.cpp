#include "language.h"

#include <array>

namespace lume {

namespace {

struct Row
{
    const char16_t *text;
    const char16_t *faceName;
    int charset;
    const char16_t *doubleByteFile;
    CodePage codePage;
};

constexpr std::array<Row, 4> Rows {{
    {u"Chinese (Simplified)", u"SimSun", 134, u"HZK12", CodePage::Gbk},
    {u"Chinese (Traditional)", u"MingLiU", 136, u"TWK12", CodePage::Big5},
    {u"Japanese", u"MS Gothic", 128, u"JPK12", CodePage::ShiftJis},
    {u"Korean", u"GulimChe", 129, u"KRK12", CodePage::Uhc},
}};

} // namespace

QStringList languageEntries()
{
    QStringList entries;
    for (const Row &row : Rows)
        entries << QString::fromUtf16(row.text);
    return entries;
}

Language languageFor(const QString &text)
{
    for (const Row &row : Rows) {
        if (text == QStringView(row.text)) {
            return {QString::fromUtf16(row.text), QString::fromUtf16(row.faceName), row.charset,
                    QString::fromUtf16(row.doubleByteFile), row.codePage};
        }
    }
    return {QString(), QStringLiteral("System"), -1, QStringLiteral("HZK12"), CodePage::Gbk};
}

QString firstStartLanguage(const QString &uiLanguage)
{
    if (uiLanguage == u"ja")
        return QString::fromUtf16(Rows[2].text);
    if (uiLanguage == u"ko")
        return QString::fromUtf16(Rows[3].text);
    if (uiLanguage == u"zh_TW")
        return QString::fromUtf16(Rows[1].text);
    return QString::fromUtf16(Rows[0].text);
}

} // namespace lume
