#include "dotfontgenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

// Builds the five dot-font files of Scriptlume from free 12-pixel bitmap fonts, or shows a glyph of
// a built file (--dump FILE CODEHEX).
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dotfontgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds the dot-font files ASC12, HZK12, TWK12, JPK12 and KRK12."));
    parser.addHelpOption();
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("Folder to write the files to."),
                                    QStringLiteral("dir"));
    const QCommandLineOption wenQuanYi(
        QStringLiteral("wenquanyi"), QStringLiteral("WenQuanYi Bitmap Song 12 px."), QStringLiteral("file"));
    const QCommandLineOption microHei(QStringLiteral("microhei"), QStringLiteral("WenQuanYi Micro Hei."),
                                      QStringLiteral("file"));
    const QCommandLineOption shinonome(QStringLiteral("shinonome"),
                                       QStringLiteral("Shinonome Gothic 12 (JIS X 0208)."),
                                       QStringLiteral("file"));
    const QCommandLineOption baekmuk(QStringLiteral("baekmuk"),
                                     QStringLiteral("Baekmuk Gulim 12 (KS X 1001)."), QStringLiteral("file"));
    const QCommandLineOption latin(QStringLiteral("latin"), QStringLiteral("Shinonome 6x12 ISO 8859-1."),
                                   QStringLiteral("file"));
    const QCommandLineOption fixed(
        QStringLiteral("fixed"), QStringLiteral("misc-fixed 6x12 (the euro sign)."), QStringLiteral("file"));
    const QCommandLineOption katakana(QStringLiteral("katakana"),
                                      QStringLiteral("Shinonome 6x12 JIS X 0201."), QStringLiteral("file"));
    const QCommandLineOption stats(QStringLiteral("stats"),
                                   QStringLiteral("Tell where the glyphs came from."));
    const QCommandLineOption dump(QStringLiteral("dump"),
                                  QStringLiteral("Show the glyph of a character code (hex) of a built file."),
                                  QStringLiteral("file"));
    parser.addOptions({output, wenQuanYi, microHei, shinonome, baekmuk, latin, katakana, fixed, stats, dump});
    parser.addPositionalArgument(QStringLiteral("code"),
                                 QStringLiteral("With --dump: the character code, e.g. D6D0."));
    parser.process(app);

    if (parser.isSet(dump)) {
        bool ok = false;
        const QStringList positional = parser.positionalArguments();
        const uint code = positional.size() == 1 ? positional.front().toUInt(&ok, 16) : 0;
        if (!ok || code > 0xFFFF) {
            std::fprintf(stderr, "dotfontgen: --dump FILE CODEHEX, e.g. --dump HZK12 D6D0\n");
            return 2;
        }
        QFile file(parser.value(dump));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "dotfontgen: %s: %s\n", qPrintable(file.fileName()),
                         qPrintable(file.errorString()));
            return 1;
        }
        const QString art = lume::dumpGlyph(file.readAll(), quint16(code));
        if (art.isEmpty()) {
            std::fprintf(stderr, "dotfontgen: %s has no glyph for code %04X\n", qPrintable(file.fileName()),
                         code);
            return 1;
        }
        std::printf("%s %04X\n%s", qPrintable(file.fileName()), code, qPrintable(art));
        return 0;
    }

    for (const QCommandLineOption &required :
         {output, wenQuanYi, microHei, shinonome, baekmuk, latin, katakana, fixed}) {
        if (!parser.isSet(required)) {
            std::fprintf(stderr, "dotfontgen: --%s is required\n", qPrintable(required.names().front()));
            return 2;
        }
    }
    QString error;
    const std::optional<lume::DotFontGenerator> generator = lume::DotFontGenerator::open(
        {parser.value(wenQuanYi), parser.value(microHei), parser.value(shinonome), parser.value(baekmuk),
         parser.value(latin), parser.value(katakana), parser.value(fixed)},
        &error);
    QString report;
    if (!generator || !generator->writeAll(parser.value(output), &error, &report)) {
        std::fprintf(stderr, "dotfontgen: %s\n", qPrintable(error));
        return 1;
    }
    if (parser.isSet(stats))
        std::printf("%s", qPrintable(report));
    return 0;
}
