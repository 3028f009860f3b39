#pragma once

#include "testwaits.h"

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace lume::test {

inline const QString BadgesimProgram = QStringLiteral(LUME_BINARY_DIR "/bin/badgesim");

// The simulator as a child process, with the per-user runtime directory of the test.
struct Simulator
{
    QProcess process;
    QString device;
    QByteArray errors;

    bool start(const QString &runtimeDir, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setReadChannel(QProcess::StandardError);
        process.start(BadgesimProgram, arguments);
        if (!process.waitForStarted(SafetyNetMs))
            return false;
        const QByteArray marker = "badgesim: listening on ";
        while (!errors.contains(marker) || !errors.sliced(errors.indexOf(marker)).contains('\n')) {
            if (!process.waitForReadyRead(SafetyNetMs))
                return false;
            errors += process.readAllStandardError();
        }
        const qsizetype at = errors.indexOf(marker) + marker.size();
        device = QString::fromLocal8Bit(errors.sliced(at, errors.indexOf('\n', at) - at));
        return device.startsWith(u"/dev/");
    }

    // Waits until standard output holds this many lines; false when the program ended first.
    bool waitForLines(int count, QStringList *lines)
    {
        process.setReadChannel(QProcess::StandardOutput);
        // An event loop that ran meanwhile may have read some already: waitForReadyRead waits for more.
        QByteArray out = process.readAllStandardOutput();
        while (out.count('\n') < count) {
            if (!process.waitForReadyRead(SafetyNetMs))
                return false;
            out += process.readAllStandardOutput();
        }
        *lines = QString::fromLocal8Bit(out).split(u'\n', Qt::SkipEmptyParts);
        return true;
    }

    bool finish(int *exitCode, QStringList *lines)
    {
        // The event loop of a GUI test may have seen it end already.
        if (process.state() != QProcess::NotRunning && !process.waitForFinished(SafetyNetMs))
            return false;
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        *lines = QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        errors += process.readAllStandardError();
        return true;
    }

    ~Simulator()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

} // namespace lume::test
