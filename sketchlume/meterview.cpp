#include "meterview.h"

#include "accessibility.h"

#include <QImage>
#include <QPainter>

namespace lume {

MeterView::MeterView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    describeUsage(this, 0);
}

void MeterView::setMeter(const QImage *meter)
{
    m_meter = meter;
    update();
}

void MeterView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_meter)
        painter.drawImage(QPoint(2, 2), *m_meter);
}

} // namespace lume
