#pragma once

#include "userprompt.h"

#include <QPointer>
#include <QWidget>

namespace lume {

// The windows' message boxes: exclamation icon, fixed text and title, the detail text expandable.
class MessageBoxPrompt final : public UserPrompt
{
public:
    explicit MessageBoxPrompt(QWidget *parent = nullptr);
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    // Window-modal and returns at once: the command that shows a failure ends anyway.
    void notify(const QString &text, const QString &title, const QStringList &detail = {}) override;
    // Waits for the answer (a close cannot go on without it), the transfer going on meanwhile.
    bool askYesNo(const QString &text, const QString &title) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace lume
