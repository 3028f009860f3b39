#include "scriptsettings.h"

#include "language.h"
#include "profilefile.h"

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

std::optional<CodePage> messageTextCodePage(const QString &sectionName, const QString &key,
                                            const ProfileFile::ValueReader &read)
{
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const QString name = section(m);
        if (sectionName.compare(name, Qt::CaseInsensitive) == 0 &&
            key.compare(name + QStringLiteral("Text"), Qt::CaseInsensitive) == 0) {
            const QString language =
                read(LanguageSection, LanguageSection).value_or(ScriptSettings::defaults().language);
            return languageFor(language).codePage;
        }
    }
    return std::nullopt;
}

} // namespace

ProfileFile scriptSettingsFile(const ProfileFile &file)
{
    return file.withCodePageRule(messageTextCodePage);
}

ScriptSettings ScriptSettings::defaults()
{
    ScriptSettings settings;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        settings.messages[m].text = QStringLiteral("MESSAGE%1").arg(m + 1);
    settings.language = QStringLiteral("Chinese (Simplified)");
    return settings;
}

ScriptSettings readScriptSettings(const ProfileFile &profile)
{
    return readScriptSettings(ProfileDocument(profile));
}

ScriptSettings readScriptSettings(const ProfileDocument &document)
{
    const ProfileDocument file = document.withCodePageRule(messageTextCodePage);
    const ScriptSettings defaults = ScriptSettings::defaults();
    ScriptSettings settings;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const QString name = section(m);
        const ScriptMessage &fallback = defaults.messages[m];
        ScriptMessage &message = settings.messages[m];
        message.text =
            file.readString(name, name + QStringLiteral("Text"), fallback.text, ScriptSettings::TextBuffer);
        message.select = checkValueFromStored(file.readInt(name, SelectKey, storedNumber(fallback.select)));
        message.speed = file.readString(name, SpeedKey, fallback.speed, ScriptSettings::SpeedBuffer);
        message.direction =
            file.readString(name, DirectionKey, fallback.direction, ScriptSettings::DirectionBuffer);
        message.flash = checkValueFromStored(file.readInt(name, FlashKey, storedNumber(fallback.flash)));
    }
    settings.language =
        file.readString(LanguageSection, LanguageSection, defaults.language, ScriptSettings::LanguageBuffer);
    return settings;
}

bool writeScriptSettings(ProfileFile &profile, const ScriptSettings &settings)
{
    ProfileDocument document(profile);
    const bool written = writeScriptSettings(document, settings);
    return document.commit() && written;
}

bool writeScriptSettings(ProfileDocument &file, const ScriptSettings &settings)
{
    file.setCodePageRule(messageTextCodePage);
    const ScriptSettings defaults = ScriptSettings::defaults();
    bool ok = true;
    // readAs: what restoring gave for a stored value that cannot be decoded.
    const auto write = [&](const QString &sectionName, const QString &key, const QString &value,
                           const QString &readAs) {
        ok = file.writeString(sectionName, key, value, readAs) && ok;
    };
    const auto writeCheck = [&](const QString &sectionName, const QString &key, CheckValue value,
                                CheckValue defaultValue) {
        write(sectionName, key, QString::number(storedNumber(value)),
              QString::number(storedNumber(
                  checkValueFromStored(file.readInt(sectionName, key, storedNumber(defaultValue))))));
    };
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const QString name = section(m);
        const ScriptMessage &message = settings.messages[m];
        const ScriptMessage &fallback = defaults.messages[m];
        // Line breaks are encoded by the file.
        write(name, name + QStringLiteral("Text"), message.text, fallback.text);
        writeCheck(name, SelectKey, message.select, fallback.select);
        write(name, SpeedKey, message.speed, fallback.speed);
        write(name, DirectionKey, message.direction, fallback.direction);
        writeCheck(name, FlashKey, message.flash, fallback.flash);
    }
    write(LanguageSection, LanguageSection, settings.language, defaults.language);
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
