#pragma once

#include "badgelink/userprompt.h"

#include <QPointer>
#include <QWidget>

namespace lume {

// The window's message boxes: exclamation icon, fixed text and title, the detail text expandable.
class MessageBoxPrompt final : public UserPrompt
{
public:
    explicit MessageBoxPrompt(QWidget *parent = nullptr);

    // Window-modal and returns at once: the command that shows a failure ends anyway.
    void notify(const QString &text, const QString &title, const QString &detail = {}) override;
    // Blocks until answered, the transfer going on meanwhile.
    bool askYesNo(const QString &text, const QString &title) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace lume
