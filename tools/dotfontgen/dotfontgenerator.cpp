#include "dotfontgenerator.h"

#include "codepage.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <array>
#include <memory>

namespace lume {

namespace {

constexpr int PixelSize = 12;
constexpr char32_t ReferenceIdeograph = U'中';
constexpr char32_t Euro = U'€';

bool isPrivateUse(char32_t character)
{
    return character >= 0xE000 && character <= 0xF8FF;
}

void putCell(QByteArray &file, qint64 offset, const CellBitmap &cell)
{
    for (int row = 0; row < CellRowCount; ++row) {
        file[offset + 2 * row] = char(cell[row] >> 8);
        file[offset + 2 * row + 1] = char(cell[row] & 0xFF);
    }
}

CodePage codePageOf(GridFont grid)
{
    switch (grid) {
    case GridFont::Hzk:
        return CodePage::Gbk;
    case GridFont::Twk:
        return CodePage::Big5;
    case GridFont::Jpk:
        return CodePage::ShiftJis;
    case GridFont::Krk:
        return CodePage::Uhc;
    }
    return CodePage::Gbk;
}

} // namespace

int baselineRow(int ascent, int descent, std::optional<int> referenceTop)
{
    const int bottomAligned = CellRowCount - descent;
    if (ascent + descent <= CellRowCount || !referenceTop)
        return std::clamp(bottomAligned, 0, CellRowCount);
    return std::clamp(std::max(bottomAligned, std::min(ascent, *referenceTop)), 0, CellRowCount);
}

PlacedGlyph placeGlyph(const GlyphBitmap &glyph, int baselineRow, int cellWidth)
{
    // The ink's bounds in the glyph's bitmap, which may have blank margins.
    int inkTop = glyph.height;
    int inkBottom = -1;
    int inkLeft = glyph.width;
    int inkRight = -1;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (glyph.pixel(x, y)) {
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
        }
    }
    PlacedGlyph placed;
    if (inkBottom < 0)
        return placed; // a blank glyph, such as a space

    // The shift along one axis that brings ink from first..last into 0..size-1; ink larger than
    // the cell goes as far as it helps, so it loses only what cannot fit.
    auto shiftInto = [](int first, int last, int size) {
        if (first < 0 && last < size)
            return std::min(-first, size - 1 - last);
        if (last >= size && first >= 0)
            return -std::min(last - (size - 1), first);
        return 0;
    };
    const int firstRow = baselineRow - glyph.top;
    const int firstColumn = std::max(glyph.left, 0);
    const int down = shiftInto(firstRow + inkTop, firstRow + inkBottom, CellRowCount);
    const int right = shiftInto(firstColumn + inkLeft, firstColumn + inkRight, cellWidth);
    if (inkBottom - inkTop >= CellRowCount || inkRight - inkLeft >= cellWidth)
        placed.placement = Placement::Cut;
    else if (down != 0 || right != 0)
        placed.placement = Placement::Moved;

    for (int y = inkTop; y <= inkBottom; ++y) {
        const int row = firstRow + down + y;
        if (row < 0 || row >= CellRowCount)
            continue;
        for (int x = inkLeft; x <= inkRight; ++x) {
            const int column = firstColumn + right + x;
            if (column >= 0 && column < cellWidth && glyph.pixel(x, y))
                placed.cell[row] |= quint16(0x8000 >> column);
        }
    }
    return placed;
}

std::optional<quint16> shiftJisToJis(int lead, int trail)
{
    int row = 0;
    if (lead >= 0x81 && lead <= 0x9F)
        row = (lead - 0x81) * 2 + 1;
    else if (lead >= 0xE0 && lead <= 0xEF)
        row = (lead - 0xC1) * 2 + 1;
    else
        return std::nullopt;
    int cell = 0;
    if (trail >= 0x40 && trail <= 0x7E)
        cell = trail - 0x3F;
    else if (trail >= 0x80 && trail <= 0x9E)
        cell = trail - 0x40;
    else if (trail >= 0x9F && trail <= 0xFC) {
        ++row;
        cell = trail - 0x9E;
    } else
        return std::nullopt;
    return quint16((row + 0x20) << 8 | (cell + 0x20));
}

std::optional<quint16> uhcToKsc(int lead, int trail)
{
    if (lead < 0xA1 || lead > 0xFE || trail < 0xA1 || trail > 0xFE)
        return std::nullopt;
    return quint16((lead - 0x80) << 8 | (trail - 0x80));
}

QString gridFileName(GridFont grid)
{
    switch (grid) {
    case GridFont::Hzk:
        return QStringLiteral("HZK12");
    case GridFont::Twk:
        return QStringLiteral("TWK12");
    case GridFont::Jpk:
        return QStringLiteral("JPK12");
    case GridFont::Krk:
        return QStringLiteral("KRK12");
    }
    return {};
}

DotFontGenerator::DotFontGenerator(std::vector<Source> sources)
    : m_sources(std::move(sources))
{ }

std::optional<DotFontGenerator> DotFontGenerator::open(const SourceFonts &sources, QString *error)
{
    // What each source must be. A national font is indexed by its own codes, so one of another
    // character set (or a Unicode one) would fill the grid with wrong glyphs without a word.
    struct Expected
    {
        const QString *path;
        const char *name;
        QStringList charsets; // registries a national font may carry; empty: a Unicode font
        quint32 probe; // a character every such font has
    };
    const std::array<Expected, RoleCount> expected {{
        {&sources.wenQuanYi, "WenQuanYi Bitmap Song", {}, ReferenceIdeograph},
        {&sources.microHei, "WenQuanYi Micro Hei", {}, ReferenceIdeograph},
        {&sources.shinonome, "Shinonome Gothic 12 (JIS X 0208)", {QStringLiteral("JISX0208")}, 0x2422},
        {&sources.baekmuk,
         "Baekmuk Gulim 12 (KS X 1001)",
         {QStringLiteral("KSC5601"), QStringLiteral("KSX1001")},
         0x3021},
        {&sources.latin, "Latin 6x12 (ISO 8859-1)", {}, U'A'},
        {&sources.katakana, "Shinonome 6x12 (JIS X 0201)", {QStringLiteral("JISX0201")}, 0xB1},
        {&sources.fixed, "misc-fixed 6x12", {}, Euro},
    }};
    std::vector<Source> loaded;
    for (const Expected &source : expected) {
        auto fail = [&](const QString &why) {
            if (error != nullptr)
                *error = QStringLiteral("%1: %2").arg(QString::fromLatin1(source.name), why);
            return std::nullopt;
        };
        QString why;
        std::optional<BitmapFont> font = BitmapFont::open(*source.path, PixelSize, &why);
        if (!font)
            return fail(why);
        const bool charsetFits = source.charsets.isEmpty()
            ? font->isUnicode()
            : std::any_of(source.charsets.begin(), source.charsets.end(),
                          [&font](const QString &charset) { return font->charset().startsWith(charset); });
        if (!charsetFits) {
            const QString has = font->isUnicode() ? QStringLiteral("Unicode") : font->charset();
            const QString wants =
                source.charsets.isEmpty() ? QStringLiteral("Unicode") : source.charsets.front();
            return fail(QStringLiteral("%1: a %2 font, not %3").arg(*source.path, has, wants));
        }
        const std::optional<GlyphBitmap> probe = font->glyph(source.probe);
        if (!probe)
            return fail(QStringLiteral("%1: has no glyph for code %2; another font?")
                            .arg(*source.path, QString::number(source.probe, 16).toUpper()));
        // One baseline per font, so all its glyphs share the same vertical offset.
        const std::optional<int> referenceTop =
            source.probe == ReferenceIdeograph ? std::optional<int>(probe->top) : std::nullopt;
        const int baseline = baselineRow(font->ascent(), font->descent(), referenceTop);
        loaded.push_back({std::move(*font), baseline});
    }
    return DotFontGenerator(std::move(loaded));
}

std::optional<CellBitmap> DotFontGenerator::cell(Role role, quint32 code, int cellWidth,
                                                 PlacementCounts &counts) const
{
    const Source &source = m_sources[role];
    const std::optional<GlyphBitmap> glyph = source.font.glyph(code);
    if (!glyph)
        return std::nullopt;
    const PlacedGlyph placed = placeGlyph(*glyph, source.baseline, cellWidth);
    counts.moved += placed.placement == Placement::Moved ? 1 : 0;
    counts.cut += placed.placement == Placement::Cut ? 1 : 0;
    return placed.cell;
}

QByteArray DotFontGenerator::singleByteFont(PlacementCounts *counts) const
{
    // Codes 0x20..0x7E are ASCII in all four code pages; 0x80 is the euro sign in GBK and
    // 0xA1..0xDF the half-width katakana of Shift_JIS. Control codes and the rest stay blank.
    QByteArray file(SingleByteFileSize, '\0');
    auto put = [&file](int code, const std::optional<CellBitmap> &cell) {
        if (!cell)
            return;
        for (int row = 0; row < CellRowCount; ++row)
            file[12 * code + row] = char((*cell)[row] >> 8);
    };
    PlacementCounts placement;
    for (int code = 0x20; code <= 0x7E; ++code)
        put(code, cell(Latin, quint32(code), 8, placement));
    put(0x80, cell(Fixed, Euro, 8, placement));
    for (int code = 0xA1; code <= 0xDF; ++code)
        put(code, cell(Katakana, quint32(code), 8, placement));
    if (counts != nullptr)
        *counts = placement;
    return file;
}

QByteArray DotFontGenerator::gridFont(GridFont grid, GridStatistics *statistics) const
{
    const CodePageCodec &table = CodePageCodec::instance(codePageOf(grid));
    // One Unicode font per file, so that each file is under one licence: Bitmap Song is GPL-2 only,
    // Micro Hei Apache-2.0 or GPL-3+, and the two cannot be mixed. Bitmap Song has no Hangul.
    const Role unicodeSource = grid == GridFont::Krk ? MicroHei : WenQuanYi;
    QByteArray file(GridFileSize, '\0');
    GridStatistics counts;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
            // No character, or a user-defined one (private use) whose look no font knows: blank.
            if (character == 0 || isPrivateUse(character))
                continue;
            // The national fonts are indexed by the code itself; one Unicode font fills the rest
            // (vendor extensions, the extra Hangul syllables of UHC, what the national font lacks).
            std::optional<CellBitmap> glyph;
            std::optional<quint16> national;
            if (grid == GridFont::Jpk)
                national = shiftJisToJis(lead, trail);
            else if (grid == GridFont::Krk)
                national = uhcToKsc(lead, trail);
            if (national) {
                glyph = cell(grid == GridFont::Jpk ? Shinonome : Baekmuk, *national, 16, counts.placement);
                counts.national += glyph ? 1 : 0;
            }
            if (!glyph) {
                glyph = cell(unicodeSource, character, 16, counts.placement);
                (unicodeSource == WenQuanYi ? counts.bitmapSong : counts.microHei) += glyph ? 1 : 0;
            }
            if (glyph)
                putCell(file, gridOffset(lead, trail), *glyph);
            else
                ++counts.blank;
        }
    }
    if (statistics != nullptr)
        *statistics = counts;
    return file;
}

bool DotFontGenerator::writeAll(const QString &dir, QString *error, QString *report) const
{
    // Everything is built before the first byte is written, and nothing is committed before all
    // files are written: a failure leaves the folder as it was.
    struct Output
    {
        QString name;
        QByteArray bytes;
    };
    auto placementReport = [](const PlacementCounts &placement, int cellWidth) {
        return QStringLiteral("%1 moved to fit, %2 cut (taller than 12 rows or wider than %3)")
            .arg(placement.moved)
            .arg(placement.cut)
            .arg(cellWidth);
    };
    PlacementCounts singleByte;
    std::vector<Output> outputs {{QStringLiteral("ASC12"), singleByteFont(&singleByte)}};
    QString counts = QStringLiteral("ASC12: %1\n").arg(placementReport(singleByte, 8));
    for (GridFont grid : {GridFont::Hzk, GridFont::Twk, GridFont::Jpk, GridFont::Krk}) {
        GridStatistics statistics;
        outputs.push_back({gridFileName(grid), gridFont(grid, &statistics)});
        counts += QStringLiteral("%1: %2 national, %3 Bitmap Song, %4 Micro Hei, %5 blank; %6\n")
                      .arg(gridFileName(grid))
                      .arg(statistics.national)
                      .arg(statistics.bitmapSong)
                      .arg(statistics.microHei)
                      .arg(statistics.blank)
                      .arg(placementReport(statistics.placement, 16));
    }
    auto fail = [error](const QString &why) {
        if (error != nullptr)
            *error = why;
        return false;
    };
    if (!QDir().mkpath(dir))
        return fail(QStringLiteral("%1: cannot create the folder").arg(dir));
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const Output &output : outputs) {
        auto file = std::make_unique<QSaveFile>(QDir(dir).filePath(output.name));
        if (!file->open(QIODevice::WriteOnly) || file->write(output.bytes) != output.bytes.size())
            return fail(QStringLiteral("%1: %2").arg(file->fileName(), file->errorString()));
        files.push_back(std::move(file));
    }
    for (const std::unique_ptr<QSaveFile> &file : files) {
        if (!file->commit())
            return fail(QStringLiteral("%1: %2").arg(file->fileName(), file->errorString()));
    }
    if (report != nullptr)
        *report += counts;
    return true;
}

QString dumpGlyph(const QByteArray &file, quint16 code)
{
    const bool isDouble = code >= 0x8000;
    const int lead = code >> 8;
    const int trail = code & 0xFF;
    if (isDouble ? lead < 0x81 || trail < 0x40 || trail > 0xFE : code > 0xFF)
        return {}; // outside the grid, or no single byte
    const qint64 offset = isDouble ? gridOffset(lead, trail) : singleByteOffset(quint8(code));
    const int bytesPerRow = isDouble ? 2 : 1;
    if (offset + 12 * bytesPerRow > file.size())
        return {};
    QString art;
    for (int row = 0; row < CellRowCount; ++row) {
        for (int column = 0; column < 8 * bytesPerRow; ++column) {
            const auto byte = quint8(file[offset + row * bytesPerRow + column / 8]);
            art += (byte & (0x80 >> (column % 8))) != 0 ? QLatin1Char('#') : QLatin1Char('.');
        }
        art += QLatin1Char('\n');
    }
    return art;
}

} // namespace lume
