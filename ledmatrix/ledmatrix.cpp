#include "ledmatrix.h"

#include "streamdecoder.h"

#include <algorithm>

namespace lume {

LedMatrix::LedMatrix(int columns)
    : m_columns(std::max(columns, 0))
    , m_lit(size_t(Rows) * size_t(m_columns), false)
{ }

bool LedMatrix::isLit(int row, int column) const
{
    if (row < 0 || row >= Rows || column < 0 || column >= m_columns)
        return false;
    return m_lit[size_t(row) * size_t(m_columns) + size_t(column)];
}

void LedMatrix::setLit(int row, int column, bool lit)
{
    if (row < 0 || row >= Rows || column < 0 || column >= m_columns)
        return;
    m_lit[size_t(row) * size_t(m_columns) + size_t(column)] = lit;
}

bool LedMatrix::isDark() const
{
    return std::none_of(m_lit.begin(), m_lit.end(), [](bool lit) { return lit; });
}

int LedMatrix::litCount() const
{
    return int(std::count(m_lit.begin(), m_lit.end(), true));
}

QString LedMatrix::toText() const
{
    QString text;
    text.reserve(Rows * (m_columns + 1));
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < m_columns; ++c)
            text += isLit(r, c) ? u'#' : u'.';
        text += u'\n';
    }
    return text;
}

QDebug operator<<(QDebug debug, const LedMatrix &matrix)
{
    QDebugStateSaver saver(debug);
    debug.noquote().nospace() << "LedMatrix(" << matrix.columns() << " columns\n" << matrix.toText() << ')';
    return debug;
}

LedMatrix messageMatrix(const DecodedMessage &message)
{
    LedMatrix matrix(message.width * 8);
    for (int r = 0; r < LedMatrix::Rows; ++r) {
        const QByteArray &row = message.rows[r];
        // The decoder gives every row its width in bytes; a shorter one stays dark where it ends.
        const int bytes = std::min(int(row.size()), int(message.width));
        for (int k = 0; k < bytes; ++k) {
            const auto value = quint8(row[k]);
            for (int bit = 0; bit < 8; ++bit)
                matrix.setLit(r, k * 8 + bit, (value & (0x80 >> bit)) != 0);
        }
    }
    return matrix;
}

QImage renderLeds(const LedMatrix &matrix)
{
    const int width = LedLook::DotGap + matrix.columns() * LedLook::Pitch;
    const int height = LedLook::DotGap + LedMatrix::Rows * LedLook::Pitch;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(LedLook::Board);
    for (int r = 0; r < LedMatrix::Rows; ++r) {
        for (int c = 0; c < matrix.columns(); ++c) {
            const QRgb colour = matrix.isLit(r, c) ? LedLook::Lit : LedLook::Dark;
            const QPoint origin = LedLook::dotOrigin(r, c);
            for (int y = 0; y < LedLook::DotSize; ++y) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(origin.y() + y));
                for (int x = 0; x < LedLook::DotSize; ++x) {
                    // Leaving out the four corner pixels makes the dot round-ish.
                    const bool corner =
                        (x == 0 || x == LedLook::DotSize - 1) && (y == 0 || y == LedLook::DotSize - 1);
                    if (!corner)
                        line[origin.x() + x] = colour;
                }
            }
        }
    }
    return image;
}

} // namespace lume
