#pragma once

#include "bitmapfont.h"
#include "dotfontcell.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace lume {

// A glyph cell's rows, bit 15 the leftmost pixel (single-byte cells use bits 15..8).
using CellBitmap = std::array<quint16, CellRowCount>;

// The cell row that a font's baseline falls on: a line of 12 rows or fewer is bottom-aligned; a
// taller one keeps its descent as far as the reference glyph (an ideograph) still fits above.
[[nodiscard]] int baselineRow(int ascent, int descent, std::optional<int> referenceTop);

// How a glyph went into its cell.
enum class Placement {
    AtBaseline, // on the font's baseline, left bearing kept
    Moved, // its ink would have left the cell there: moved up, down or left just enough to fit
    Cut, // its ink is taller than the cell or wider than it: moved as far as helps, the rest dropped
};

struct PlacedGlyph
{
    CellBitmap cell {};
    Placement placement = Placement::AtBaseline;
};

// The glyph in a cell whose baseline is that row, left-aligned (a non-negative left bearing kept).
// No lit pixel is dropped unless the ink is larger than the cell.
[[nodiscard]] PlacedGlyph placeGlyph(const GlyphBitmap &glyph, int baselineRow, int cellWidth);

// The JIS X 0208 code (0x2121..0x7E7E) of a Shift_JIS double-byte cell, for leads 0x81..0x9F and
// 0xE0..0xEF; nullopt for other cells (vendor and user-defined leads, invalid trails).
[[nodiscard]] std::optional<quint16> shiftJisToJis(int lead, int trail);
// The KS X 1001 code (0x2121..0x7E7E) of a UHC cell in the EUC-KR range (both bytes 0xA1..0xFE).
[[nodiscard]] std::optional<quint16> uhcToKsc(int lead, int trail);

enum class GridFont { Hzk, Twk, Jpk, Krk };
[[nodiscard]] QString gridFileName(GridFont grid);

struct SourceFonts
{
    QString wenQuanYi; // WenQuanYi Bitmap Song, 12-pixel strike (Unicode)
    QString microHei; // WenQuanYi Micro Hei, scalable (Unicode): the Hangul that Baekmuk lacks
    QString shinonome; // Shinonome Gothic 12 (JIS X 0208)
    QString baekmuk; // Baekmuk Gulim 12 (KS X 1001)
    QString latin; // Shinonome 6x12 ISO 8859-1 (Unicode)
    QString katakana; // Shinonome 6x12 JIS X 0201 (half-width katakana)
    QString fixed; // misc-fixed 6x12 (Unicode): the euro sign
};

// How many glyphs of one file had to leave their font's baseline.
struct PlacementCounts
{
    int moved = 0;
    int cut = 0;
};

// Which source gave how many cells of one file.
struct GridStatistics
{
    int national = 0; // from the JIS or KS X 1001 font
    int bitmapSong = 0;
    int microHei = 0;
    int blank = 0; // a character of the code page with no glyph in the file's fonts
    PlacementCounts placement;
};

class DotFontGenerator
{
public:
    // nullopt and the reason in *error when a source is missing or is not the font it should be
    // (no 12-pixel strike, another character set, none of its usual characters).
    [[nodiscard]] static std::optional<DotFontGenerator> open(const SourceFonts &sources, QString *error);

    [[nodiscard]] QByteArray singleByteFont(PlacementCounts *counts = nullptr) const; // "ASC12"
    [[nodiscard]] QByteArray gridFont(GridFont grid, GridStatistics *statistics = nullptr) const;
    // Writes "ASC12", "HZK12", "TWK12", "JPK12" and "KRK12" into the folder, all or none: on failure
    // no file there is new or changed.
    [[nodiscard]] bool writeAll(const QString &dir, QString *error, QString *report = nullptr) const;

private:
    enum Role { WenQuanYi, MicroHei, Shinonome, Baekmuk, Latin, Katakana, Fixed, RoleCount };
    struct Source
    {
        BitmapFont font;
        int baseline = 0;
    };
    explicit DotFontGenerator(std::vector<Source> sources);
    [[nodiscard]] std::optional<CellBitmap> cell(Role role, quint32 code, int cellWidth,
                                                 PlacementCounts &counts) const;

    std::vector<Source> m_sources; // by Role
};

// A glyph of a dot-font file as '#'/'.' art, one line per row: a double-byte code (0x8000 and up)
// reads its grid cell, a code up to 0xFF its single-byte glyph. Empty for a code outside the file.
[[nodiscard]] QString dumpGlyph(const QByteArray &file, quint16 code);

} // namespace lume
