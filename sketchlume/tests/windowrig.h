#pragma once

#include "filedialogs.h"
#include "fontpicturewindow.h"

#include "fakeserialcontrol.h"
#include "portdiagnosis.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

namespace lume::test {

// Answers the file dialogs with a prepared name ("" cancels) and records what they were given.
// With keepOpen the dialog stays open until answerNow(), as a real one does while the user looks.
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
        reply(std::move(done));
    }
    void chooseSaveFile(const QString &filter, const QString &fileName, Done done) override
    {
        requests << Request {true, filter, fileName};
        reply(std::move(done));
    }
    void answerNow()
    {
        Done done = std::exchange(m_open, nullptr);
        if (done)
            done(answer);
    }
    QList<Request> requests;
    QString answer;
    bool keepOpen = false;

private:
    void reply(Done done)
    {
        m_open = std::move(done);
        if (!keepOpen)
            answerNow();
    }
    Done m_open;
};

// A Sketchlume window on fakes, its settings file in a temporary folder; a port failure is explained
// from the system's side, as in the program.
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
        window = std::make_unique<FontPictureWindow>(FontPictureDependencies {
            .port = port,
            .prompt = prompt,
            .dialogs = dialogs,
            .settingsPath = settingsPath(),
            .portDevice = [](int n) { return QStringLiteral("/dev/ttyFAKE%1").arg(n); },
            .explainFailure = PortDiagnostics::systemExplainer(),
        });
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
