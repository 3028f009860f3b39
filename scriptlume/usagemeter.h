#pragma once

#include "messagebank.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>

namespace lume {

// Text colour of message m's box, also the colour of its segment in the usage meter.
[[nodiscard]] QColor messageColour(int message);

// DrawUsageMeter: one pixel column per column byte of the badge's 512. The bars of the selected
// messages with a width above 0 lie side by side from column 0; the position after a bar is held at
// 511, so the last column is always repainted white with the free part. Nothing is cleared first.
void drawUsageMeter(QImage &meter, const std::array<qint16, MessageBank::MessageCount> &widths,
                    const std::array<bool, MessageBank::MessageCount> &selected);

// Picture2: shows the meter image and keeps it, so an uncovered window repaints what was drawn.
class UsageMeter : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = MessageBank::RowBytes;
    static constexpr int Rows = MessageBank::RowCount;

    explicit UsageMeter(QWidget *parent = nullptr);

    [[nodiscard]] const QImage &image() const { return m_image; }
    void draw(const std::array<qint16, MessageBank::MessageCount> &widths,
              const std::array<bool, MessageBank::MessageCount> &selected);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

} // namespace lume
