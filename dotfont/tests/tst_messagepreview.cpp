#include "dotfontrasteriser.h"
#include "language.h"
#include "messagepreview.h"
#include "unencodable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lume;

namespace {

// Font bytes with no regularity a misplaced glyph could hide behind.
QByteArray fontBytes(int size, int salt)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(quint8((i * 131 + salt) ^ (i >> 7)));
    return bytes;
}

const QByteArray SingleByteFont = fontBytes(256 * 12, 3);
const QByteArray DoubleByteFont = fontBytes(126 * 191 * 24, 77);

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QColor dotColour(const QImage &image, int row, int column)
{
    return image.pixel(LedLook::dotOrigin(row, column) + QPoint(1, 1));
}

} // namespace

class TstMessagePreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shouldShowWhatTheRasteriserMakes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("Chinese (Simplified)") << "Chinese (Simplified)" << QStringLiteral("Ab中文x们?");
        QTest::newRow("Chinese (Traditional)") << "Chinese (Traditional)" << QStringLiteral("們z中é");
        QTest::newRow("Japanese") << "Japanese" << QStringLiteral("ｱあ—―1");
        QTest::newRow("Korean") << "Korean" << QStringLiteral("한글 ß 😀");
        QTest::newRow("any other text") << "korean" << QStringLiteral("한글 abc");
    }
    void shouldShowWhatTheRasteriserMakes()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const Language row = languageFor(language);
        writeFile(dir.filePath(QStringLiteral("ASC12")), SingleByteFont);
        writeFile(dir.filePath(row.doubleByteFile), DoubleByteFont);

        // The rasteriser itself, on the same bytes.
        auto expected = std::make_unique<MessageBank>();
        QBuffer single;
        single.setData(SingleByteFont);
        QBuffer dual;
        dual.setData(DoubleByteFont);
        QVERIFY(single.open(QIODevice::ReadOnly) && dual.open(QIODevice::ReadOnly));
        readHZK(*expected, 5, text, row.codePage, single, dual);
        const int width = expected->width(5);
        QVERIFY(width > 0);

        const MessagePreview preview = previewText(text, language, {dir.path()}, 100000);
        QVERIFY(preview.missingFile.isEmpty());
        QCOMPARE(preview.leds.width, width);
        QCOMPARE(preview.leds.shownBytes, width);
        QCOMPARE(preview.leds.image.size(),
                 QSize(LedLook::DotGap + width * 8 * LedLook::Pitch, LedLook::DotGap + 12 * LedLook::Pitch));
        int lit = 0;
        for (int r = 0; r < MessageBank::RowCount; ++r) {
            for (int c = 0; c < width * 8; ++c) {
                const bool on = expected->byte(5, r, c / 8) & (0x80 >> (c % 8));
                lit += on;
                QVERIFY2(dotColour(preview.leds.image, r, c) ==
                             QColor::fromRgb(on ? LedLook::Lit : LedLook::Dark),
                         qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
            }
        }
        QVERIFY(lit > 0);
    }

    void shouldNameAMissingFontAsSendDoes()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("ASC12")), SingleByteFont);
        const QString text = QStringLiteral("한글ab");
        const MessagePreview preview = previewText(text, QStringLiteral("Korean"), {dir.path()}, 100000);
        QCOMPARE(preview.missingFile, QStringLiteral("KRK12"));
        QVERIFY(preview.leds.image.isNull());
        QCOMPARE(preview.leds.width, int(estimateWidth(text, CodePage::Uhc)));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("KRK12")))); // looked for, never created
        const QString tip = messageToolTip(preview, text, QStringLiteral("Korean"), {dir.path()});
        QVERIFY(tip.contains(QStringLiteral("Font file &quot;KRK12&quot; not found!")));
        QVERIFY(tip.contains(QDir::toNativeSeparators(dir.path())));
        QVERIFY(tip.contains(QStringLiteral("Width: 6 column bytes")));
        QVERIFY(!tip.contains(QStringLiteral("<img")));
        QVERIFY(!tip.contains(QStringLiteral("fit on the screen"))); // nothing is shown to be cut
    }

    void shouldFindTheCharactersALanguageCannotEncode_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<TextRange>>("expected");
        // Hangul, a simplified-only character, e acute, '?', and a character beyond the BMP.
        const QString mixed = QStringLiteral("A한们é?😀");
        QTest::newRow("Chinese (Simplified)")
            << "Chinese (Simplified)" << mixed << QList<TextRange> {{1, 1}, {5, 2}};
        QTest::newRow("Chinese (Traditional)")
            << "Chinese (Traditional)" << mixed << QList<TextRange> {{1, 1}, {2, 1}, {3, 1}, {5, 2}};
        QTest::newRow("Japanese") << "Japanese" << mixed << QList<TextRange> {{1, 1}, {2, 1}, {3, 1}, {5, 2}};
        QTest::newRow("Korean") << "Korean" << mixed << QList<TextRange> {{2, 1}, {3, 1}, {5, 2}};
        QTest::newRow("any other text reads GBK") << "Korea" << mixed << QList<TextRange> {{1, 1}, {5, 2}};
        // Windows' code page 932 has the horizontal bar U+2015 where others have the em dash.
        QTest::newRow("Japanese dashes") << "Japanese" << QStringLiteral("a—b―") << QList<TextRange> {{1, 1}};
        QTest::newRow("Korean sharp s") << "Korean" << QStringLiteral("ßü") << QList<TextRange> {{1, 1}};
        QTest::newRow("lone surrogate")
            << "Japanese" << (QString(QChar(0xD800)) + QStringLiteral("x")) << QList<TextRange> {{0, 1}};
        QTest::newRow("nothing") << "Korean" << QString() << QList<TextRange> {};
    }
    void shouldFindTheCharactersALanguageCannotEncode()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QList<TextRange>, expected);
        const CodePage codePage = languageFor(language).codePage;
        const QList<TextRange> found = unencodableCharacters(text, codePage);
        QCOMPARE(found, expected);
        // Exactly these become '?' in what a Send encodes.
        const QByteArray encoded = CodePageCodec::instance(codePage).encodeLossy(text);
        QCOMPARE(encoded.count('?'), found.size() + text.count(QLatin1Char('?')));
    }

    void shouldNameTheCharactersInTheNote_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("note");
        QTest::newRow("three, two of a kind")
            << "Korean" << QStringLiteral("éaéü")
            << QStringLiteral("3 characters cannot be shown in Korean: é ü");
        QTest::newRow("one") << "Japanese" << QStringLiteral("한x")
                             << QStringLiteral("1 character cannot be shown in Japanese: 한");
        QTest::newRow("invisible ones by code point")
            << "Chinese (Traditional)" << QStringLiteral("e\u0301\u00a0")
            << QStringLiteral("2 characters cannot be shown in Chinese (Traditional): U+0301 U+00A0");
        QTest::newRow("any other text: the language whose font is read")
            << "" << QStringLiteral("한")
            << QStringLiteral("1 character cannot be shown in Chinese (Simplified): 한");
        QTest::newRow("none") << "Korean" << QStringLiteral("한") << QString();
    }
    void shouldNameTheCharactersInTheNote()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, note);
        const QList<TextRange> ranges = unencodableCharacters(text, languageFor(language).codePage);
        QCOMPARE(unencodableNote(text, ranges, languageName(language)), note);
    }
};

QTEST_GUILESS_MAIN(TstMessagePreview)
#include "tst_messagepreview.moc"
