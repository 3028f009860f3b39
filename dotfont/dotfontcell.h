#pragma once

#include <QtGlobal>

namespace lume {

// The layout of the dot-font files, shared by the rasteriser that reads them and by dotfontgen,
// which makes them. Header only, so that the generator, which runs during the build, links
// nothing of the program.

inline constexpr int CellRowCount = 12;
inline constexpr int GridFirstLead = 0x81;
inline constexpr int GridFirstTrail = 0x40;
inline constexpr int GridLeadCount = 126; // lead bytes 0x81..0xFE
inline constexpr int GridTrailCount = 191; // trail bytes 0x40..0xFE
inline constexpr qint64 DoubleByteCellBytes = 2 * CellRowCount;
inline constexpr qint64 SingleByteCellBytes = CellRowCount;
inline constexpr qsizetype GridFileSize =
    qsizetype(GridLeadCount) * GridTrailCount * DoubleByteCellBytes; // 577,584
inline constexpr qsizetype SingleByteFileSize = 256 * SingleByteCellBytes; // 3,072

// Byte offset of the cell of a double-byte code in a grid file. A code before the grid (lead below
// 0x81, or lead 0x81 with a trail below 0x40) gives a negative offset.
[[nodiscard]] constexpr qint64 gridOffset(int lead, int trail)
{
    return DoubleByteCellBytes * (qint64(lead - GridFirstLead) * GridTrailCount + (trail - GridFirstTrail));
}

// Byte offset of a single-byte code's cell in "ASC12".
[[nodiscard]] constexpr qint64 singleByteOffset(quint8 code)
{
    return SingleByteCellBytes * code;
}

static_assert(gridOffset(0x81, 0x40) == 0);
static_assert(gridOffset(0xB0, 0xA1) == 217'776);
static_assert(gridOffset(0xFE, 0xFE) + DoubleByteCellBytes == GridFileSize);

} // namespace lume
