#include "codepage.h"
#include "dotfontgenerator.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <map>

using namespace lume;

namespace {

// The code of each character, as the rasteriser's forEachCode() gives them.
QList<quint16> characterCodes(const CodePageCodec &codec, QStringView text)
{
    QList<quint16> codes;
    codec.forEachCode(text, [&codes](quint16 code) { codes.append(code); });
    return codes;
}

// The Debian fonts the build uses (paths found by CMake).
SourceFonts realSources()
{
    return {QStringLiteral(LUME_FONT_WENQUANYI),
            QStringLiteral(LUME_FONT_MICROHEI),
            QStringLiteral(LUME_FONT_SHINONOME),
            QStringLiteral(LUME_FONT_BAEKMUK),
            QStringLiteral(LUME_FONT_SHINONOME_LATIN),
            QStringLiteral(LUME_FONT_KATAKANA),
            QStringLiteral(LUME_FONT_FIXED)};
}

const QStringList &fileNames()
{
    static const QStringList names {u"ASC12"_qs, u"HZK12"_qs, u"TWK12"_qs, u"JPK12"_qs, u"KRK12"_qs};
    return names;
}

CodePage codePageOf(const QString &name)
{
    static const std::map<QString, CodePage> pages {{u"HZK12"_qs, CodePage::Gbk},
                                                    {u"TWK12"_qs, CodePage::Big5},
                                                    {u"JPK12"_qs, CodePage::ShiftJis},
                                                    {u"KRK12"_qs, CodePage::Uhc}};
    return pages.at(name);
}

BitmapFont openFont(const QString &path)
{
    QString error;
    std::optional<BitmapFont> font = BitmapFont::open(path, 12, &error);
    if (!font)
        qFatal("%s", qPrintable(error));
    return std::move(*font);
}

// A cell's rows as the file holds them: 16-bit rows for a grid, the high byte only in "ASC12".
CellBitmap cellAt(const QByteArray &file, quint16 code)
{
    CellBitmap cell {};
    const bool isDouble = code >= 0x8000;
    const qint64 offset = isDouble ? gridOffset(code >> 8, code & 0xFF) : 12 * qint64(code);
    for (int row = 0; row < CellRowCount; ++row) {
        cell[row] = isDouble
            ? quint16(quint8(file[offset + 2 * row]) << 8 | quint8(file[offset + 2 * row + 1]))
            : quint16(quint8(file[offset + row]) << 8);
    }
    return cell;
}

int litCount(const CellBitmap &cell)
{
    int count = 0;
    for (quint16 row : cell)
        count += std::popcount(row);
    return count;
}

int litCount(const GlyphBitmap &glyph)
{
    return int(std::count(glyph.pixels.begin(), glyph.pixels.end(), true));
}

// The bounds of a glyph's lit pixels in its bitmap; an empty rectangle for a blank glyph.
QRect inkBounds(const GlyphBitmap &glyph)
{
    QRect ink;
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            if (glyph.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QRect inkBounds(const CellBitmap &cell)
{
    QRect ink;
    for (int row = 0; row < CellRowCount; ++row)
        for (int column = 0; column < 16; ++column)
            if ((cell[row] & (0x8000 >> column)) != 0)
                ink |= QRect(column, row, 1, 1);
    return ink;
}

// Whether the cell holds exactly the glyph's ink, its top left corner at the given cell pixel.
bool holdsInkAt(const CellBitmap &cell, const GlyphBitmap &glyph, QPoint topLeft)
{
    const QRect ink = inkBounds(glyph);
    if (inkBounds(cell) != QRect(topLeft, ink.size()))
        return false;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const int row = topLeft.y() + y - ink.top();
            const int column = topLeft.x() + x - ink.left();
            if (glyph.pixel(x, y) != ((cell[row] & (0x8000 >> column)) != 0))
                return false;
        }
    }
    return true;
}

GlyphBitmap glyphFromArt(const QStringList &rows, int left, int top)
{
    GlyphBitmap glyph;
    glyph.left = left;
    glyph.top = top;
    glyph.height = int(rows.size());
    glyph.width = rows.isEmpty() ? 0 : int(rows.front().size());
    for (const QString &row : rows)
        for (const QChar pixel : row)
            glyph.pixels.push_back(pixel == u'#');
    return glyph;
}

QStringList artOf(const CellBitmap &cell, int cellWidth)
{
    QStringList rows;
    for (quint16 bits : cell) {
        QString row;
        for (int column = 0; column < cellWidth; ++column)
            row += (bits & (0x8000 >> column)) != 0 ? u'#' : u'.';
        rows << row;
    }
    return rows;
}

bool isUnassigned(char32_t character)
{
    return character == 0 || (character >= 0xE000 && character <= 0xF8FF);
}

// The path of the source given by its place in SourceFonts (and in the generator's options).
QString &sourcePath(SourceFonts &sources, int index)
{
    QString *const paths[] {&sources.wenQuanYi, &sources.microHei, &sources.shinonome, &sources.baekmuk,
                            &sources.latin,     &sources.katakana, &sources.fixed};
    return *paths[index];
}

QStringList generatorArguments(const QString &outputDir, const SourceFonts &sources)
{
    return {u"--output"_qs,   outputDir,        u"--wenquanyi"_qs, sources.wenQuanYi,
            u"--microhei"_qs, sources.microHei, u"--shinonome"_qs, sources.shinonome,
            u"--baekmuk"_qs,  sources.baekmuk,  u"--latin"_qs,     sources.latin,
            u"--katakana"_qs, sources.katakana, u"--fixed"_qs,     sources.fixed};
}

} // namespace

class TstDotFontGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void shouldPlaceKnownCharacterInItsCodePageCell_data();
    void shouldPlaceKnownCharacterInItsCodePageCell();
    void shouldFitEveryIdeographOfTheTallLineIntoTheCell_data();
    void shouldFitEveryIdeographOfTheTallLineIntoTheCell();
    void shouldKeepOneBaselineForEveryCharacterOfAFont_data();
    void shouldKeepOneBaselineForEveryCharacterOfAFont();
    void shouldMoveAGlyphJustEnoughToKeepItsInk_data();
    void shouldMoveAGlyphJustEnoughToKeepItsInk();
    void shouldKeepEveryLitPixelOfEveryGlyph_data();
    void shouldKeepEveryLitPixelOfEveryGlyph();
    void shouldDrawMarksAtTheCellsTopWhole_data();
    void shouldDrawMarksAtTheCellsTopWhole();
    void shouldCountMovedAndCutGlyphsInStats();
    void shouldMapCellsToNationalCodes_data();
    void shouldMapCellsToNationalCodes();
    void shouldAgreeWithEucJpOnEveryShiftJisCell();
    void shouldPutCellsAtGridOffsets_data();
    void shouldPutCellsAtGridOffsets();
    void shouldLeaveCellsWithoutGlyphBlank_data();
    void shouldLeaveCellsWithoutGlyphBlank();
    void shouldLeaveEveryUnassignedCellBlank_data();
    void shouldLeaveEveryUnassignedCellBlank();
    void shouldLeaveSingleByteCodesWithoutGlyphBlank();
    void shouldShipTheFilesItBuildsAtTheirSizes_data();
    void shouldShipTheFilesItBuildsAtTheirSizes();
    void shouldRefuseMissingSourceAndWriteNoFile_data();
    void shouldRefuseMissingSourceAndWriteNoFile();
    void shouldRefuseWrongSourceFont_data();
    void shouldRefuseWrongSourceFont();
    void shouldLeaveFolderAsItWasWhenAWriteFails();
    void shouldDumpOnlyCodesInsideTheFile_data();
    void shouldDumpOnlyCodesInsideTheFile();

private:
    std::optional<DotFontGenerator> m_generator;
    std::map<QString, QByteArray> m_files;
    std::map<QString, PlacementCounts> m_placements;
};

void TstDotFontGenerator::initTestCase()
{
    QString error;
    m_generator = DotFontGenerator::open(realSources(), &error);
    QVERIFY2(m_generator.has_value(), qPrintable(error));
    m_files[u"ASC12"_qs] = m_generator->singleByteFont(&m_placements[u"ASC12"_qs]);
    for (GridFont grid : {GridFont::Hzk, GridFont::Twk, GridFont::Jpk, GridFont::Krk}) {
        GridStatistics statistics;
        m_files[gridFileName(grid)] = m_generator->gridFont(grid, &statistics);
        m_placements[gridFileName(grid)] = statistics.placement;
    }
}

void TstDotFontGenerator::shouldPlaceKnownCharacterInItsCodePageCell_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("source");
    QTest::addColumn<uint>("sourceCode");
    const SourceFonts fonts = realSources();
    // Every source sits with its baseline on cell row 10: WenQuanYi's 15-row line with the
    // ideographs' top on row 0, the 12-row fonts bottom-aligned.
    QTest::newRow("HZK12 B0A1 啊") << u"HZK12"_qs << 0xB0A1 << fonts.wenQuanYi << 0x554Au;
    QTest::newRow("HZK12 D6D0 中") << u"HZK12"_qs << 0xD6D0 << fonts.wenQuanYi << 0x4E2Du;
    QTest::newRow("HZK12 A3C1 Ａ") << u"HZK12"_qs << 0xA3C1 << fonts.wenQuanYi << 0xFF21u;
    QTest::newRow("TWK12 A440 一") << u"TWK12"_qs << 0xA440 << fonts.wenQuanYi << 0x4E00u;
    QTest::newRow("TWK12 A4A4 中") << u"TWK12"_qs << 0xA4A4 << fonts.wenQuanYi << 0x4E2Du;
    QTest::newRow("JPK12 82A0 あ") << u"JPK12"_qs << 0x82A0 << fonts.shinonome << 0x2422u;
    QTest::newRow("JPK12 889F 亜") << u"JPK12"_qs << 0x889F << fonts.shinonome << 0x3021u;
    QTest::newRow("JPK12 8740 ① (NEC row 13)") << u"JPK12"_qs << 0x8740 << fonts.wenQuanYi << 0x2460u;
    QTest::newRow("JPK12 FB5C 犾 (IBM extension)") << u"JPK12"_qs << 0xFB5C << fonts.wenQuanYi << 0x72BEu;
    QTest::newRow("KRK12 B0A1 가") << u"KRK12"_qs << 0xB0A1 << fonts.baekmuk << 0x3021u;
    QTest::newRow("KRK12 C8FE 흐 (last syllable)") << u"KRK12"_qs << 0xC8FE << fonts.baekmuk << 0x487Eu;
    QTest::newRow("KRK12 8141 갂 (UHC extension)") << u"KRK12"_qs << 0x8141 << fonts.microHei << 0xAC02u;
    QTest::newRow("ASC12 41 A") << u"ASC12"_qs << 0x41 << fonts.latin << 0x41u;
    QTest::newRow("ASC12 67 g") << u"ASC12"_qs << 0x67 << fonts.latin << 0x67u;
    QTest::newRow("ASC12 B1 ｱ") << u"ASC12"_qs << 0xB1 << fonts.katakana << 0xB1u;
    QTest::newRow("ASC12 80 €") << u"ASC12"_qs << 0x80 << fonts.fixed << 0x20ACu;
}

void TstDotFontGenerator::shouldPlaceKnownCharacterInItsCodePageCell()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    QFETCH(QString, source);
    QFETCH(uint, sourceCode);

    const std::optional<GlyphBitmap> glyph = openFont(source).glyph(sourceCode);
    QVERIFY(glyph.has_value());
    const int baseline = 10;
    const int cellWidth = file == u"ASC12" ? 8 : 16;
    CellBitmap expected {};
    for (int y = 0; y < glyph->height; ++y) {
        for (int x = 0; x < glyph->width; ++x) {
            const int row = baseline - glyph->top + y;
            const int column = std::max(glyph->left, 0) + x;
            if (glyph->pixel(x, y) && row >= 0 && row < 12 && column < cellWidth)
                expected[row] |= quint16(0x8000 >> column);
        }
    }
    const CellBitmap cell = cellAt(m_files.at(file), quint16(code));
    QVERIFY(litCount(cell) > 0);
    QCOMPARE(litCount(cell), litCount(*glyph)); // nothing of these glyphs is cut
    QCOMPARE(cell, expected);
}

void TstDotFontGenerator::shouldFitEveryIdeographOfTheTallLineIntoTheCell_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("HZK12") << u"HZK12"_qs;
    QTest::newRow("TWK12") << u"TWK12"_qs;
}

void TstDotFontGenerator::shouldFitEveryIdeographOfTheTallLineIntoTheCell()
{
    QFETCH(QString, file);

    // WenQuanYi's 12-pixel strike has a 15-row line; no ideograph may lose a pixel, and the
    // tallest ones reach row 0.
    const BitmapFont wenQuanYi = openFont(QStringLiteral(LUME_FONT_WENQUANYI));
    const CodePageCodec &table = CodePageCodec::instance(codePageOf(file));
    const QByteArray &bytes = m_files.at(file);
    int checked = 0;
    quint16 firstRows = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
            if (character < 0x4E00 || character > 0x9FFF)
                continue;
            const std::optional<GlyphBitmap> glyph = wenQuanYi.glyph(character);
            if (!glyph)
                continue;
            const CellBitmap cell = cellAt(bytes, quint16(lead << 8 | trail));
            QVERIFY2(litCount(cell) == litCount(*glyph), qPrintable(QString::number(lead << 8 | trail, 16)));
            firstRows |= cell[0];
            ++checked;
        }
    }
    QVERIFY(checked > 13000);
    QVERIFY(firstRows != 0);
}

void TstDotFontGenerator::shouldKeepOneBaselineForEveryCharacterOfAFont_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("national");
    QTest::newRow("HZK12 from WenQuanYi Bitmap Song")
        << u"HZK12"_qs << QStringLiteral(LUME_FONT_WENQUANYI) << false;
    QTest::newRow("JPK12 from Shinonome") << u"JPK12"_qs << QStringLiteral(LUME_FONT_SHINONOME) << true;
    QTest::newRow("KRK12 from Baekmuk") << u"KRK12"_qs << QStringLiteral(LUME_FONT_BAEKMUK) << true;
}

void TstDotFontGenerator::shouldKeepOneBaselineForEveryCharacterOfAFont()
{
    QFETCH(QString, file);
    QFETCH(QString, source);
    QFETCH(bool, national);

    // Where a glyph's first lit row lands tells the baseline used for it; a whole glyph (nothing
    // cut off) must tell the same as every other glyph of its font.
    const BitmapFont font = openFont(source);
    const CodePageCodec &table = CodePageCodec::instance(codePageOf(file));
    const QByteArray &bytes = m_files.at(file);
    QSet<int> baselines;
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
            if (isUnassigned(character))
                continue;
            std::optional<quint16> code =
                file == u"JPK12" ? shiftJisToJis(lead, trail) : uhcToKsc(lead, trail);
            if (!national)
                code = quint16(character <= 0xFFFF ? character : 0);
            const std::optional<GlyphBitmap> glyph = code ? font.glyph(*code) : std::nullopt;
            if (!glyph || litCount(*glyph) == 0)
                continue;
            const QRect ink = inkBounds(*glyph);
            if (10 - glyph->top + ink.top() < 0 || 10 - glyph->top + ink.bottom() > 11)
                continue; // moved, as it would not fit there
            const CellBitmap cell = cellAt(bytes, quint16(lead << 8 | trail));
            const int glyphRow =
                int(std::find(glyph->pixels.begin(), glyph->pixels.end(), true) - glyph->pixels.begin()) /
                glyph->width;
            const int cellRow = int(
                std::find_if(cell.begin(), cell.end(), [](quint16 row) { return row != 0; }) - cell.begin());
            baselines.insert(cellRow - glyphRow + glyph->top);
            ++checked;
        }
    }
    QVERIFY(checked > 6000);
    QCOMPARE(baselines, QSet<int> {10});
}

void TstDotFontGenerator::shouldMoveAGlyphJustEnoughToKeepItsInk_data()
{
    QTest::addColumn<QStringList>("glyph"); // its bitmap, blank margins included
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top"); // rows above the baseline, which lies under cell row 9
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<Placement>("placement");
    QTest::addColumn<QStringList>("cell"); // the rows of the cell that hold ink, from its top
    QTest::addColumn<int>("firstRow");
    const QStringList bar {"####"};
    QTest::newRow("fits") << bar << 1 << 5 << 16 << Placement::AtBaseline << QStringList {".####"} << 5;
    QTest::newRow("above the cell: down to row 0")
        << bar << 0 << 14 << 16 << Placement::Moved << QStringList {"####"} << 0;
    QTest::newRow("below the cell: up to row 11")
        << bar << 0 << -5 << 16 << Placement::Moved << QStringList {"####"} << 11;
    QTest::newRow("blank margins do not count")
        << QStringList {"......", ".####.", "......", "......"} << 0 << 11 << 16 << Placement::AtBaseline
        << QStringList {".####"} << 0;
    QTest::newRow("past the right edge: left to fit")
        << QStringList {"########"} << 12 << 3 << 16 << Placement::Moved << QStringList {"........########"}
        << 7;
    QTest::newRow("single-byte cell")
        << QStringList {"######"} << 4 << 3 << 8 << Placement::Moved << QStringList {"..######"} << 7;
    QTest::newRow("wider than the cell: only the excess is cut")
        << QStringList {"#.................#"} << 2 << 3 << 16 << Placement::Cut
        << QStringList {"#..............."} << 7;
    const QStringList tall {"#", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", "#", "#"};
    QTest::newRow("taller than the cell, top cut off: only the excess is lost")
        << tall << 0 << 13 << 16 << Placement::Cut
        << QStringList {".", ".", ".", ".", ".", ".", ".", ".", ".", ".", "#", "#"} << 0;
    QTest::newRow("blank") << QStringList {"....", "...."} << 0 << 20 << 16 << Placement::AtBaseline
                           << QStringList {} << 0;
}

void TstDotFontGenerator::shouldMoveAGlyphJustEnoughToKeepItsInk()
{
    QFETCH(QStringList, glyph);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, cellWidth);
    QFETCH(Placement, placement);
    QFETCH(QStringList, cell);
    QFETCH(int, firstRow);

    const PlacedGlyph placed = placeGlyph(glyphFromArt(glyph, left, top), 10, cellWidth);
    QCOMPARE(placed.placement, placement);
    QStringList expected(CellRowCount, QString(cellWidth, u'.'));
    for (qsizetype i = 0; i < cell.size(); ++i)
        expected[firstRow + i].replace(0, cell[i].size(), cell[i]);
    QCOMPARE(artOf(placed.cell, cellWidth), expected);
}

void TstDotFontGenerator::shouldKeepEveryLitPixelOfEveryGlyph_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : fileNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TstDotFontGenerator::shouldKeepEveryLitPixelOfEveryGlyph()
{
    QFETCH(QString, file);

    // Each cell's source glyph found again as the generator finds it; a glyph whose ink fits the
    // cell must be there whole, at its font's baseline (under row 9) or moved just enough to fit.
    const SourceFonts sources = realSources();
    const BitmapFont wenQuanYi = openFont(sources.wenQuanYi);
    const BitmapFont microHei = openFont(sources.microHei);
    const BitmapFont shinonome = openFont(sources.shinonome);
    const BitmapFont baekmuk = openFont(sources.baekmuk);
    const BitmapFont latin = openFont(sources.latin);
    const BitmapFont katakana = openFont(sources.katakana);
    const BitmapFont fixed = openFont(sources.fixed);
    const bool isGrid = file != u"ASC12";
    const int cellWidth = isGrid ? 16 : 8;
    const QByteArray &bytes = m_files.at(file);

    PlacementCounts counted;
    int whole = 0;
    QStringList lost; // cells that lack ink of their glyph or sit elsewhere
    auto check = [&](quint16 code, const std::optional<GlyphBitmap> &glyph) {
        const CellBitmap cell = cellAt(bytes, code);
        const QRect ink = glyph ? inkBounds(*glyph) : QRect();
        bool kept = true;
        if (ink.isEmpty()) {
            kept = litCount(cell) == 0;
        } else if (ink.height() > CellRowCount || ink.width() > cellWidth) {
            ++counted.cut;
        } else {
            const QPoint atBaseline(std::max(glyph->left, 0) + ink.left(), 10 - glyph->top + ink.top());
            const QPoint fitted(std::clamp(atBaseline.x(), 0, cellWidth - ink.width()),
                                std::clamp(atBaseline.y(), 0, CellRowCount - ink.height()));
            counted.moved += fitted != atBaseline ? 1 : 0;
            kept = holdsInkAt(cell, *glyph, fitted);
            ++whole;
        }
        if (!kept)
            lost << QString::number(code, 16).toUpper();
    };

    if (!isGrid) {
        for (int code = 0; code <= 0xFF; ++code) {
            std::optional<GlyphBitmap> glyph;
            if (code >= 0x20 && code <= 0x7E)
                glyph = latin.glyph(quint32(code));
            else if (code == 0x80)
                glyph = fixed.glyph(0x20AC);
            else if (code >= 0xA1 && code <= 0xDF)
                glyph = katakana.glyph(quint32(code));
            check(quint16(code), glyph);
        }
    } else {
        const CodePageCodec &table = CodePageCodec::instance(codePageOf(file));
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
                std::optional<GlyphBitmap> glyph;
                if (!isUnassigned(character)) {
                    if (const auto jis = file == u"JPK12" ? shiftJisToJis(lead, trail) : std::nullopt)
                        glyph = shinonome.glyph(*jis);
                    else if (const auto ksc = file == u"KRK12" ? uhcToKsc(lead, trail) : std::nullopt)
                        glyph = baekmuk.glyph(*ksc);
                    if (!glyph)
                        glyph = (file == u"KRK12" ? microHei : wenQuanYi).glyph(character);
                }
                check(quint16(lead << 8 | trail), glyph);
            }
        }
    }
    QVERIFY2(
        lost.isEmpty(),
        qPrintable(QStringLiteral("%1 cells, e.g. %2").arg(lost.size()).arg(lost.mid(0, 12).join(u' '))));
    QVERIFY(whole > (isGrid ? 7000 : 150));
    // What --stats names.
    QCOMPARE(counted.moved, m_placements.at(file).moved);
    QCOMPARE(counted.cut, m_placements.at(file).cut);
}

void TstDotFontGenerator::shouldDrawMarksAtTheCellsTopWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("character");
    QTest::addColumn<QStringList>("art"); // the cell's rows that hold ink, from row 0
    // Bitmap Song draws them partly or wholly above the ideographs' top row.
    const QStringList macron {"############...."};
    const QStringList quotes {".......#..#.....", "......#..#......", "......##.##.....", "......##.##....."};
    const QStringList three {".###.###.###....", "..#...#...#.....", "..#...#...#.....", "..#...#...#.....",
                             "..#...#...#.....", "..#...#...#.....", "..#...#...#.....", "..#...#...#.....",
                             "..#...#...#.....", "..#...#...#.....", ".###.###.###...."};
    for (const QString &file : {u"HZK12"_qs, u"TWK12"_qs}) {
        QTest::addRow("%s ￣", qPrintable(file)) << file << u"￣"_qs << macron;
        QTest::addRow("%s “", qPrintable(file)) << file << u"“"_qs << quotes;
        QTest::addRow("%s Ⅲ", qPrintable(file)) << file << u"Ⅲ"_qs << three;
    }
    QTest::newRow("JPK12 Ⅲ (NEC row 13)") << u"JPK12"_qs << u"Ⅲ"_qs << three;
    QTest::newRow("HZK12 ”") << u"HZK12"_qs << u"”"_qs
                             << QStringList {".##.##..........", ".##.##..........", "..#..#..........",
                                             ".#..#..........."};
}

void TstDotFontGenerator::shouldDrawMarksAtTheCellsTopWhole()
{
    QFETCH(QString, file);
    QFETCH(QString, character);
    QFETCH(QStringList, art);

    const QList<quint16> codes = characterCodes(CodePageCodec::instance(codePageOf(file)), character);
    QCOMPARE(codes.size(), 1);
    QVERIFY(codes.front() >= 0x8100);
    QStringList expected = art;
    while (expected.size() < CellRowCount)
        expected << QString(16, u'.');
    QCOMPARE(dumpGlyph(m_files.at(file), codes.front()).split(u'\n', Qt::SkipEmptyParts), expected);
}

void TstDotFontGenerator::shouldCountMovedAndCutGlyphsInStats()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess generator;
    generator.start(QStringLiteral(LUME_BINARY_DIR "/bin/dotfontgen"),
                    generatorArguments(dir.path(), realSources()) << u"--stats"_qs);
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    const QStringList lines = QString::fromLocal8Bit(generator.readAllStandardOutput()).split(u'\n');
    for (const QString &file : fileNames()) {
        const PlacementCounts &counts = m_placements.at(file);
        const QString expected = QStringLiteral("%1 moved to fit, %2 cut").arg(counts.moved).arg(counts.cut);
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                             [&](const QString &line) {
                                 return line.startsWith(file + u':') && line.contains(expected);
                             }),
                 qPrintable(file + u": "_qs + lines.join(u'|')));
    }
    QVERIFY(m_placements.at(u"HZK12"_qs).moved > 0); // “ ” Ⅲ ￣ and others
}

void TstDotFontGenerator::shouldMapCellsToNationalCodes_data()
{
    QTest::addColumn<QString>("national");
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("trail");
    QTest::addColumn<int>("code"); // -1: no cell of JIS X 0208 or KS X 1001
    QTest::newRow("Shift_JIS 8140 ideographic space") << u"JIS"_qs << 0x81 << 0x40 << 0x2121;
    QTest::newRow("Shift_JIS 817E last before the gap") << u"JIS"_qs << 0x81 << 0x7E << 0x215F;
    QTest::newRow("Shift_JIS 8180 first after the gap") << u"JIS"_qs << 0x81 << 0x80 << 0x2160;
    QTest::newRow("Shift_JIS 819E end of odd row") << u"JIS"_qs << 0x81 << 0x9E << 0x217E;
    QTest::newRow("Shift_JIS 819F start of even row") << u"JIS"_qs << 0x81 << 0x9F << 0x2221;
    QTest::newRow("Shift_JIS 82A0 あ") << u"JIS"_qs << 0x82 << 0xA0 << 0x2422;
    QTest::newRow("Shift_JIS 889F 亜") << u"JIS"_qs << 0x88 << 0x9F << 0x3021;
    QTest::newRow("Shift_JIS 9FFC last of the first leads") << u"JIS"_qs << 0x9F << 0xFC << 0x5E7E;
    QTest::newRow("Shift_JIS E040 first of the second leads") << u"JIS"_qs << 0xE0 << 0x40 << 0x5F21;
    QTest::newRow("Shift_JIS EAA4 熙") << u"JIS"_qs << 0xEA << 0xA4 << 0x7426;
    QTest::newRow("Shift_JIS EFFC last cell") << u"JIS"_qs << 0xEF << 0xFC << 0x7E7E;
    QTest::newRow("Shift_JIS lead 80") << u"JIS"_qs << 0x80 << 0x40 << -1;
    QTest::newRow("Shift_JIS lead A0") << u"JIS"_qs << 0xA0 << 0x40 << -1;
    QTest::newRow("Shift_JIS lead DF (half-width katakana)") << u"JIS"_qs << 0xDF << 0x40 << -1;
    QTest::newRow("Shift_JIS lead F0 (user-defined)") << u"JIS"_qs << 0xF0 << 0x40 << -1;
    QTest::newRow("Shift_JIS lead FA (IBM extension)") << u"JIS"_qs << 0xFA << 0x40 << -1;
    QTest::newRow("Shift_JIS trail 3F") << u"JIS"_qs << 0x81 << 0x3F << -1;
    QTest::newRow("Shift_JIS trail 7F") << u"JIS"_qs << 0x81 << 0x7F << -1;
    QTest::newRow("Shift_JIS trail FD") << u"JIS"_qs << 0x81 << 0xFD << -1;
    QTest::newRow("UHC A1A1 first cell") << u"KSC"_qs << 0xA1 << 0xA1 << 0x2121;
    QTest::newRow("UHC B0A1 가") << u"KSC"_qs << 0xB0 << 0xA1 << 0x3021;
    QTest::newRow("UHC C8FE 흐") << u"KSC"_qs << 0xC8 << 0xFE << 0x487E;
    QTest::newRow("UHC FEFE last cell") << u"KSC"_qs << 0xFE << 0xFE << 0x7E7E;
    QTest::newRow("UHC 8141 UHC extension") << u"KSC"_qs << 0x81 << 0x41 << -1;
    QTest::newRow("UHC A141 UHC extension, low trail") << u"KSC"_qs << 0xA1 << 0x41 << -1;
    QTest::newRow("UHC C6A0 trail A0") << u"KSC"_qs << 0xC6 << 0xA0 << -1;
    QTest::newRow("UHC A0A1 lead A0") << u"KSC"_qs << 0xA0 << 0xA1 << -1;
    QTest::newRow("UHC B0FF trail FF") << u"KSC"_qs << 0xB0 << 0xFF << -1;
}

void TstDotFontGenerator::shouldMapCellsToNationalCodes()
{
    QFETCH(QString, national);
    QFETCH(int, lead);
    QFETCH(int, trail);
    QFETCH(int, code);

    const std::optional<quint16> mapped =
        national == u"JIS" ? shiftJisToJis(lead, trail) : uhcToKsc(lead, trail);
    QCOMPARE(mapped.has_value(), code >= 0);
    if (mapped)
        QCOMPARE(int(*mapped), code);
}

void TstDotFontGenerator::shouldAgreeWithEucJpOnEveryShiftJisCell()
{
    // EUC-JP holds JIS codes with bit 7 set on both bytes: decoding both ways must give one character.
    const char *shiftJis = "windows-31j";
    const char *eucJp = "EUC-JP";
    auto decode = [](const char *name, QByteArrayView bytes) {
        QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(bytes);
        return decoder.hasError() ? QString() : text;
    };
    QVERIFY(QStringDecoder(eucJp).isValid());
    int agreed = 0;
    for (int lead = 0x81; lead <= 0xEF; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::optional<quint16> jis = shiftJisToJis(lead, trail);
            if (!jis)
                continue;
            const char pair[2] = {char(lead), char(trail)};
            const char euc[2] = {char(*jis >> 8 | 0x80), char((*jis & 0xFF) | 0x80)};
            const QString viaShiftJis = decode(shiftJis, QByteArrayView(pair, 2));
            const QString viaEuc = decode(eucJp, QByteArrayView(euc, 2));
            if (viaShiftJis.size() != 1 || viaShiftJis == u"\uFFFD" || viaShiftJis == u"\x1A")
                continue; // no character in that cell
            QCOMPARE(viaEuc, viaShiftJis);
            ++agreed;
        }
    }
    QVERIFY(agreed >= 6879); // all of JIS X 0208 at least
}

void TstDotFontGenerator::shouldPutCellsAtGridOffsets_data()
{
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("trail");
    QTest::addColumn<qint64>("offset");
    QTest::newRow("first cell") << 0x81 << 0x40 << qint64(0);
    QTest::newRow("second cell") << 0x81 << 0x41 << qint64(24);
    QTest::newRow("first cell of lead 82") << 0x82 << 0x40 << qint64(191 * 24);
    QTest::newRow("B0A1") << 0xB0 << 0xA1 << qint64(217776);
    QTest::newRow("last cell") << 0xFE << 0xFE << qint64(577560);
}

void TstDotFontGenerator::shouldPutCellsAtGridOffsets()
{
    QFETCH(int, lead);
    QFETCH(int, trail);
    QFETCH(qint64, offset);

    QCOMPARE(gridOffset(lead, trail), offset);
}

void TstDotFontGenerator::shouldLeaveCellsWithoutGlyphBlank_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("assigned"); // the code page has a character there
    QTest::newRow("GBK trail 7F") << u"HZK12"_qs << 0x817F << false;
    QTest::newRow("GBK user-defined AAA1") << u"HZK12"_qs << 0xAAA1 << false;
    QTest::newRow("Big5 user-defined 8140") << u"TWK12"_qs << 0x8140 << false;
    QTest::newRow("Shift_JIS empty row 8540") << u"JPK12"_qs << 0x8540 << false;
    QTest::newRow("Shift_JIS user-defined F040") << u"JPK12"_qs << 0xF040 << false;
    QTest::newRow("Shift_JIS half-width lead A1") << u"JPK12"_qs << 0xA1A1 << false;
    QTest::newRow("UHC after the last syllable C741") << u"KRK12"_qs << 0xC741 << false;
    QTest::newRow("UHC user-defined C9A1") << u"KRK12"_qs << 0xC9A1 << false;
    // Bitmap Song lacks these; Micro Hei has them but may not be mixed into a GPL-2 file.
    QTest::newRow("GBK A2A6 ⅵ") << u"HZK12"_qs << 0xA2A6 << true;
    QTest::newRow("Shift_JIS 874C ⑬") << u"JPK12"_qs << 0x874C << true;
}

void TstDotFontGenerator::shouldLeaveCellsWithoutGlyphBlank()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    QFETCH(bool, assigned);

    const char32_t character =
        CodePageCodec::instance(codePageOf(file)).cellCharacter(quint8(code >> 8), quint8(code));
    QCOMPARE(!isUnassigned(character), assigned);
    QCOMPARE(m_files.at(file).mid(gridOffset(code >> 8, code & 0xFF), 24), QByteArray(24, '\0'));
}

void TstDotFontGenerator::shouldLeaveEveryUnassignedCellBlank_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : fileNames().mid(1))
        QTest::newRow(qPrintable(name)) << name;
}

void TstDotFontGenerator::shouldLeaveEveryUnassignedCellBlank()
{
    QFETCH(QString, file);

    const CodePageCodec &table = CodePageCodec::instance(codePageOf(file));
    const QByteArray &bytes = m_files.at(file);
    int blank = 0;
    int drawn = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const bool isEmpty = bytes.mid(gridOffset(lead, trail), 24) == QByteArray(24, '\0');
            if (isUnassigned(table.cellCharacter(quint8(lead), quint8(trail)))) {
                QVERIFY2(isEmpty, qPrintable(QString::number(lead << 8 | trail, 16)));
                ++blank;
            } else {
                drawn += isEmpty ? 0 : 1;
            }
        }
    }
    QVERIFY(blank > 0);
    QVERIFY(drawn > 7000);
}

void TstDotFontGenerator::shouldLeaveSingleByteCodesWithoutGlyphBlank()
{
    // Only ASCII, the euro sign of GBK (0x80) and the half-width katakana of Shift_JIS are drawn.
    const QByteArray &bytes = m_files.at(u"ASC12"_qs);
    for (int code = 0; code <= 0xFF; ++code) {
        const bool drawn = (code > 0x20 && code < 0x7F) || code == 0x80 || (code >= 0xA1 && code <= 0xDF);
        const bool isEmpty = bytes.mid(12 * code, 12) == QByteArray(12, '\0');
        QVERIFY2(isEmpty != drawn, qPrintable(QString::number(code, 16)));
    }
}

void TstDotFontGenerator::shouldShipTheFilesItBuildsAtTheirSizes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("ASC12") << u"ASC12"_qs << qsizetype(3072);
    for (const QString &name : fileNames().mid(1))
        QTest::newRow(qPrintable(name)) << name << qsizetype(577584);
}

void TstDotFontGenerator::shouldShipTheFilesItBuildsAtTheirSizes()
{
    QFETCH(QString, file);
    QFETCH(qsizetype, size);

    QCOMPARE(m_files.at(file).size(), size);
    // The build writes them into the data folder beside bin/, where Scriptlume looks.
    QFile shipped(QStringLiteral(LUME_BINARY_DIR "/share/scriptlume/") + file);
    QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
    QVERIFY(shipped.readAll() == m_files.at(file));
}

void TstDotFontGenerator::shouldRefuseMissingSourceAndWriteNoFile_data()
{
    QTest::addColumn<int>("source");
    const QStringList options {u"wenquanyi"_qs, u"microhei"_qs, u"shinonome"_qs, u"baekmuk"_qs,
                               u"latin"_qs,     u"katakana"_qs, u"fixed"_qs};
    for (qsizetype i = 0; i < options.size(); ++i)
        QTest::newRow(qPrintable(u"--"_qs + options[i])) << int(i);
}

void TstDotFontGenerator::shouldRefuseMissingSourceAndWriteNoFile()
{
    QFETCH(int, source);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(u"no-such-font.pcf"_qs);
    SourceFonts sources = realSources();
    sourcePath(sources, source) = missing;

    QProcess generator;
    generator.start(QStringLiteral(LUME_BINARY_DIR "/bin/dotfontgen"),
                    generatorArguments(dir.filePath(u"out"_qs), sources));
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 1);
    const QString message = QString::fromLocal8Bit(generator.readAllStandardError());
    QVERIFY2(message.contains(missing + u": no such file"_qs), qPrintable(message));
    QVERIFY(QDir(dir.filePath(u"out"_qs)).isEmpty());
}

void TstDotFontGenerator::shouldRefuseWrongSourceFont_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const SourceFonts fonts = realSources();
    const QString misc = QFileInfo(fonts.shinonome).absolutePath();
    QTest::newRow("text file as WenQuanYi")
        << 0 << QStringLiteral(LUME_SOURCE_DIR "/packages/run.txt") << u"not a font FreeType can read"_qs;
    QTest::newRow("16-pixel Shinonome") << 2 << misc + u"/shnmk16.pcf.gz"_qs << u"has no 12-pixel strike"_qs;
    QTest::newRow("JIS font as Baekmuk") << 3 << fonts.shinonome << u"a JISX0208.1990 font, not KSC5601"_qs;
    QTest::newRow("KS X 1001 font as Shinonome")
        << 2 << fonts.baekmuk << u"a KSC5601.1987 font, not JISX0208"_qs;
    QTest::newRow("Unicode font as katakana") << 5 << fonts.latin << u"a Unicode font, not JISX0201"_qs;
    QTest::newRow("JIS X 0201 font as Latin")
        << 4 << fonts.katakana << u"a JISX0201.1976 font, not Unicode"_qs;
    QTest::newRow("Latin font as WenQuanYi") << 0 << fonts.fixed << u"has no glyph for code 4E2D"_qs;
}

void TstDotFontGenerator::shouldRefuseWrongSourceFont()
{
    QFETCH(int, source);
    QFETCH(QString, path);
    QFETCH(QString, reason);

    SourceFonts sources = realSources();
    sourcePath(sources, source) = path;
    QString error;
    QVERIFY(!DotFontGenerator::open(sources, &error).has_value());
    QVERIFY2(error.contains(path + u": "_qs + reason), qPrintable(error));
}

void TstDotFontGenerator::shouldLeaveFolderAsItWasWhenAWriteFails()
{
    // An old "ASC12" and a folder named "KRK12" in the way of the last file.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile old(dir.filePath(u"ASC12"_qs));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QVERIFY(QDir(dir.path()).mkdir(u"KRK12"_qs));

    QString error;
    QVERIFY(!m_generator->writeAll(dir.path(), &error));
    QVERIFY2(error.contains(u"KRK12"), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({u"ASC12"_qs, u"KRK12"_qs}));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));

    // Once the way is clear, all five are written as built.
    QVERIFY(QDir(dir.path()).rmdir(u"KRK12"_qs));
    QVERIFY2(m_generator->writeAll(dir.path(), &error), qPrintable(error));
    for (const QString &name : fileNames()) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == m_files.at(name), qPrintable(name));
    }
}

void TstDotFontGenerator::shouldDumpOnlyCodesInsideTheFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("inside");
    QTest::newRow("HZK12 B0A1") << u"HZK12"_qs << 0xB0A1 << true;
    QTest::newRow("HZK12 last cell") << u"HZK12"_qs << 0xFEFE << true;
    QTest::newRow("HZK12 lead 80") << u"HZK12"_qs << 0x8041 << false;
    QTest::newRow("HZK12 trail 3F") << u"HZK12"_qs << 0x813F << false;
    QTest::newRow("HZK12 trail FF") << u"HZK12"_qs << 0x81FF << false;
    QTest::newRow("ASC12 FF") << u"ASC12"_qs << 0xFF << true;
    QTest::newRow("ASC12 141") << u"ASC12"_qs << 0x141 << false;
    QTest::newRow("short file") << u"ASC12"_qs << 0xB0A1 << false;
}

void TstDotFontGenerator::shouldDumpOnlyCodesInsideTheFile()
{
    QFETCH(QString, file);
    QFETCH(int, code);
    QFETCH(bool, inside);

    const QString art = dumpGlyph(m_files.at(file), quint16(code));
    QCOMPARE(!art.isEmpty(), inside);
    if (inside)
        QCOMPARE(art.count(u'\n'), 12);
}

QTEST_GUILESS_MAIN(TstDotFontGenerator)
#include "tst_dotfontgenerator.moc"
