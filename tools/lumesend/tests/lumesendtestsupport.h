#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "badgestream.h"
#include "scriptsendprofile.h"
#include "sketchsendprofile.h"

namespace lume::test {

const QString Lumesend = QStringLiteral(LUME_LUMESEND);
const QString DotFontDir = QStringLiteral(LUME_DATA_DIR);

struct LumesendRun
{
    int exitCode = -1; // -1 when it crashed or did not end
    QByteArray out;
    QByteArray err;
    [[nodiscard]] QStringList errorLines() const
    {
        return QString::fromLocal8Bit(err).split(u'\n', Qt::SkipEmptyParts);
    }
};

// The program's environment: offscreen, and a per-user runtime directory of the test's own, so
// that no virtual badge of another run shows up.
inline QProcessEnvironment lumesendEnvironment(const QString &runtimeDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return environment;
}

inline LumesendRun runLumesend(const QStringList &arguments, const QString &runtimeDir,
                               const QString &workingDir = {})
{
    QProcess process;
    process.setProcessEnvironment(lumesendEnvironment(runtimeDir));
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(Lumesend, arguments);
    LumesendRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Colours that test every rule of the capture: full and partial red components, other components
// that must be ignored, and black.
inline QImage patternPicture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = (x * 7 + y * 13 + seed * 29) % 11;
            const int red = v < 3 ? 255 : v < 6 ? (x * 37 + y * 11 + seed) % 256 : 0;
            image.setPixel(x, y, qRgb(red, (x * 5 + seed) % 256, (y * 3 + seed) % 256));
        }
    }
    return image;
}

inline QString writePicture(const QTemporaryDir &dir, const QString &name, const QImage &image)
{
    const QString path = dir.filePath(name);
    QImageWriter writer(path);
    if (name.endsWith(QLatin1String(".jpg")))
        writer.setQuality(90);
    if (!writer.write(image))
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(writer.errorString()));
    return path;
}

// One --message as the test asks for it.
struct Msg
{
    enum Kind { Dot, Screen, Picture, ScreenOverPicture };
    int number = 1;
    Kind kind = Dot;
    QString text;
    QString picture; // a file of the test's folder
    QString font;
    QString size;
    bool bold = false;
    QString top; // empty: not given
    QString speed; // empty: not given
    QString direction;
    bool flash = false;
};
using Msgs = QList<Msg>;

inline Msg dot(int number, const QString &text, const QString &direction = {})
{
    Msg msg;
    msg.number = number;
    msg.text = text;
    msg.direction = direction;
    return msg;
}

inline Msg screen(int number, const QString &text, const QString &font, const QString &size,
                  bool bold = false, const QString &top = {})
{
    Msg msg;
    msg.number = number;
    msg.kind = Msg::Screen;
    msg.text = text;
    msg.font = font;
    msg.size = size;
    msg.bold = bold;
    msg.top = top;
    return msg;
}

inline Msg picture(int number, const QString &file, const QString &direction = {})
{
    Msg msg;
    msg.number = number;
    msg.kind = Msg::Picture;
    msg.picture = file;
    msg.direction = direction;
    return msg;
}

inline Msg moving(Msg msg, const QString &speed, const QString &direction, bool flash)
{
    msg.speed = speed;
    msg.direction = direction;
    msg.flash = flash;
    return msg;
}

inline QStringList argumentsFor(const Msgs &msgs, const QString &dir)
{
    QStringList args;
    for (const Msg &msg : msgs) {
        args << "--message" << QString::number(msg.number);
        if (msg.kind == Msg::Picture || msg.kind == Msg::ScreenOverPicture)
            args << "--image" << QDir(dir).filePath(msg.picture);
        if (msg.kind == Msg::Dot)
            args << "--text" << msg.text;
        if (msg.kind == Msg::Screen || msg.kind == Msg::ScreenOverPicture) {
            args << "--screen-text" << msg.text << "--font" << msg.font << "--size" << msg.size;
            if (msg.bold)
                args << "--bold";
            if (!msg.top.isEmpty())
                args << "--top-adjust" << msg.top;
        }
        if (!msg.speed.isEmpty())
            args << "--speed" << msg.speed;
        if (!msg.direction.isEmpty())
            args << "--direction" << msg.direction;
        if (msg.flash)
            args << "--flash";
    }
    return args;
}

// The entry of the window's list that codes like the text of either list.
inline QString windowDirection(const QString &text, const QStringList &windowList)
{
    for (const QStringList &list : {sketchDirections(), scriptDirections()}) {
        const qsizetype code = list.indexOf(text);
        if (code >= 0)
            return windowList.at(code);
    }
    return windowList.first();
}

} // namespace lume::test

Q_DECLARE_METATYPE(lume::test::Msgs)
