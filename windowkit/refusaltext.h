#pragma once

#include "badgesender.h"
#include "userprompt.h"

#include <QString>

namespace lume {

// A refusal of the Send command in the windows' words: the box's text and title.
struct RefusalText
{
    QString text;
    QString title;
};

// The words for each refusal; a busy one takes the program's own from its profile. Without widgets,
// so that lumesend prints the same words.
[[nodiscard]] RefusalText refusalText(const SendRefusal &refusal, const SendProfile &profile);

// The refusal as the windows' message box: its text, title and the explanation as detail.
void showRefusal(UserPrompt &prompt, const SendRefusal &refusal, const SendProfile &profile);

// Shows every refusal of the sender on the prompt, for as long as both live.
QMetaObject::Connection showRefusalsOn(BadgeSender &sender, UserPrompt &prompt);

} // namespace lume
