#include "refusaltext.h"

#include <QCoreApplication>

namespace lume {

RefusalText refusalText(const SendRefusal &refusal, const SendProfile &profile)
{
    // The texts keep the context they were translated in.
    switch (refusal.kind) {
    case SendRefusal::Kind::Busy:
        return {profile.busyText, profile.busyTitle};
    case SendRefusal::Kind::PortNumber:
        return {QCoreApplication::translate("lume::BadgeSender", "Set Port Number Error!"),
                QCoreApplication::translate("lume::BadgeSender", "Error")};
    case SendRefusal::Kind::PortInUse:
        return {QCoreApplication::translate("lume::BadgeSender", "Port in use or not port"),
                QCoreApplication::translate("lume::BadgeSender", "Warning")};
    case SendRefusal::Kind::PortOpenFailed:
        return {QCoreApplication::translate("lume::BadgeSender", "Open port fail!"),
                QCoreApplication::translate("lume::BadgeSender", "Error")};
    }
    return {};
}

void showRefusal(UserPrompt &prompt, const SendRefusal &refusal, const SendProfile &profile)
{
    const RefusalText words = refusalText(refusal, profile);
    prompt.notify(words.text, words.title, refusal.explanation);
}

QMetaObject::Connection showRefusalsOn(BadgeSender &sender, UserPrompt &prompt)
{
    return QObject::connect(
        &sender, &BadgeSender::refused, &sender,
        [&sender, &prompt](const SendRefusal &refusal) { showRefusal(prompt, refusal, sender.profile()); });
}

} // namespace lume
