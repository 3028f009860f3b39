#include "badgewindow.h"

#include "streamdecoder.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace lume {

namespace {
constexpr int PreferredScale = 3;
// The shortest step (speed 8) is 20 ms; a quicker tick would only repaint the same frame.
constexpr int TickMs = 20;
} // namespace

LedView::LedView(int columns, QWidget *parent)
    : QWidget(parent)
    , m_frame(columns)
    , m_image(renderLeds(m_frame))
{
    setObjectName(QStringLiteral("LedMatrix"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedView::setFrame(const LedMatrix &frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    m_image = renderLeds(m_frame);
    update();
}

QSize LedView::sizeHint() const
{
    return m_image.size() * PreferredScale;
}

void LedView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(LedLook::Board));
    const int scale = std::max(
        1, std::min(width() / std::max(1, m_image.width()), height() / std::max(1, m_image.height())));
    const QSize size = m_image.size() * scale;
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, m_image);
}

BadgeWindow::BadgeWindow(int columns, const QString &device, QWidget *parent)
    : QWidget(parent)
    , m_player(columns)
    , m_device(device)
    , m_view(new LedView(m_player.columns(), this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("BadgeWindow"));
    setWindowTitle(QStringLiteral("badgesim %1").arg(device));
    m_status->setObjectName(QStringLiteral("StatusLabel"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
    updateStatus(-1);

    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &BadgeWindow::tick);
}

void BadgeWindow::showStream(const DecodedStream &stream, int number)
{
    m_player.setStream(stream);
    m_streamNumber = number;
    m_shownMessage = -2;
    m_clock.start();
    showTime(0);
    if (m_player.isEmpty())
        m_timer.stop(); // nothing moves: no need to wake up
    else
        m_timer.start();
}

void BadgeWindow::setSource(const QString &source)
{
    m_device = source;
    setWindowTitle(QStringLiteral("badgesim %1").arg(source));
    updateStatus(m_shownMessage);
}

void BadgeWindow::tick()
{
    showTime(m_clock.elapsed());
}

void BadgeWindow::showTime(qint64 ms)
{
    m_view->setFrame(m_player.frame(ms));
    const int message = m_player.messageAt(ms);
    if (message != m_shownMessage)
        updateStatus(message);
}

void BadgeWindow::updateStatus(int message)
{
    m_shownMessage = message;
    if (m_streamNumber == 0)
        m_status->setText(
            QStringLiteral("Listening on %1: send to it from Sketchlume, Scriptlume or lumesend.")
                .arg(m_device));
    else if (message < 0)
        m_status->setText(
            QStringLiteral("Stream %1 on %2: every message is empty.").arg(m_streamNumber).arg(m_device));
    else
        m_status->setText(
            QStringLiteral("Stream %1 on %2: Message%3").arg(m_streamNumber).arg(m_device).arg(message + 1));
}

} // namespace lume
