#include "dotfontrasteriser.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lume;

namespace {

// The code of each character, as the rasteriser's forEachCode() gives them.
QList<quint16> characterCodes(const CodePageCodec &codec, QStringView text)
{
    QList<quint16> codes;
    codec.forEachCode(text, [&codes](quint16 code) { codes.append(code); });
    return codes;
}

constexpr qsizetype GridBytes = 577'584;

// A font whose every byte differs from its neighbours, so a glyph read from a wrong offset shows.
QByteArray patternedFont(qsizetype size, quint8 salt)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(quint8(i * 131 + (i >> 7) * 29 + salt));
    return bytes;
}

// The bytes of the double-byte glyph of a code, found the other way round the grid is described:
// h x 191 + T - 255 with h = (code AND 0x7FFF) div 256.
QByteArray doubleGlyph(const QByteArray &font, quint16 code)
{
    const int h = (code & 0x7FFF) / 256;
    const qint64 index = qint64(h) * 191 + (code & 0xFF) - 255;
    return font.mid(24 * index, 24).leftJustified(24, '\0', true);
}

// Reference placement, pixel by pixel: lit pixel p of a glyph row lands on pixel column X + p.
MessageBank plotted(const QString &text, CodePage codePage, const QByteArray &ascii, const QByteArray &grid,
                    int message)
{
    MessageBank bank;
    int x = 0;
    for (const quint16 code : characterCodes(CodePageCodec::instance(codePage), text)) {
        const bool isDouble = code >= 0x8000;
        const QByteArray glyph = isDouble ? doubleGlyph(grid, code)
                                          : ascii.mid(12 * (code & 0xFF), 12).leftJustified(12, '\0', true);
        const int bytesPerRow = isDouble ? 2 : 1;
        for (int row = 0; row < 12; ++row) {
            for (int pixel = 0; pixel < 8 * bytesPerRow; ++pixel) {
                const auto byte = quint8(glyph[row * bytesPerRow + pixel / 8]);
                const int column = x + pixel;
                if ((byte & (0x80 >> (pixel % 8))) != 0 && column < 4096)
                    bank.orByte(message, row, column / 8, quint8(0x80 >> (column % 8)));
            }
        }
        x = std::min(x + (isDouble ? 13 : 8), 32760);
    }
    bank.setWidth(message, qint16((x + 7) / 8));
    return bank;
}

void fillMessage(MessageBank &bank, int message, quint8 value)
{
    for (int row = 0; row < MessageBank::RowCount; ++row)
        for (int column = 0; column < MessageBank::RowBytes; ++column)
            bank.setByte(message, row, column, value);
    bank.setWidth(message, 77);
}

struct Fonts
{
    QByteArray ascii;
    QByteArray grid;
};

MessageBank rasterised(const QString &text, CodePage codePage, const Fonts &fonts, int message = 0,
                       MessageBank bank = {})
{
    QBuffer ascii;
    ascii.setData(fonts.ascii);
    QBuffer grid;
    grid.setData(fonts.grid);
    ascii.open(QIODevice::ReadOnly);
    grid.open(QIODevice::ReadOnly);
    readHZK(bank, message, text, codePage, ascii, grid);
    return bank;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// "ASC12" with the glyph of 'A' in every row, and a blank double-byte grid of that name.
bool writeLetterAFonts(const QTemporaryDir &dir, quint8 glyphRow, const QString &gridName)
{
    QByteArray ascii(3072, '\0');
    ascii.replace(12 * 'A', 12, QByteArray(12, char(glyphRow)));
    return dir.isValid() && writeFile(dir.filePath(u"ASC12"_qs), ascii) &&
        writeFile(dir.filePath(gridName), QByteArray(GridBytes, '\0'));
}

// 16-bit glyph rows as the 24 bytes of a double-byte cell.
QByteArray rows16(std::initializer_list<quint16> rows)
{
    QByteArray bytes;
    for (quint16 row : rows)
        bytes.append(char(row >> 8)).append(char(row & 0xFF));
    return bytes.leftJustified(24, '\0');
}

// Counts the seeks and the reads asked of it; opened unbuffered, each getChar() is one read.
class CountingFont : public QBuffer
{
public:
    explicit CountingFont(const QByteArray &bytes)
    {
        setData(bytes);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool seek(qint64 offset) override
    {
        seeks << offset;
        return QBuffer::seek(offset);
    }
    QList<qint64> seeks;
    QList<qint64> readSizes;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        readSizes << maxSize;
        return QBuffer::readData(data, maxSize);
    }
};

} // namespace

class TstDotFontRasteriser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadFirstCellAtOffsetZero();
    void shouldReadCellB0A1AtItsOffset();
    void shouldReadLetterAGlyphFromBytes780To791();
    void shouldShiftSecondDoubleByteGlyphAcrossThreeColumnBytes();
    void shouldStartDoubleByteGlyphAfterLetter();
    void shouldSetWidthFromAdvances_data();
    void shouldSetWidthFromAdvances();
    void shouldPlaceEveryPixelAtItsColumn_data();
    void shouldPlaceEveryPixelAtItsColumn();
    void shouldClipAtRowEndWithoutTouchingNeighbours_data();
    void shouldClipAtRowEndWithoutTouchingNeighbours();
    void shouldGiveBlankRowsPastEndOfShortFile();
    void shouldClearMessageForEmptyText();
    void shouldAgreeWithEstimate_data();
    void shouldAgreeWithEstimate();
    void shouldCapWidthOfHugeTextAlikeInEstimateAndRasteriser();
    void shouldReportMissingFontAndLeaveBankUnchanged_data();
    void shouldReportMissingFontAndLeaveBankUnchanged();
    void shouldClearUnselectedMessageWithWidthZero();
    void shouldReadDoubleByteFontOfExactLanguage_data();
    void shouldReadDoubleByteFontOfExactLanguage();
    void shouldReadEachGlyphWithOneSeekAndOneByteReads();
    void shouldReadTheFilesAgainAtEverySend();
    void shouldLocateFirstExistingFileOnly();
    void shouldSearchWorkingDirectoryThenDataDirectory();
};

void TstDotFontRasteriser::shouldReadFirstCellAtOffsetZero()
{
    Fonts fonts {QByteArray(3072, '\0'), patternedFont(GridBytes, 0)};
    fonts.grid.replace(0, 24, rows16({0x8001, 0xC003, 0xFFFF, 0x1234}));
    const MessageBank bank = rasterised(u"丂"_qs, CodePage::Gbk, fonts); // GBK 0x8140

    QCOMPARE(bank.byte(0, 0, 0), quint8(0x80));
    QCOMPARE(bank.byte(0, 0, 1), quint8(0x01));
    QCOMPARE(bank.byte(0, 1, 0), quint8(0xC0));
    QCOMPARE(bank.byte(0, 1, 1), quint8(0x03));
    QCOMPARE(bank.byte(0, 2, 1), quint8(0xFF));
    QCOMPARE(bank.byte(0, 3, 0), quint8(0x12));
    QCOMPARE(bank.byte(0, 3, 1), quint8(0x34));
    QCOMPARE(bank.byte(0, 4, 0), quint8(0));
    QCOMPARE(bank.byte(0, 0, 2), quint8(0));
    QCOMPARE(bank.width(0), qint16(2));
}

void TstDotFontRasteriser::shouldReadCellB0A1AtItsOffset()
{
    Fonts fonts {QByteArray(3072, '\0'), QByteArray(GridBytes, char(0xFF))};
    fonts.grid.replace(217'776, 24, rows16({0xA55A, 0x0F0F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8000}));
    const MessageBank bank = rasterised(u"啊"_qs, CodePage::Gbk, fonts); // GBK 0xB0A1, glyph 9074

    QCOMPARE(bank.byte(0, 0, 0), quint8(0xA5));
    QCOMPARE(bank.byte(0, 0, 1), quint8(0x5A));
    QCOMPARE(bank.byte(0, 1, 0), quint8(0x0F));
    QCOMPARE(bank.byte(0, 5, 0), quint8(0));
    QCOMPARE(bank.byte(0, 11, 0), quint8(0x80));
    QCOMPARE(bank.byte(0, 11, 1), quint8(0));
}

void TstDotFontRasteriser::shouldReadLetterAGlyphFromBytes780To791()
{
    Fonts fonts {QByteArray(3072, char(0xFF)), QByteArray()};
    const QByteArray glyph("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C", 12);
    fonts.ascii.replace(780, 12, glyph);
    const MessageBank bank = rasterised(u"A"_qs, CodePage::Big5, fonts);

    for (int row = 0; row < 12; ++row) {
        QCOMPARE(bank.byte(0, row, 0), quint8(glyph[row]));
        QCOMPARE(bank.byte(0, row, 1), quint8(0));
    }
    QCOMPARE(bank.width(0), qint16(1));
}

void TstDotFontRasteriser::shouldShiftSecondDoubleByteGlyphAcrossThreeColumnBytes()
{
    // Two cells of GBK: 0x8140 (丂) is all dark, 0x8141 (丄) has its leftmost and rightmost pixels lit.
    Fonts fonts {QByteArray(3072, '\0'), QByteArray(GridBytes, '\0')};
    fonts.grid.replace(24, 24, rows16({0x8001, 0xFFFF}));
    const MessageBank bank = rasterised(u"丂丄"_qs, CodePage::Gbk, fonts);

    // Starts at pixel 13: bit 15 -> column byte 1 bit 2, bit 0 (pixel 28) -> column byte 3 bit 3.
    QCOMPARE(bank.byte(0, 0, 0), quint8(0));
    QCOMPARE(bank.byte(0, 0, 1), quint8(0x04));
    QCOMPARE(bank.byte(0, 0, 2), quint8(0x00));
    QCOMPARE(bank.byte(0, 0, 3), quint8(0x08));
    QCOMPARE(bank.byte(0, 1, 1), quint8(0x07));
    QCOMPARE(bank.byte(0, 1, 2), quint8(0xFF));
    QCOMPARE(bank.byte(0, 1, 3), quint8(0xF8));
    QCOMPARE(bank.byte(0, 1, 4), quint8(0));
    QCOMPARE(bank.width(0), qint16(4));
}

void TstDotFontRasteriser::shouldStartDoubleByteGlyphAfterLetter()
{
    Fonts fonts {QByteArray(3072, '\0'), QByteArray(GridBytes, '\0')};
    fonts.ascii.replace(12 * 'x', 12, QByteArray(12, char(0x81)));
    fonts.grid.replace(0, 24, rows16({0x8000, 0x0001}));
    const MessageBank bank = rasterised(u"x丂"_qs, CodePage::Gbk, fonts);

    QCOMPARE(bank.byte(0, 0, 0), quint8(0x81));
    QCOMPARE(bank.byte(0, 0, 1), quint8(0x80)); // pixel 8: column byte 1, bit 7
    QCOMPARE(bank.byte(0, 1, 2), quint8(0x01)); // pixel 23
    QCOMPARE(bank.width(0), qint16(3)); // X = 21
}

void TstDotFontRasteriser::shouldSetWidthFromAdvances_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint16>("width");

    QTest::newRow("empty") << QString() << qint16(0);
    QTest::newRow("one letter") << u"A"_qs << qint16(1);
    QTest::newRow("one double-byte") << u"中"_qs << qint16(2);
    QTest::newRow("two double-byte") << u"中文"_qs << qint16(4);
    QTest::newRow("three double-byte") << u"中文字"_qs << qint16(5);
    QTest::newRow("two letters and one double-byte") << u"ab中"_qs << qint16(4);
    QTest::newRow("unrepresentable is a single '?'") << u"한"_qs << qint16(1);
}

void TstDotFontRasteriser::shouldSetWidthFromAdvances()
{
    QFETCH(QString, text);
    QFETCH(qint16, width);

    const Fonts fonts {patternedFont(3072, 1), patternedFont(GridBytes, 2)};
    QCOMPARE(rasterised(text, CodePage::Gbk, fonts).width(0), width);
    QCOMPARE(estimateWidth(text, CodePage::Gbk), width);
}

void TstDotFontRasteriser::shouldPlaceEveryPixelAtItsColumn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<int>("message");

    QTest::newRow("letters") << u"Hello, badge!"_qs << CodePage::Gbk << 0;
    QTest::newRow("simplified") << u"你好，世界。欢迎光临"_qs << CodePage::Gbk << 1;
    QTest::newRow("mixed GBK") << u"A中b文C字1啊"_qs << CodePage::Gbk << 2;
    QTest::newRow("traditional mixed") << u"歡迎 to 台灣 2024"_qs << CodePage::Big5 << 3;
    QTest::newRow("Japanese with half-width katakana") << u"日本語ｶﾀｶﾅとかな"_qs << CodePage::ShiftJis << 4;
    QTest::newRow("Korean with extra syllables") << u"한글 갂똠 Hangul"_qs << CodePage::Uhc << 5;
    QTest::newRow("last cell FEFE") << u"\uE4C5"_qs << CodePage::Gbk << 6; // GBK 0xFEFE
    QTest::newRow("every shift") << u"中a中a中a中a中a中a中a中a"_qs << CodePage::Gbk << 7;
}

void TstDotFontRasteriser::shouldPlaceEveryPixelAtItsColumn()
{
    QFETCH(QString, text);
    QFETCH(CodePage, codePage);
    QFETCH(int, message);

    const Fonts fonts {patternedFont(3072, 5), patternedFont(GridBytes, 9)};
    if (QByteArray(QTest::currentDataTag()) == "last cell FEFE")
        QCOMPARE(characterCodes(CodePageCodec::instance(codePage), text), QList<quint16> {0xFEFE});
    const MessageBank bank = rasterised(text, codePage, fonts, message);
    QCOMPARE(bank, plotted(text, codePage, fonts.ascii, fonts.grid, message));
}

void TstDotFontRasteriser::shouldClipAtRowEndWithoutTouchingNeighbours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("message");

    QTest::newRow("316 double-byte, message 3") << QString(316, QChar(u'中')) << 3;
    QTest::newRow("316 double-byte, last message") << QString(316, QChar(u'中')) << 7;
    QTest::newRow("512 double-byte, last message") << QString(512, QChar(u'中')) << 7;
    QTest::newRow("511 letters then double-byte") << QString(511, QChar(u'W')) + u"中"_qs << 7;
    QTest::newRow("shifted letters to the end") << u"中"_qs + QString(511, QChar(u'W')) << 7;
}

void TstDotFontRasteriser::shouldClipAtRowEndWithoutTouchingNeighbours()
{
    QFETCH(QString, text);
    QFETCH(int, message);

    // Lit only in the top row: a byte that spilt over a row's end would show in the next row.
    Fonts fonts {QByteArray(3072, '\0'), QByteArray(GridBytes, '\0')};
    fonts.ascii[12 * 'W'] = char(0xFF);
    fonts.grid.replace(24 * ((0xD6 - 0x81) * 191 + 0xD0 - 0x40), 24, rows16({0xFFFF}));
    MessageBank before;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        fillMessage(before, m, quint8(0x11 * m));
    const MessageBank bank = rasterised(text, CodePage::Gbk, fonts, message, before);

    for (int column = 0; column < MessageBank::RowBytes; ++column) {
        QCOMPARE(bank.byte(message, 0, column), quint8(0xFF));
        QCOMPARE(bank.byte(message, 1, column), quint8(0));
    }
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        if (m == message)
            continue;
        QCOMPARE(bank.width(m), qint16(77));
        for (int column : {0, 1, 511})
            QCOMPARE(bank.byte(m, 0, column), quint8(0x11 * m));
    }
    QCOMPARE(bank.width(message), estimateWidth(text, CodePage::Gbk));
    QVERIFY(bank.width(message) > MessageBank::RowBytes);
}

void TstDotFontRasteriser::shouldGiveBlankRowsPastEndOfShortFile()
{
    // The file ends inside the glyph of 0xB0A1: the rows it has are drawn, the rest stay blank.
    Fonts fonts {QByteArray(100, char(0xFF)), QByteArray(217'776 + 5, '\0')};
    fonts.grid.replace(217'776, 5, "\xF0\x0F\xAA\x55\x81");
    const MessageBank bank = rasterised(u"啊Az"_qs, CodePage::Gbk, fonts);

    QCOMPARE(bank.byte(0, 0, 0), quint8(0xF0));
    QCOMPARE(bank.byte(0, 0, 1), quint8(0x0F));
    QCOMPARE(bank.byte(0, 1, 0), quint8(0xAA));
    QCOMPARE(bank.byte(0, 1, 1), quint8(0x55));
    QCOMPARE(bank.byte(0, 2, 0), quint8(0x81));
    QCOMPARE(bank.byte(0, 2, 1), quint8(0));
    for (int row = 3; row < 12; ++row)
        QCOMPARE(bank.row(0, row)[0] | bank.row(0, row)[1], 0);
    // 'A' (offset 780) and 'z' (offset 1464) lie beyond the 100 bytes of the single-byte font.
    for (int row = 0; row < 12; ++row)
        QCOMPARE(bank.byte(0, row, 2) | bank.byte(0, row, 3) | bank.byte(0, row, 4), 0);
    QCOMPARE(bank.width(0), qint16(4)); // X = 13 + 8 + 8
}

void TstDotFontRasteriser::shouldClearMessageForEmptyText()
{
    MessageBank before;
    fillMessage(before, 2, 0xFF);
    const MessageBank bank =
        rasterised(QString(), CodePage::Gbk, {patternedFont(3072, 0), QByteArray()}, 2, before);
    QCOMPARE(bank, MessageBank());
}

void TstDotFontRasteriser::shouldAgreeWithEstimate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CodePage>("codePage");

    const QList<QString> texts {
        u"Hello"_qs,
        u"中文 and English"_qs,
        u"國語、台語"_qs,
        u"ｶﾀｶﾅ and カタカナ"_qs,
        u"한국어 갂 ㄱ"_qs,
        u"€100 ¥200 £300"_qs,
        u"emoji \U0001F600 here"_qs,
        QString(QChar(0xD800)) + u"x"_qs,
        u"\t\n\r\u007F"_qs,
        QString(),
        QString(316, QChar(u'語')),
        QString(512, QChar(u'ｱ')),
    };
    const QList<std::pair<const char *, CodePage>> codePages {{"GBK", CodePage::Gbk},
                                                              {"Big5", CodePage::Big5},
                                                              {"Shift_JIS", CodePage::ShiftJis},
                                                              {"UHC", CodePage::Uhc}};
    for (const auto &[name, codePage] : codePages) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            QTest::addRow("%s text %d", name, int(i)) << texts[i] << codePage;
    }
}

void TstDotFontRasteriser::shouldAgreeWithEstimate()
{
    QFETCH(QString, text);
    QFETCH(CodePage, codePage);

    const Fonts fonts {patternedFont(3072, 3), patternedFont(GridBytes, 4)};
    QCOMPARE(rasterised(text, codePage, fonts).width(0), estimateWidth(text, codePage));
}

void TstDotFontRasteriser::shouldCapWidthOfHugeTextAlikeInEstimateAndRasteriser()
{
    const Fonts fonts {patternedFont(3072, 3), patternedFont(GridBytes, 4)};
    // 2520 double-byte characters are 32,760 pixels, the most the 16-bit count holds; beyond, both stop.
    for (const int count : {2519, 2520, 2521, 4000, 40000}) {
        const QString text(count, QChar(u'中'));
        const qint16 expected = qint16((std::min(count * 13, 32760) + 7) / 8);
        QCOMPARE(estimateWidth(text, CodePage::Gbk), expected);
        QCOMPARE(rasterised(text, CodePage::Gbk, fonts).width(0), expected);
    }
    QCOMPARE(estimateWidth(QString(40000, QChar(u'a')), CodePage::Gbk), qint16(4095));
}

void TstDotFontRasteriser::shouldReportMissingFontAndLeaveBankUnchanged_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("missing");

    QTest::newRow("no files") << QStringList() << u"Japanese"_qs << u"ASC12"_qs;
    QTest::newRow("no ASC12") << QStringList {u"HZK12"_qs} << u"Chinese (Simplified)"_qs << u"ASC12"_qs;
    QTest::newRow("no KRK12") << QStringList {u"ASC12"_qs, u"HZK12"_qs} << u"Korean"_qs << u"KRK12"_qs;
    QTest::newRow("no HZK12 for other text")
        << QStringList {u"ASC12"_qs, u"KRK12"_qs} << u"korean"_qs << u"HZK12"_qs;
}

void TstDotFontRasteriser::shouldReportMissingFontAndLeaveBankUnchanged()
{
    QFETCH(QStringList, present);
    QFETCH(QString, language);
    QFETCH(QString, missing);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : present)
        QVERIFY(writeFile(dir.filePath(name), QByteArray(3072, char(0xFF))));
    MessageBank bank;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        fillMessage(bank, m, quint8(m + 1));
    const MessageBank before = bank;

    const PrepareResult result =
        prepareBank(bank, {u"中"_qs, u"A"_qs}, {true, true, true}, language, {dir.path()});
    QVERIFY(!result.ok);
    QCOMPARE(result.missingFile, missing);
    QCOMPARE(bank, before);
    QVERIFY(!QFile::exists(dir.filePath(missing))); // looked for, never created
}

void TstDotFontRasteriser::shouldClearUnselectedMessageWithWidthZero()
{
    QTemporaryDir dir;
    QVERIFY(writeLetterAFonts(dir, 0x3C, u"JPK12"_qs));
    MessageBank bank;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        fillMessage(bank, m, 0xFF);

    const std::array<QString, 8> texts {u"A"_qs,  u"AAAA"_qs, u""_qs,  u"A"_qs,
                                        u"AA"_qs, u"A"_qs,    u"A"_qs, u"A"_qs};
    const std::array<bool, 8> selected {true, false, true, false, true, false, false, false};
    const PrepareResult result = prepareBank(bank, texts, selected, u"Japanese"_qs, {dir.path()});
    QVERIFY(result.ok);
    QCOMPARE(bank.widths(), (std::array<qint16, 8> {1, 0, 0, 0, 2, 0, 0, 0}));
    MessageBank expected;
    expected.setWidths(bank.widths());
    for (int row = 0; row < 12; ++row) {
        expected.setByte(0, row, 0, 0x3C);
        expected.setByte(4, row, 0, 0x3C);
        expected.setByte(4, row, 1, 0x3C);
    }
    QCOMPARE(bank, expected);
}

void TstDotFontRasteriser::shouldReadDoubleByteFontOfExactLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");

    QTest::newRow("Korean") << u"Korean"_qs << u"KRK12"_qs;
    QTest::newRow("korean") << u"korean"_qs << u"HZK12"_qs;
    QTest::newRow("Japanese") << u"Japanese"_qs << u"JPK12"_qs;
    QTest::newRow("Chinese (Traditional)") << u"Chinese (Traditional)"_qs << u"TWK12"_qs;
    QTest::newRow("Chinese (Simplified)") << u"Chinese (Simplified)"_qs << u"HZK12"_qs;
    QTest::newRow("empty") << QString() << u"HZK12"_qs;
}

void TstDotFontRasteriser::shouldReadDoubleByteFontOfExactLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, file);

    // Each double-byte file is filled with its own byte; '中' is double-byte in all four code pages.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(u"ASC12"_qs), QByteArray(3072, '\0')));
    const QStringList files {u"HZK12"_qs, u"TWK12"_qs, u"JPK12"_qs, u"KRK12"_qs};
    for (qsizetype i = 0; i < files.size(); ++i)
        QVERIFY(writeFile(dir.filePath(files[i]), QByteArray(GridBytes, char(0x10 + i))));

    MessageBank bank;
    QVERIFY(prepareBank(bank, {u"中"_qs}, {true}, language, {dir.path()}).ok);
    QCOMPARE(bank.byte(0, 5, 0), quint8(0x10 + files.indexOf(file)));
    QCOMPARE(bank.width(0), qint16(2));
}

void TstDotFontRasteriser::shouldReadEachGlyphWithOneSeekAndOneByteReads()
{
    CountingFont ascii(patternedFont(3072, 1));
    CountingFont grid(patternedFont(GridBytes, 2));
    MessageBank bank;
    // The same glyph twice is read twice: nothing is kept between glyphs or between messages.
    for (int message : {0, 1})
        readHZK(bank, message, u"A啊bA啊"_qs, CodePage::Gbk, ascii, grid);

    const qint64 a = 12 * 'A';
    const qint64 b = 12 * 'b';
    const qint64 cell = 24 * 9074; // GBK 0xB0A1
    QCOMPARE(ascii.seeks, (QList<qint64> {a, b, a, a, b, a}));
    QCOMPARE(grid.seeks, (QList<qint64> {cell, cell, cell, cell}));
    QCOMPARE(ascii.readSizes, QList<qint64>(6 * 12, 1));
    QCOMPARE(grid.readSizes, QList<qint64>(4 * 24, 1));
}

void TstDotFontRasteriser::shouldReadTheFilesAgainAtEverySend()
{
    QTemporaryDir dir;
    QVERIFY(writeLetterAFonts(dir, 0x18, u"HZK12"_qs));
    MessageBank bank;
    QVERIFY(prepareBank(bank, {u"A"_qs}, {true}, u"Chinese (Simplified)"_qs, {dir.path()}).ok);
    QCOMPARE(bank.byte(0, 0, 0), quint8(0x18));

    QVERIFY(writeLetterAFonts(dir, 0x81, u"HZK12"_qs));
    QVERIFY(prepareBank(bank, {u"A"_qs}, {true}, u"Chinese (Simplified)"_qs, {dir.path()}).ok);
    QCOMPARE(bank.byte(0, 11, 0), quint8(0x81));
}

void TstDotFontRasteriser::shouldLocateFirstExistingFileOnly()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    QVERIFY(QDir(first.path()).mkdir(u"ASC12"_qs)); // a folder of that name is no font
    QVERIFY(writeFile(second.filePath(u"ASC12"_qs), "x"));
    QVERIFY(writeFile(first.filePath(u"HZK12"_qs), "y"));
    QVERIFY(writeFile(second.filePath(u"HZK12"_qs), "z"));
    const QStringList dirs {first.path(), second.path()};

    QCOMPARE(locateFontFile(u"ASC12"_qs, dirs).value_or(QString()),
             QFileInfo(second.filePath(u"ASC12"_qs)).absoluteFilePath());
    QCOMPARE(locateFontFile(u"HZK12"_qs, dirs).value_or(QString()),
             QFileInfo(first.filePath(u"HZK12"_qs)).absoluteFilePath());
    QVERIFY(!locateFontFile(u"KRK12"_qs, dirs).has_value());
    QVERIFY(!QFile::exists(first.filePath(u"KRK12"_qs)));
    QVERIFY(!QFile::exists(second.filePath(u"KRK12"_qs)));
}

void TstDotFontRasteriser::shouldSearchWorkingDirectoryThenDataDirectory()
{
    const QStringList dirs = defaultFontSearchDirs();
    QCOMPARE(dirs.size(), 2);
    QCOMPARE(dirs[0], QDir::currentPath());
    QCOMPARE(dirs[1], QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../share/scriptlume"_qs));
}

QTEST_GUILESS_MAIN(TstDotFontRasteriser)
#include "tst_dotfontrasteriser.moc"
