#include "sendprogram.h"

#include "composition.h"
#include "filesources.h"
#include "sendsession.h"

#include "badgesender.h"
#include "devicenames.h"
#include "portdiagnosis.h"
#include "portdirectory.h"
#include "qtserialcontrol.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

namespace lume {

namespace {

void printError(const QStringList &lines)
{
    for (const QString &line : lines)
        std::fprintf(stderr, "lumesend: %s\n", qPrintable(line));
}

int writeOutput(const QString &target, const QByteArray &bytes)
{
    if (target == u"-") {
        const bool written =
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
        if (std::fflush(stdout) != 0 || !written) {
            printError({QStringLiteral("cannot write the stream to standard output")});
            return SendExitFailed;
        }
        return SendExitOk;
    }
    const QFileInfo info(target);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or pipe (/dev/null to check a stream) is written in place: replacing it by a
        // file, as a save does, would destroy it.
        if (isConsoleDevice(target, consoleDevices())) {
            printError({QStringLiteral("%1 is the system console; a badge stream is never written there")
                            .arg(target)});
            return SendExitFailed;
        }
        QFile device(target);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            device.write(bytes) != bytes.size()) {
            printError({QStringLiteral("%1: %2").arg(target, device.errorString())});
            return SendExitFailed;
        }
        return SendExitOk;
    }
    // All or nothing: a failed write leaves an existing file as it was.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        printError({QStringLiteral("%1: %2").arg(target, file.errorString())});
        return SendExitFailed;
    }
    return SendExitOk;
}

int listPorts()
{
    const QStringList lines = portListLines(PortDirectory::system().entries());
    for (const QString &line : lines)
        std::printf("%s\n", qPrintable(line));
    if (lines.isEmpty())
        printError({QStringLiteral("no serial port found")});
    return std::fflush(stdout) == 0 ? SendExitOk : SendExitFailed;
}

int checkPorts(const QString &target)
{
    const PortDiagnostics diagnostics;
    QList<std::pair<QString, QString>> ports; // name as listed, device
    const PortDirectory directory = PortDirectory::system();
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]{0,8})$"));
    if (target.isEmpty()) {
        for (const PortEntry &entry : directory.entries())
            ports.append({portListLines({entry}).first(), entry.info.device});
    } else if (const QRegularExpressionMatch match = comName.match(target); match.hasMatch()) {
        const int number = match.captured(1).toInt();
        const QString device = directory.device(number);
        ports.append(
            {device.isEmpty() ? target : portListLines({{number, directory.info(number)}}).first(), device});
    } else {
        ports.append({target, target});
    }
    if (ports.isEmpty())
        ports.append({QString(), QString()}); // no port at all: says why
    bool allUsable = true;
    for (const auto &[name, device] : ports) {
        const PortDiagnosis diagnosis = diagnostics.check(device, name);
        allUsable = allUsable && diagnosis.usable();
        QStringList lines;
        const QString indent = name.isEmpty() ? QString() : QStringLiteral("  ");
        if (!name.isEmpty())
            lines << name;
        lines << indent + (diagnosis.usable() ? QString() : QStringLiteral("cannot be opened: ")) +
                diagnosis.summary;
        for (const QString &hint : diagnosis.hints)
            lines << indent + hint;
        for (const QString &line : lines)
            std::printf("%s\n", qPrintable(line));
    }
    if (std::fflush(stdout) != 0)
        return SendExitFailed;
    return allUsable ? SendExitOk : SendExitFailed;
}

} // namespace

QStringList portListLines(const QList<PortEntry> &entries)
{
    QStringList lines;
    for (const PortEntry &entry : entries)
        lines << QStringLiteral("COM%1  %2  %3")
                     .arg(entry.number)
                     .arg(entry.info.device, entry.info.description());
    return lines;
}

int runSendCommand(const SendCommandLine &line)
{
    switch (line.action) {
    case SendCommandLine::Action::ListPorts:
        return listPorts();
    case SendCommandLine::Action::CheckPort:
        return checkPorts(line.request.target);
    case SendCommandLine::Action::Help:
        std::fputs(qPrintable(sendHelpText()), stdout);
        return SendExitOk;
    case SendCommandLine::Action::Version:
        std::printf("lumesend %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return SendExitOk;
    case SendCommandLine::Action::Send:
        break;
    }
    const SendRequest &request = line.request;

    // The port is named before anything is composed: a wrong name is a mistake in the command line.
    std::optional<PortDirectory> directory; // outlives the serial control that resolves through it
    std::unique_ptr<QtSerialControl> serial;
    std::unique_ptr<SendSession> session;
    if (request.destination != SendRequest::Destination::Output) {
        QString portName = request.target;
        if (request.destination == SendRequest::Destination::Device) {
            if (isConsoleDevice(request.target, consoleDevices())) {
                printError({QStringLiteral("%1 is the system console; a badge stream is never written there")
                                .arg(request.target)});
                return SendExitFailed;
            }
            serial = std::make_unique<QtSerialControl>(fixedPorts({request.target}));
            portName = QStringLiteral("COM1");
        } else {
            directory = PortDirectory::system();
            serial = std::make_unique<QtSerialControl>(systemPorts(*directory));
        }
        session = std::make_unique<SendSession>(*serial, PortDiagnostics::systemExplainer());
        if (!session->configure(portName)) {
            printError(session->errorLines());
            return SendExitUsage;
        }
    }

    Composition composition = composeRequest(request);
    if (!composition.ok()) {
        printError({composition.error});
        return composition.errorStatus;
    }
    // Said before anything is sent, so that a script sees it whatever happens to the send.
    printError(composition.warnings);
    if (request.strict && !composition.warnings.isEmpty()) {
        printError({QStringLiteral("--strict: nothing is sent, as the badge would not show all of it")});
        return SendExitFailed;
    }
    if (!session)
        return writeOutput(request.target, composition.stream.bytes());

    if (::isatty(STDERR_FILENO))
        session->setProgressTerminal(stderr);
    if (!session->start(composition.stream)) {
        printError(session->errorLines());
        return SendExitFailed;
    }
    QObject::connect(session.get(), &SendSession::finished, QCoreApplication::instance(),
                     [&session](int status) {
                         if (status != SendExitOk)
                             printError(session->errorLines());
                         QCoreApplication::exit(status);
                     });
    return QCoreApplication::exec();
}

} // namespace lume
