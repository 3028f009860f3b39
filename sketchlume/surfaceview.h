#pragma once

#include "drawingsurface.h"

#include <QWidget>

namespace lume {

// Shows one drawing surface, its left edge moved by the preview's scroll value.
class SurfaceView final : public QWidget
{
public:
    SurfaceView(const DrawingSurface &surface, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const DrawingSurface &m_surface;
};

} // namespace lume
