#pragma once

#include "messagebank.h"

#include <QObject>

#include <array>

class QWidget;

namespace lume {

// Hovering a message's preview shows what was captured of it, the bank's rows as the badge's LEDs
// with the message width: the colours that the capture drops are seen before sending. Reads the
// bank only.
class BankPreview final : public QObject
{
    Q_OBJECT
public:
    BankPreview(const MessageBank &bank, QObject *parent);

    // Hovering the widget, or any child of it without a tooltip of its own, previews message m.
    void watch(QWidget *widget, int message);
    // Message m's tooltip as hovering over that widget would show it now.
    [[nodiscard]] QString toolTip(int message, const QWidget *widget) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const MessageBank &m_bank;
};

} // namespace lume
