#include "sketchsettings.h"

#include "profilefile.h"

namespace lume {

namespace {
const QString TopSection = QStringLiteral("TopLocationAdjustSet");
const QString TopKey = QStringLiteral("TopLocationAdjust");
const QString PortSection = QStringLiteral("CommPortSet");
const QString PortKey = QStringLiteral("CommPort");
const QString TextSection = QStringLiteral("MessageText");

QString textKey(int n)
{
    return QStringLiteral("Message%1Text").arg(n);
}
QString fontSection(int n)
{
    return QStringLiteral("Message%1ShowFontSet").arg(n);
}
QString modeSection(int n)
{
    return QStringLiteral("Message%1ShowMode").arg(n);
}
} // namespace

SketchSettings::SketchSettings()
{
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        messages[m].text = QStringLiteral("Message%1").arg(m + 1);
}

QDebug operator<<(QDebug debug, const SketchSettings &settings)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "SketchSettings(top " << settings.topLocationAdjust << ", port " << settings.commPort;
    for (const SketchMessageSettings &m : settings.messages) {
        debug << ", [" << m.text << ", " << m.fontName << ", " << m.fontSize << ", " << m.fontBold << ", "
              << m.moveDirection << ", " << m.flash << ", " << m.moveSpeed << "]";
    }
    debug << ")";
    return debug;
}

SketchSettings readSketchSettings(const ProfileFile &file)
{
    return readSketchSettings(ProfileDocument(file));
}

SketchSettings readSketchSettings(const ProfileDocument &file)
{
    SketchSettings s;
    s.topLocationAdjust = file.readString(TopSection, TopKey, s.topLocationAdjust, 10);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const int n = m + 1;
        SketchMessageSettings &ms = s.messages[m];
        ms.fontSize = file.readString(fontSection(n), QStringLiteral("FontSize"), ms.fontSize, 10);
        ms.fontBold = checkValueFromStored(
            file.readInt(fontSection(n), QStringLiteral("FontBold"), storedNumber(ms.fontBold)));
        ms.fontName = file.readString(fontSection(n), QStringLiteral("FontName"), ms.fontName, 80);
        ms.moveDirection =
            file.readString(modeSection(n), QStringLiteral("MoveDirection"), ms.moveDirection, 20);
        ms.flash = checkValueFromStored(
            file.readInt(modeSection(n), QStringLiteral("Flash"), storedNumber(ms.flash)));
        ms.moveSpeed = file.readString(modeSection(n), QStringLiteral("MoveSpeed"), ms.moveSpeed, 10);
        ms.text = file.readString(TextSection, textKey(n), ms.text, 768);
    }
    return s;
}

bool writeSketchSettings(ProfileFile &file, const SketchSettings &settings)
{
    ProfileDocument document(file);
    const bool stored = writeSketchSettings(document, settings);
    return document.commit() && stored;
}

bool writeSketchSettings(ProfileDocument &file, const SketchSettings &s)
{
    const SketchSettings defaults;
    bool ok = true;
    // readAs: what restoring gave for a stored value that cannot be decoded.
    auto write = [&](const QString &section, const QString &key, const QString &value,
                     const QString &readAs) { ok = file.writeString(section, key, value, readAs) && ok; };
    auto writeCheck = [&](const QString &section, const QString &key, CheckValue value) {
        write(section, key, QString::number(storedNumber(value)),
              QString::number(storedNumber(checkValueFromStored(file.readInt(section, key, 0)))));
    };
    ok = file.writeString(PortSection, PortKey, s.commPort) && ok; // never read back
    write(TopSection, TopKey, s.topLocationAdjust, defaults.topLocationAdjust);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const int n = m + 1;
        const SketchMessageSettings &ms = s.messages[m];
        const SketchMessageSettings &fallback = defaults.messages[m];
        write(TextSection, textKey(n), ms.text, fallback.text); // line breaks: the file encodes them
        write(fontSection(n), QStringLiteral("FontName"), ms.fontName, fallback.fontName);
        write(fontSection(n), QStringLiteral("FontSize"), ms.fontSize, fallback.fontSize);
        writeCheck(fontSection(n), QStringLiteral("FontBold"), ms.fontBold);
        write(modeSection(n), QStringLiteral("MoveDirection"), ms.moveDirection, fallback.moveDirection);
        writeCheck(modeSection(n), QStringLiteral("Flash"), ms.flash);
        write(modeSection(n), QStringLiteral("MoveSpeed"), ms.moveSpeed, fallback.moveSpeed);
    }
    return ok;
}

MessageSettingsList messageSettingsList(const SketchSettings &settings)
{
    MessageSettingsList list;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const SketchMessageSettings &ms = settings.messages[m];
        list[m] = MessageSettings {ms.moveSpeed, isChecked(ms.flash), ms.moveDirection};
    }
    return list;
}

} // namespace lume
