#include "sendcontroller.h"

#include "refusaltext.h"
#include "userprompt.h"

namespace lume {

SendController::SendController(QProgressBar *bar, UserPrompt &prompt, SerialControl &port,
                               SendProfile profile, SendTexts texts)
    : m_prompt(prompt)
    , m_texts(std::move(texts))
    , m_progress(bar)
    , m_sender(port, m_progress, std::move(profile), bar)
{
    showRefusalsOn(m_sender, m_prompt);
}

bool SendController::send(MessageBank &bank, const QString &portText, const SendSteps &steps)
{
    if (m_sender.refuseWhileSending())
        return false;
    if (!steps.hasData()) {
        m_prompt.notify(m_texts.nothingToSend, m_texts.nothingToSendTitle);
        return false;
    }
    if (!m_sender.readComSet(portText))
        return false;
    if (steps.prepare && !steps.prepare())
        return false;
    return m_sender.startTransfer(bank, steps.settings());
}

bool SendController::allowClose(const std::function<void()> &storeSettings)
{
    const bool exit = !m_sender.isSending() || m_prompt.askYesNo(m_texts.closeQuestion, m_texts.closeTitle);
    storeSettings(); // whatever the answer
    if (!exit)
        return false;
    if (m_sender.isSending())
        m_sender.cancel(); // stops writing and leaves the port closed
    return true;
}

} // namespace lume
