#pragma once

#include <QDebug>
#include <QImage>
#include <QString>

#include <vector>

namespace lume {

struct DecodedMessage;

// Which LEDs of a 12-row display are lit: the badge's picture at one moment, or a whole message.
class LedMatrix
{
public:
    static constexpr int Rows = 12;

    explicit LedMatrix(int columns = 0);

    [[nodiscard]] int columns() const { return m_columns; }
    // Outside the matrix every LED is dark.
    [[nodiscard]] bool isLit(int row, int column) const;
    void setLit(int row, int column, bool lit);
    [[nodiscard]] bool isDark() const;
    [[nodiscard]] int litCount() const;

    // One line per row, '#' lit and '.' dark: readable when a comparison fails.
    [[nodiscard]] QString toText() const;

    friend bool operator==(const LedMatrix &, const LedMatrix &) = default;

private:
    int m_columns = 0;
    std::vector<bool> m_lit;
};

QDebug operator<<(QDebug debug, const LedMatrix &matrix);

// Every pixel of the message's column bytes, bit 7 leftmost: width x 8 columns.
[[nodiscard]] LedMatrix messageMatrix(const DecodedMessage &message);

// The matrix drawn as the badge looks: each LED a round dot of DotSize pixels with a gap of
// DotGap, lit red on a dark board.
struct LedLook
{
    static constexpr int DotSize = 4;
    static constexpr int DotGap = 1;
    static constexpr int Pitch = DotSize + DotGap;
    static constexpr QRgb Board = 0xff101010;
    static constexpr QRgb Lit = 0xffff2020;
    static constexpr QRgb Dark = 0xff3a0c0c;

    // Top-left pixel of the dot of LED (row, column).
    [[nodiscard]] static QPoint dotOrigin(int row, int column)
    {
        return {DotGap + column * Pitch, DotGap + row * Pitch};
    }
};
[[nodiscard]] QImage renderLeds(const LedMatrix &matrix);

} // namespace lume
