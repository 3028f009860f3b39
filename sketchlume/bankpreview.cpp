#include "bankpreview.h"

#include "ledpreview.h"

#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

namespace lume {

namespace {

constexpr const char *PreviewedMessage = "previewedMessage";
// A tooltip's frame and margins take some pixels of the screen's width.
constexpr int ToolTipMargins = 32;

} // namespace

BankPreview::BankPreview(const MessageBank &bank, QObject *parent)
    : QObject(parent)
    , m_bank(bank)
{
    setObjectName(QStringLiteral("BankPreview"));
}

void BankPreview::watch(QWidget *widget, int message)
{
    widget->setProperty(PreviewedMessage, message);
    widget->installEventFilter(this);
}

QString BankPreview::toolTip(int message, const QWidget *widget) const
{
    const QScreen *screen = widget->screen();
    const int maxWidth = (screen ? screen->availableGeometry().width() : 1024) - ToolTipMargins;
    return previewToolTip(previewMessage(m_bank, message, maxWidth));
}

bool BankPreview::eventFilter(QObject *watched, QEvent *event)
{
    // The preview's children pass an unanswered tooltip request on to it.
    const QVariant message = watched->property(PreviewedMessage);
    if (event->type() == QEvent::ToolTip && message.isValid() && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        // Under the preview, so that the surface stays in sight beside what was captured of it.
        const QPoint below(static_cast<QHelpEvent *>(event)->globalPos().x(),
                           widget->mapToGlobal(QPoint(0, widget->height())).y());
        QToolTip::showText(below, toolTip(message.toInt(), widget), widget, widget->rect());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lume
