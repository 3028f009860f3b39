// Timing program, not a test: the preparation of a Send with the generated dot-font files (eight
// selected messages of 512 double-byte characters each, files opened, read glyph by glyph and closed
// every round), and one width estimate of a 512-character text mixing letters and double-byte
// characters, for each language. The files are found as Scriptlume finds them (working directory,
// then share/scriptlume beside bin/).
//   bench_dotfontrasteriser [rounds]
#include "dotfontrasteriser.h"
#include "language.h"
#include "messagebank.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

using namespace lume;

namespace {

// Characters the code page holds as double-byte codes, picked across the whole grid so that the
// reads spread over the file as a real text's would.
QString doubleByteText(CodePage codePage, int length, int seed)
{
    const CodePageCodec &table = CodePageCodec::instance(codePage);
    QList<char32_t> characters;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
            if (character != 0 && character <= 0xFFFF && qint16(table.characterCode(character)) < 0)
                characters << character;
        }
    }
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(char16_t(characters[(qsizetype(i) * 7919 + seed * 104729) % characters.size()]));
    return text;
}

// Letters and double-byte characters taking turns in runs of three.
QString mixedText(CodePage codePage, int length)
{
    const QString wide = doubleByteText(codePage, length, 8);
    QString text;
    for (int i = 0; i < length; ++i)
        text += (i / 3) % 2 == 0 ? QChar(u'a' + i % 26) : wide[i];
    return text;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 200;
    QTextStream out(stdout);
    const QStringList searchDirs = defaultFontSearchDirs();
    const std::array<bool, MessageBank::MessageCount> selected {true, true, true, true,
                                                                true, true, true, true};

    for (const QString &language : languageEntries()) {
        const CodePage codePage = languageFor(language).codePage;
        std::array<QString, MessageBank::MessageCount> texts;
        for (int m = 0; m < MessageBank::MessageCount; ++m)
            texts[m] = doubleByteText(codePage, 512, m);

        MessageBank bank;
        QElapsedTimer clock;
        clock.start();
        if (!prepareBank(bank, texts, selected, language, searchDirs).ok) {
            out << "dot-font files not found in " << searchDirs.join(u", ") << "\n";
            return 1;
        }
        const double firstMs = double(clock.nsecsElapsed()) / 1e6;
        QList<double> prepareMs;
        for (int i = 0; i < rounds; ++i) {
            clock.restart();
            const bool ok = prepareBank(bank, texts, selected, language, searchDirs).ok;
            prepareMs << double(clock.nsecsElapsed()) / 1e6;
            if (!ok)
                return 1;
        }
        out << language << ": prepareBank, 8 x 512 double-byte characters, median of " << rounds << ": "
            << median(prepareMs) << " ms (max " << *std::max_element(prepareMs.begin(), prepareMs.end())
            << ", first " << firstMs << ") (goal < 5 ms)\n";

        // Many calls per sample, so that the clock's own cost does not count.
        const QString mixed = mixedText(codePage, 512);
        constexpr int CallsPerSample = 200;
        int sink = 0;
        QList<double> estimateUs;
        for (int i = 0; i < rounds; ++i) {
            clock.restart();
            for (int call = 0; call < CallsPerSample; ++call)
                sink += estimateWidth(mixed, codePage);
            estimateUs << double(clock.nsecsElapsed()) / 1e3 / CallsPerSample;
        }
        out << language << ": estimateWidth, 512 mixed characters (width " << estimateWidth(mixed, codePage)
            << "), median of " << rounds << ": " << median(estimateUs) << " us (max "
            << *std::max_element(estimateUs.begin(), estimateUs.end()) << ") (goal < 50 us)\n";
        out.flush();
        if (sink == 0)
            return 1; // keeps the calls from being optimised away
    }
    return 0;
}
