#pragma once

#include "filedialogs.h"
#include "fontpicturewindow.h"
#include "sketchusagemeter.h"

#include "fakeserialcontrol.h"
#include "portdiagnosis.h"
#include "testsupport.h"
#include "windowtestaccess.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

namespace lume::test {

// What the window's controls show, as a user sees it.

// The message whose editor is on view, the one Up Paste Text and Load Picture change; -1 when none
// or more than one is.
inline int shownMessage(const QWidget &window)
{
    int shown = -1;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const auto *frame = window.findChild<QWidget *>(QStringLiteral("Frame1%1").arg(m));
        if (frame && !frame->isHidden()) {
            if (shown >= 0)
                return -1;
            shown = m;
        }
    }
    return shown;
}

// The pixels a control paints in area, as 32-bit RGB.
inline QImage paintedImage(const QWidget &window, const QString &control, const QRect &area)
{
    auto *view = window.findChild<QWidget *>(control);
    if (!view)
        qFatal("no control %s", qPrintable(control));
    // One image pixel per pixel of the control, whatever the screen's scale.
    QImage image(area.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    view->render(&image, QPoint(), QRegion(area));
    return image;
}

// Message m's drawing surface, all 4096 columns, as its PicBox paints it.
inline QImage shownSurface(const QWidget &window, int m)
{
    return paintedImage(window, QStringLiteral("PicBox%1").arg(m),
                        QRect(0, 0, DrawingSurface::Width, DrawingSurface::Height));
}

// The usage meter as Picture2 paints it inside its border.
inline QImage shownMeter(const QWidget &window)
{
    return paintedImage(window, QStringLiteral("Picture2"),
                        QRect(2, 2, usagemeter::Width, usagemeter::Height));
}

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
