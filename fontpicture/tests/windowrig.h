#pragma once

#include "fontpicture/filedialogs.h"
#include "fontpicture/fontpicturewindow.h"

#include "badgelink/fakeserialcontrol.h"
#include "badgelink/tests/testsupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace lume::test {

// Answers the file dialogs with a prepared name ("" cancels) and records what they were given.
class FakeFileDialogs final : public FileDialogs
{
public:
    struct Request
    {
        bool save = false;
        QString filter;
        QString fileName;
    };
    void chooseOpenFile(const QString &filter, const QString &fileName, Done done) override
    {
        requests << Request {false, filter, fileName};
        done(answer);
    }
    void chooseSaveFile(const QString &filter, const QString &fileName, Done done) override
    {
        requests << Request {true, filter, fileName};
        done(answer);
    }
    QList<Request> requests;
    QString answer;
};

// A Sketchlume window on fakes, its settings file in a temporary folder.
struct WindowRig
{
    FakeSerialControl port;
    RecordingPrompt prompt;
    FakeFileDialogs dialogs;
    QTemporaryDir dir;
    std::unique_ptr<FontPictureWindow> window;

    WindowRig() { port.setOpenablePorts({1, 2}); }

    [[nodiscard]] QString settingsPath() const { return dir.filePath(QStringLiteral("Lumeset.ini")); }

    FontPictureWindow &start()
    {
        window = std::make_unique<FontPictureWindow>(
            FontPictureDependencies {port, prompt, dialogs, settingsPath(),
                                     [](int n) { return QStringLiteral("/dev/ttyFAKE%1").arg(n); }});
        window->show();
        return *window;
    }

    template<typename T> T *child(const QString &name) const
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
};

} // namespace lume::test
