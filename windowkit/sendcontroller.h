#pragma once

#include "badgesender.h"
#include "progressbardisplay.h"

#include <functional>

namespace lume {

// The program's own words for the guards of its Send and close.
struct SendTexts
{
    QString nothingToSend;
    QString nothingToSendTitle;
    QString closeQuestion; // asked when the window closes during a transfer
    QString closeTitle;
};

// The program's own steps of one Send.
struct SendSteps
{
    std::function<bool()> hasData; // false: nothing to send
    // Runs after ReadComSet; false ends the Send, the step having shown its own message.
    std::function<bool()> prepare {};
    std::function<MessageSettingsList()> settings;
};

// The Send and close commands of a window: the busy refusal, the nothing-to-send check, ReadComSet,
// the program's preparation, the transfer on the window's progress bar, and the question when the
// window closes during one. The transfer's BadgeSender is a child of the bar, where tests find it.
class SendController
{
public:
    SendController(QProgressBar *bar, UserPrompt &prompt, SerialControl &port, SendProfile profile,
                   SendTexts texts);
    SendController(const SendController &) = delete;
    SendController &operator=(const SendController &) = delete;

    [[nodiscard]] bool isSending() const { return m_sender.isSending(); }
    // The busy message for any command that must not run during a transfer; true while one runs.
    bool refuseWhileSending() { return m_sender.refuseWhileSending(); }
    // CmdSend. Returns true when the transfer runs.
    bool send(MessageBank &bank, const QString &portText, const SendSteps &steps);
    // The close guard: asks while sending, stores the settings whatever the answer, and on Yes stops
    // the transfer with the port closed. False keeps the window open.
    [[nodiscard]] bool allowClose(const std::function<void()> &storeSettings);

    [[nodiscard]] const SendProfile &profile() const { return m_sender.profile(); }

private:
    UserPrompt &m_prompt;
    SendTexts m_texts;
    ProgressBarDisplay m_progress;
    BadgeSender m_sender; // after m_progress, which it refers to until it ends
};

} // namespace lume
