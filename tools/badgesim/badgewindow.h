#pragma once

#include "badgeplayer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace lume {

// The LED matrix on screen: draws one frame, scaled by a whole number so the dots stay sharp.
class LedView : public QWidget
{
    Q_OBJECT
public:
    explicit LedView(int columns, QWidget *parent = nullptr);

    void setFrame(const LedMatrix &frame);
    [[nodiscard]] const LedMatrix &frame() const { return m_frame; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LedMatrix m_frame;
    QImage m_image;
};

// The badge's window: the matrix playing the last stream received, and a line saying what plays.
class BadgeWindow : public QWidget
{
    Q_OBJECT
public:
    explicit BadgeWindow(int columns, const QString &device, QWidget *parent = nullptr);

    void showStream(const lume::DecodedStream &stream, int number);
    // Where the streams come from: the device, or a replayed file.
    void setSource(const QString &source);
    [[nodiscard]] const BadgePlayer &player() const { return m_player; }
    // Shows the frame at this time since the stream came; the timer calls it with the clock.
    void showTime(qint64 ms);

private:
    void tick();
    void updateStatus(int message);

    BadgePlayer m_player;
    QString m_device;
    int m_streamNumber = 0;
    int m_shownMessage = -2;
    LedView *m_view;
    QLabel *m_status;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

} // namespace lume
