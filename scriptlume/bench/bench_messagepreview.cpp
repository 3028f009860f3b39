// Timing program, not a test: what hovering and typing cost in Scriptlume's message boxes, for each
// language with the generated dot-font files (found as Scriptlume finds them).
// - the tooltip image of a 512-character message: the text rasterised by a Send's preparation
//   (font files read) and drawn as LEDs as wide as a 1280-pixel screen allows (goal < 5 ms);
// - the whole tooltip text, the image as PNG included, for comparison;
// - marking a 512-character text with a unencodable character in every third place: finding
//   them (goal < 1 ms), and the same with the marks put into a line edit.
//   bench_messagepreview [rounds]
#include "dotfontrasteriser.h"
#include "language.h"
#include "messageboxpreview.h"
#include "messagepreview.h"
#include "unencodable.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace lume;

namespace {

constexpr int ScreenWidth = 1280 - 32;

// Double-byte characters of the code page spread over its grid, letters between them in runs
// of three, and every third character one that no code page has when unencodableToo.
QString messageText(CodePage codePage, int length, bool unencodableToo)
{
    const CodePageCodec &table = CodePageCodec::instance(codePage);
    QList<char16_t> wide;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
            if (character != 0 && character <= 0xFFFF && qint16(table.characterCode(character)) < 0)
                wide << char16_t(character);
        }
    QString text;
    for (int i = 0; i < length; ++i) {
        if (unencodableToo && i % 3 == 2)
            text += QChar(u'\u0301'); // a combining accent: in none of the four
        else
            text +=
                (i / 3) % 2 == 0 ? QChar(u'a' + i % 26) : QChar(wide[(qsizetype(i) * 7919) % wide.size()]);
    }
    return text;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Median and maximum in milliseconds of rounds calls.
QString timed(int rounds, const std::function<void()> &call)
{
    QList<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        clock.start();
        call();
        ms << double(clock.nsecsElapsed()) / 1e6;
    }
    return QStringLiteral("median %1 ms, max %2 ms")
        .arg(median(ms))
        .arg(*std::max_element(ms.begin(), ms.end()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 200;
    QTextStream out(stdout);
    const QStringList searchDirs = defaultFontSearchDirs();

    QComboBox language;
    language.setEditable(true);
    MessageBoxPreview::Boxes boxes {};
    for (QLineEdit *&box : boxes)
        box = new QLineEdit(&language);
    MessageBoxPreview preview(boxes, &language, searchDirs, nullptr);

    for (const QString &entry : languageEntries()) {
        const CodePage codePage = languageFor(entry).codePage;
        const QString text = messageText(codePage, 512, false);
        MessagePreview image;
        out << entry << ", 512 characters, width " << estimateWidth(text, codePage) << " column bytes\n";
        out << "  tooltip image: " << timed(rounds, [&] {
            image = previewText(text, entry, searchDirs, ScreenWidth);
        }) << " (goal < 5 ms)\n";
        if (!image.missingFile.isEmpty()) {
            out << "dot-font file " << image.missingFile << " not found in " << searchDirs.join(u", ")
                << "\n";
            return 1;
        }
        out << "  shown: " << image.leds.shownBytes << " column bytes, " << image.leds.image.width() << " x "
            << image.leds.image.height() << " pixels\n";
        QString tip;
        out << "  whole tooltip text (image as PNG): "
            << timed(rounds,
                     [&] {
                         tip = messageToolTip(previewText(text, entry, searchDirs, ScreenWidth), text, entry,
                                              searchDirs);
                     })
            << ", " << tip.size() << " characters\n";

        const QString marked = messageText(codePage, 512, true);
        QList<TextRange> ranges;
        out << "  unencodable characters: "
            << timed(rounds, [&] { ranges = unencodableCharacters(marked, codePage); }) << ", "
            << ranges.size() << " found (goal < 1 ms)\n";
        language.setEditText(entry);
        boxes[0]->setText(marked);
        out << "  marks put into the box: " << timed(rounds, [&] { preview.markAll(); }) << ", "
            << preview.marks(0).size() << " marks\n";
        out.flush();
    }
    return 0;
}
