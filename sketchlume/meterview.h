#pragma once

#include <QWidget>

class QImage;

namespace lume {

// The usage meter Picture2: black, the 512 x 12 meter drawn inside its border.
class MeterView final : public QWidget
{
    Q_OBJECT
public:
    explicit MeterView(QWidget *parent = nullptr);
    // The window's meter image, which outlives the view.
    void setMeter(const QImage *meter);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage *m_meter = nullptr;
};

} // namespace lume
