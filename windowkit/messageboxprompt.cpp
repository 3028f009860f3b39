#include "messageboxprompt.h"

#include <QMessageBox>

namespace lume {

MessageBoxPrompt::MessageBoxPrompt(QWidget *parent)
    : m_parent(parent)
{ }

void MessageBoxPrompt::notify(const QString &text, const QString &title, const QStringList &detail)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    const QString detailText = detail.join(QStringLiteral("\n\n"));
    if (!detailText.isEmpty())
        box->setDetailedText(detailText);
    box->open();
}

bool MessageBoxPrompt::askYesNo(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace lume
