#include "usagemeter.h"

#include "accessibility.h"

#include <QPainter>

namespace lume {

QColor messageColour(int message)
{
    static constexpr std::array<QRgb, MessageBank::MessageCount> colours {
        qRgb(255, 0, 0),   qRgb(207, 96, 0), qRgb(192, 192, 0), qRgb(0, 207, 0),
        qRgb(0, 207, 207), qRgb(0, 0, 255),  qRgb(207, 0, 207), qRgb(128, 0, 0),
    };
    return QColor::fromRgb(colours.at(message));
}

void drawUsageMeter(QImage &meter, const std::array<qint16, MessageBank::MessageCount> &widths,
                    const std::array<bool, MessageBank::MessageCount> &selected)
{
    constexpr int last = UsageMeter::Columns - 1;
    QPainter painter(&meter);
    int position = 0;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const int width = widths[m];
        if (width <= 0 || !selected[m])
            continue;
        // A bar that reaches past column 511 is clipped by the image.
        painter.fillRect(position, 0, width, UsageMeter::Rows, messageColour(m));
        position = std::min(position + width, last);
    }
    painter.fillRect(position, 0, UsageMeter::Columns - position, UsageMeter::Rows, Qt::white);
}

UsageMeter::UsageMeter(QWidget *parent)
    : QWidget(parent)
    , m_image(Columns, Rows, QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    describeUsage(this, 0);
}

void UsageMeter::draw(const std::array<qint16, MessageBank::MessageCount> &widths,
                      const std::array<bool, MessageBank::MessageCount> &selected)
{
    drawUsageMeter(m_image, widths, selected);
    update();
    int used = 0; // the real sum, which the strip cuts at its end
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        used += selected[m] ? std::max<int>(widths[m], 0) : 0;
    describeUsage(this, used);
}

void UsageMeter::paintEvent(QPaintEvent *)
{
    // The box is 516 x 15: the strip sits inside a one-pixel sunken border.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
    painter.drawLine(1, height() - 1, width() - 1, height() - 1);
    painter.drawImage(2, 1, m_image);
}

} // namespace lume
