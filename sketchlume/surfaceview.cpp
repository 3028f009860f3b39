#include "surfaceview.h"

#include <QPaintEvent>
#include <QPainter>

namespace lume {

SurfaceView::SurfaceView(const DrawingSurface &surface, QWidget *parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_surface.image(), event->rect());
}

} // namespace lume
