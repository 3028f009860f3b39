#include "scriptsettings.h"

#include "platform/profilefile.h"

namespace lume {

namespace {

QString section(int message)
{
    return QStringLiteral("Message%1").arg(message + 1);
}

const QString LanguageSection = QStringLiteral("Language");
const QString SelectKey = QStringLiteral("Select");
const QString SpeedKey = QStringLiteral("Speed");
const QString DirectionKey = QStringLiteral("Direction");
const QString FlashKey = QStringLiteral("Flash");

} // namespace

ScriptSettings ScriptSettings::defaults()
{
    ScriptSettings settings;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        settings.messages[m].text = QStringLiteral("MESSAGE%1").arg(m + 1);
    settings.language = QStringLiteral("Chinese (Simplified)");
    return settings;
}

int checkBoxValue(int stored)
{
    return stored >= 0 && stored <= 2 ? stored : 0;
}

ScriptSettings readScriptSettings(const ProfileFile &file)
{
    const ScriptSettings defaults = ScriptSettings::defaults();
    ScriptSettings settings;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const QString name = section(m);
        const ScriptMessage &fallback = defaults.messages[m];
        ScriptMessage &message = settings.messages[m];
        // A text box holds one line: a stored line break would otherwise end the value.
        message.text = decodeLineBreaks(
            file.readString(name, name + QStringLiteral("Text"), fallback.text, ScriptSettings::TextBuffer));
        message.select = checkBoxValue(file.readInt(name, SelectKey, fallback.select));
        message.speed = file.readString(name, SpeedKey, fallback.speed, ScriptSettings::SpeedBuffer);
        message.direction =
            file.readString(name, DirectionKey, fallback.direction, ScriptSettings::DirectionBuffer);
        message.flash = checkBoxValue(file.readInt(name, FlashKey, fallback.flash));
    }
    settings.language =
        file.readString(LanguageSection, LanguageSection, defaults.language, ScriptSettings::LanguageBuffer);
    return settings;
}

bool writeScriptSettings(ProfileFile &file, const ScriptSettings &settings)
{
    bool ok = true;
    const auto write = [&](const QString &sectionName, const QString &key, const QString &value) {
        ok = file.writeString(sectionName, key, value) && ok;
    };
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const QString name = section(m);
        const ScriptMessage &message = settings.messages[m];
        write(name, name + QStringLiteral("Text"), message.text); // line breaks encoded by the file
        write(name, SelectKey, QString::number(message.select));
        write(name, SpeedKey, message.speed);
        write(name, DirectionKey, message.direction);
        write(name, FlashKey, QString::number(message.flash));
    }
    write(LanguageSection, LanguageSection, settings.language);
    return ok;
}

MessageSettings messageSettingsFor(const ScriptMessage &message)
{
    return {message.speed, isChecked(message.flash), message.direction};
}

MessageSettingsList messageSettingsFor(const ScriptSettings &settings)
{
    MessageSettingsList list;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        list[m] = messageSettingsFor(settings.messages[m]);
    return list;
}

std::array<QString, MessageBank::MessageCount> messageTexts(const ScriptSettings &settings)
{
    std::array<QString, MessageBank::MessageCount> texts;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        texts[m] = settings.messages[m].text;
    return texts;
}

std::array<bool, MessageBank::MessageCount> selectedMessages(const ScriptSettings &settings)
{
    std::array<bool, MessageBank::MessageCount> selected {};
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        selected[m] = isChecked(settings.messages[m].select);
    return selected;
}

QDebug operator<<(QDebug debug, const ScriptMessage &message)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ScriptMessage(" << message.text << ", select " << message.select << ", speed "
                    << message.speed << ", " << message.direction << ", flash " << message.flash << ')';
    return debug;
}

QDebug operator<<(QDebug debug, const ScriptSettings &settings)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ScriptSettings(";
    for (const ScriptMessage &message : settings.messages)
        debug << message << ", ";
    debug << settings.language << ')';
    return debug;
}

} // namespace lume
