#include "tools/dotfontgen/dotfontgenerator.h"

#include "platform/codepage.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>

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

CellBitmap placeGlyph(const GlyphBitmap &glyph, int baselineRow, int cellWidth)
{
    CellBitmap cell {};
    const int firstRow = baselineRow - glyph.top;
    const int firstColumn = std::max(glyph.left, 0);
    for (int y = 0; y < glyph.height; ++y) {
        const int row = firstRow + y;
        if (row < 0 || row >= CellRowCount)
            continue;
        for (int x = 0; x < glyph.width; ++x) {
            const int column = firstColumn + x;
            if (column < cellWidth && glyph.pixel(x, y))
                cell[row] |= quint16(0x8000 >> column);
        }
    }
    return cell;
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

DotFontGenerator::DotFontGenerator(Source wenQuanYi, Source microHei, Source shinonome, Source baekmuk,
                                   Source latin, Source katakana, Source fixed)
    : m_wenQuanYi(std::move(wenQuanYi))
    , m_microHei(std::move(microHei))
    , m_shinonome(std::move(shinonome))
    , m_baekmuk(std::move(baekmuk))
    , m_latin(std::move(latin))
    , m_katakana(std::move(katakana))
    , m_fixed(std::move(fixed))
{ }

std::optional<DotFontGenerator> DotFontGenerator::open(const SourceFonts &sources, QString *error)
{
    // Every source sets its baseline once, so all glyphs of one font share the same vertical offset.
    auto load = [error](const QString &path, bool hasIdeographs) -> std::optional<Source> {
        std::optional<BitmapFont> font = BitmapFont::open(path, PixelSize, error);
        if (!font)
            return std::nullopt;
        std::optional<int> referenceTop;
        if (hasIdeographs) {
            if (const std::optional<GlyphBitmap> reference = font->glyph(ReferenceIdeograph))
                referenceTop = reference->top;
        }
        const int baseline = baselineRow(font->ascent(), font->descent(), referenceTop);
        return Source {std::move(*font), baseline};
    };
    std::optional<Source> wenQuanYi = load(sources.wenQuanYi, true);
    std::optional<Source> microHei = wenQuanYi ? load(sources.microHei, true) : std::nullopt;
    std::optional<Source> shinonome = microHei ? load(sources.shinonome, false) : std::nullopt;
    std::optional<Source> baekmuk = shinonome ? load(sources.baekmuk, false) : std::nullopt;
    std::optional<Source> latin = baekmuk ? load(sources.latin, false) : std::nullopt;
    std::optional<Source> katakana = latin ? load(sources.katakana, false) : std::nullopt;
    std::optional<Source> fixed = katakana ? load(sources.fixed, false) : std::nullopt;
    if (!fixed)
        return std::nullopt;
    return DotFontGenerator(std::move(*wenQuanYi), std::move(*microHei), std::move(*shinonome),
                            std::move(*baekmuk), std::move(*latin), std::move(*katakana), std::move(*fixed));
}

std::optional<CellBitmap> DotFontGenerator::cell(const Source &source, quint32 code, int cellWidth) const
{
    const std::optional<GlyphBitmap> glyph = source.font.glyph(code);
    if (!glyph)
        return std::nullopt;
    return placeGlyph(*glyph, source.baseline, cellWidth);
}

QByteArray DotFontGenerator::singleByteFont() const
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
    for (int code = 0x20; code <= 0x7E; ++code)
        put(code, cell(m_latin, quint32(code), 8));
    put(0x80, cell(m_fixed, Euro, 8));
    for (int code = 0xA1; code <= 0xDF; ++code)
        put(code, cell(m_katakana, quint32(code), 8));
    return file;
}

QByteArray DotFontGenerator::gridFont(GridFont grid, GridStatistics *statistics) const
{
    const CodePageTable &table = CodePageTable::instance(codePageOf(grid));
    QByteArray file(GridFileSize, '\0');
    GridStatistics counts;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
            // No character, or a user-defined one (private use) whose look no font knows: blank.
            if (character == 0 || isPrivateUse(character))
                continue;
            // The national fonts are indexed by the code itself; the Unicode fonts fill the rest
            // (vendor extensions, the extra Hangul syllables of UHC, what a font lacks).
            std::optional<CellBitmap> glyph;
            std::optional<quint16> national;
            if (grid == GridFont::Jpk)
                national = shiftJisToJis(lead, trail);
            else if (grid == GridFont::Krk)
                national = uhcToKsc(lead, trail);
            if (national) {
                glyph = cell(grid == GridFont::Jpk ? m_shinonome : m_baekmuk, *national, 16);
                counts.national += glyph ? 1 : 0;
            }
            if (!glyph) {
                glyph = cell(m_wenQuanYi, character, 16);
                counts.bitmapSong += glyph ? 1 : 0;
            }
            if (!glyph) {
                glyph = cell(m_microHei, character, 16);
                counts.microHei += glyph ? 1 : 0;
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
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QSaveFile file(QDir(dir).filePath(name));
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            return true;
        if (error != nullptr)
            *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
        return false;
    };
    if (!QDir().mkpath(dir)) {
        if (error != nullptr)
            *error = QStringLiteral("%1: cannot create the folder").arg(dir);
        return false;
    }
    if (!write(QStringLiteral("ASC12"), singleByteFont()))
        return false;
    for (GridFont grid : {GridFont::Hzk, GridFont::Twk, GridFont::Jpk, GridFont::Krk}) {
        GridStatistics counts;
        if (!write(gridFileName(grid), gridFont(grid, &counts)))
            return false;
        if (report != nullptr) {
            *report += QStringLiteral("%1: %2 national, %3 Bitmap Song, %4 Micro Hei, %5 blank\n")
                           .arg(gridFileName(grid))
                           .arg(counts.national)
                           .arg(counts.bitmapSong)
                           .arg(counts.microHei)
                           .arg(counts.blank);
        }
    }
    return true;
}

QString dumpGlyph(const QByteArray &file, quint16 code)
{
    const bool isDouble = code >= 0x8000;
    const int lead = code >> 8;
    const int trail = code & 0xFF;
    if (isDouble && trail < 0x40)
        return {};
    const qint64 offset = isDouble ? gridOffset(lead, trail) : 12 * qint64(code & 0xFF);
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
