#pragma once

#include <QFontDatabase>
#include <QString>

namespace lume {

// The Windows character sets the language table asks for.
enum WindowsCharset : int {
    AnsiCharset = 0,
    ShiftJisCharset = 128,
    HangulCharset = 129,
    Gb2312Charset = 134,
    ChineseBig5Charset = 136,
};

// The script a Windows character set stands for; Any for the others.
[[nodiscard]] QFontDatabase::WritingSystem writingSystemForCharset(int charset);

// The installed family that shows text the way the face name and character set ask for: the face
// itself when it is installed and can show the character set's script; otherwise a free font known to
// cover that script; otherwise any scalable installed family that covers it. "System" stands for the
// desktop's general font. Where nothing fits, the face is returned and fontconfig's fallback applies.
[[nodiscard]] QString installedFamilyFor(const QString &faceName, int charset);

} // namespace lume
