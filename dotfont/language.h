#pragma once

#include "codepage.h"

#include <QString>
#include <QStringList>

namespace lume {

// One row of the language table: what the text boxes ask for and which dot-font file a Send reads.
struct Language
{
    QString text; // the entry of ComLanguage; empty for the row of every other text
    QString faceName; // "SimSun", "MingLiU", "MS Gothic", "GulimChe"; "System" for any other text
    int charset = -1; // Windows character set 134, 136, 128, 129; -1 leaves it unchanged
    QString doubleByteFile; // "HZK12", "TWK12", "JPK12", "KRK12"
    CodePage codePage = CodePage::Gbk;
};

[[nodiscard]] QStringList languageEntries();
// The row of the exact (case-sensitive, whole) text, or the last row.
[[nodiscard]] Language languageFor(const QString &text);
// The entry Scriptlume starts with when there is no settings file yet, for the language of its texts
// ("ja", "ko", "zh_TW", "zh_CN", or empty for English): the dot fonts of that script, and otherwise
// "Chinese (Simplified)".
[[nodiscard]] QString firstStartLanguage(const QString &uiLanguage);

} // namespace lume
