#pragma once

#include "badgelink/userprompt.h"

#include <QPointer>
#include <QWidget>

namespace lume {

// Message boxes with the exclamation icon. A notice is window-modal and returns at once; the
// close question has to answer before the close can go on, so it waits for the user.
class MessageBoxPrompt final : public UserPrompt
{
public:
    void setParentWidget(QWidget *parent) { m_parent = parent; }
    void notify(const QString &text, const QString &title, const QString &detail = {}) override;
    bool askYesNo(const QString &text, const QString &title) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace lume
