// What writeString() accepts reads back exactly through readString(), in a UTF-8 or a legacy file
// of any code page, other keys stay, a refused write leaves the file alone, and a cut read is the
// longest whole-character start that fits.
#include "fuzztext.h"

#include "profilefile.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace lume;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString filePath; // the file of the input being run, shown when it fails

[[noreturn]] void fail(const char *what, const QString &detail)
{
    QString quoted;
    QDebug(&quoted) << detail << "in"
                    << fileBytes(filePath); // escapes control characters and lone surrogates
    std::fprintf(stderr, "fuzz_profilefile: %s: %s\n", what, qPrintable(quoted));
    std::abort();
}

// The value as readString() sees it, or nullopt when it gives the default: two different
// defaults tell a stored value from a default.
std::optional<QString> storedValue(const ProfileFile &file, const QString &section, const QString &key)
{
    constexpr int Big = 1 << 20;
    const QString a = file.readString(section, key, QStringLiteral("a"), Big);
    const QString b = file.readString(section, key, QStringLiteral("b"), Big);
    if (a != b)
        return std::nullopt;
    return a;
}

// What a written value reads back as: its line breaks as they were (stored on one line, decoded
// again), a U+2028 or U+2029 as the line break it stands for, and a lone surrogate, which no
// encoding holds, as U+FFFD.
QString storedForm(const QString &value)
{
    QString text = decodeLineBreaks(encodeLineBreaks(value));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

bool sameName(const QString &a, const QString &b)
{
    const auto trimmed = [](QString s) {
        // The blanks both sides of the file format drop around names.
        while (!s.isEmpty() && QStringLiteral(" \t\v\f\r").contains(s.front()))
            s.remove(0, 1);
        while (!s.isEmpty() && QStringLiteral(" \t\v\f\r").contains(s.back()))
            s.chop(1);
        return s;
    };
    return trimmed(a).compare(trimmed(b), Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LumeSet.ini"));
    filePath = path;
    QFile::remove(path);

    FuzzedDataProvider data(bytes, size);
    const bool existing = data.ConsumeBool();
    const std::string initial = data.ConsumeRandomLengthString(300);
    const QString section1 = fuzz::fuzzText(data, 12);
    const QString key1 = fuzz::fuzzText(data, 12);
    const QString value1 = fuzz::fuzzText(data, 40);
    const QString section2 = fuzz::fuzzText(data, 12);
    const QString key2 = fuzz::fuzzText(data, 12);
    const QString value2 = fuzz::fuzzText(data, 40);
    const int bufferSize = data.ConsumeIntegralInRange<int>(-1, 80);

    // The file's code page, as the user's locale would give it: a legacy file is written back in it.
    static constexpr CodePage CodePages[] = {CodePage::Western, CodePage::Gbk, CodePage::ShiftJis,
                                             CodePage::Big5,    CodePage::Uhc, CodePage::Cyrillic};
    const CodePage codePage = CodePages[data.ConsumeIntegralInRange<size_t>(0, std::size(CodePages) - 1)];

    if (existing) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(initial.data(), qsizetype(initial.size()));
    }
    ProfileFile profile(path, codePage);

    const QByteArray before = fileBytes(path);
    const bool wrote2 = profile.writeString(section2, key2, value2);
    if (!wrote2 && fileBytes(path) != before)
        fail("a refused write changed the file", section2 + u'/' + key2);
    if (wrote2 && storedValue(profile, section2, key2) != storedForm(value2))
        fail("a written value does not read back", section2 + u'/' + key2 + u'=' + value2);

    const QByteArray middle = fileBytes(path);
    const bool wrote1 = profile.writeString(section1, key1, value1);
    if (!wrote1 && fileBytes(path) != middle)
        fail("a refused write changed the file", section1 + u'/' + key1);
    const std::optional<QString> read1 = storedValue(profile, section1, key1);
    if (wrote1 && read1 != storedForm(value1))
        fail("a written value does not read back", section1 + u'/' + key1 + u'=' + value1);
    // Writing the same again adds nothing: no duplicate line, no growth. (Blanks left before a
    // value by the first write may be tidied away, which changes no value.)
    if (wrote1) {
        const QByteArray once = fileBytes(path);
        const bool again = profile.writeString(section1, key1, value1);
        const QByteArray twice = fileBytes(path);
        if (!again || twice.size() > once.size() || twice.count('\n') != once.count('\n') ||
            storedValue(profile, section1, key1) != read1)
            fail("writing the same value again added to the file", section1 + u'/' + key1);
    }
    if (wrote1 && wrote2 && !(sameName(section1, section2) && sameName(key1, key2)) &&
        storedValue(profile, section2, key2) != storedForm(value2))
        fail("writing one key changed another", section2 + u'/' + key2);

    // A value read through a small buffer is the longest start of it that fits in whole characters,
    // counted in bytes of the code page as Windows counts them.
    if (read1) {
        const QString cut = profile.readString(section1, key1, QString(), bufferSize);
        const qsizetype room = std::max(bufferSize - 1, 0);
        if (cut != read1->left(CodePageCodec::instance(codePage).fittingLength(*read1, room)))
            fail("a cut value is not the longest start that fits", *read1 + u'|' + cut);
    }
    (void)profile.readInt(section1, key1, 7);
    return 0;
}
