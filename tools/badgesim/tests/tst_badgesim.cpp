// Runs the real badgesim program on its own pseudo-terminal and sends to it as the programs do.
#include "badgesender.h"
#include "ledmatrix.h"
#include "portdirectory.h"
#include "qtserialcontrol.h"
#include "refusaltext.h"
#include "scriptsendprofile.h"
#include "simtestsupport.h"
#include "simulatorprocess.h"
#include "sketchsendprofile.h"
#include "streamreceiver.h"
#include "streamreport.h"
#include "testwaits.h"
#include "userprompt.h"
#include "virtualports.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using namespace lume;
using lume::test::BadgesimProgram;
using lume::test::patternBank;
using lume::test::Simulator;
using lume::test::streamBytes;

namespace {

class NoPrompt : public UserPrompt
{
public:
    void notify(const QString &text, const QString &, const QStringList &detail) override
    {
        shown << text + u' ' + detail.join(QStringLiteral("\n\n"));
    }
    bool askYesNo(const QString &text, const QString &) override
    {
        shown << text;
        return true;
    }
    QStringList shown;
};

class NoProgress : public ProgressDisplay
{
public:
    void setProgressRange(int, int) override { }
    void setProgressValue(int) override { }
};

// How many bytes the process has read so far, from whatever it reads: the "rchar" of its I/O
// counts; -1 when they cannot be read.
qint64 bytesReadBy(qint64 pid)
{
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = io.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Writes straight to the simulator's pseudo-terminal, for streams no program would send.
bool writeRaw(const QString &device, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(device).constData(), O_WRONLY | O_NOCTTY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
    ::close(fd);
    return ok;
}

QStringList expectedLines(const QByteArray &bytes, int number)
{
    ReceiverEvent event;
    event.stream = decodeStream(bytes).stream;
    event.streamNumber = number;
    event.bytes = bytes.size();
    return reportLines(event);
}

} // namespace

class TstBadgeSim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(BadgesimProgram), qPrintable(BadgesimProgram));
        QVERIFY(m_runtime.isValid());
        // This process reads the port directory from the same runtime directory as the child.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void shouldAnnounceItsPortWhileItRuns_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("ended by SIGTERM") << QStringList {"--no-window"} << SIGTERM << 0;
        QTest::newRow("ended by SIGINT") << QStringList {"--no-window"} << SIGINT << 0;
        QTest::newRow("ended by SIGHUP") << QStringList {"--no-window"} << SIGHUP << 0;
        QTest::newRow("--once ended before a stream") << QStringList {"--once"} << SIGTERM << 1;
    }

    void shouldAnnounceItsPortWhileItRuns()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, signalNumber);
        QFETCH(int, exitCode);
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), arguments), sim.errors.constData());
        const QString file = virtualPortFile(sim.process.processId());
        QCOMPARE(QFileInfo(file).absolutePath(), QDir(m_runtime.path()).absolutePath());
        QFile announced(file);
        QVERIFY(announced.open(QIODevice::ReadOnly));
        QCOMPARE(announced.readAll(), QFile::encodeName(sim.device) + '\n');
        QVERIFY(virtualPorts().contains(sim.device));
        QCOMPARE(PortDirectory::system().devices().last(), sim.device);

        ::kill(pid_t(sim.process.processId()), signalNumber);
        int code = -1;
        QStringList lines;
        QVERIFY(sim.finish(&code, &lines));
        QCOMPARE(code, exitCode);
        QVERIFY(!QFile::exists(file));
        QVERIFY(!virtualPorts().contains(sim.device));
    }

    // The whole road without a window: the real serial control opens the pseudo-terminal, the
    // transfer job writes the stream with its drain waits, the simulator decodes it.
    void shouldReceiveWhatTheSendCommandSends()
    {
        QTemporaryDir work;
        const QString pictures = work.filePath(QStringLiteral("pictures/new"));
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--once", "--png", pictures}), sim.errors.constData());
        const QString file = virtualPortFile(sim.process.processId());
        QVERIFY(QFile::exists(file));

        MessageBank bank = patternBank({3, 0, 5});
        MessageSettingsList settings;
        settings[0] = {QStringLiteral("4"), false, QStringLiteral("to Left")};
        settings[2] = {QStringLiteral("8"), true, QStringLiteral("to Up")};
        const QByteArray sent = buildBadgeStream(bank, settings, scriptDirections()).bytes();

        QtSerialControl serial(fixedPorts({sim.device}));
        NoPrompt prompt;
        NoProgress progress;
        BadgeSender sender(serial, progress, scriptSendProfile());
        showRefusalsOn(sender, prompt);
        QSignalSpy finished(&sender, &BadgeSender::transferFinished);
        QVERIFY(sender.readComSet(QStringLiteral("COM1")));
        QVERIFY2(sender.startTransfer(bank, settings), qPrintable(prompt.shown.join(u'\n')));
        QVERIFY(finished.wait(test::SafetyNetMs));
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.shown.join(u'\n')));

        int code = -1;
        QStringList lines;
        QVERIFY(sim.finish(&code, &lines));
        QCOMPARE(code, 0);
        QCOMPARE(lines, expectedLines(sent, 1));
        QCOMPARE(lines[0], QStringLiteral("stream 1: 785 bytes, 6.54 s at 1200 baud"));
        QCOMPARE(lines[3],
                 QStringLiteral("message 3: speed 8, flash on, direction 2 (to up), start 0x0803, width 5"));
        QVERIFY(!QFile::exists(file));

        const QDir dir(pictures);
        QCOMPARE(dir.entryList(QDir::Files, QDir::Name),
                 QStringList({"stream1-message1.png", "stream1-message3.png"}));
        const DecodedStream stream = *decodeStream(sent).stream;
        for (int m : {0, 2}) {
            const QImage picture(dir.filePath(pngFileName(1, m)));
            QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                     renderLeds(messageMatrix(stream.messages[m])));
        }
    }

    // A program probes the port (open, close) before it sends, and users send again and again.
    void shouldTakeOneSendAfterAnother()
    {
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--no-window"}), sim.errors.constData());
        QtSerialControl serial(fixedPorts({sim.device}));
        const ProbeResult probe = probePorts(serial, 16);
        QCOMPARE(probe.ports, QStringList {"COM1"});
        NoPrompt prompt;
        NoProgress progress;
        BadgeSender sender(serial, progress, sketchSendProfile());
        showRefusalsOn(sender, prompt);
        QSignalSpy finished(&sender, &BadgeSender::transferFinished);
        QStringList expected;
        for (int width : {4, 9}) {
            MessageBank bank = patternBank({0, width});
            const MessageSettingsList settings;
            expected += expectedLines(buildBadgeStream(bank, settings, sketchDirections()).bytes(),
                                      int(expected.size() / 9 + 1));
            QVERIFY(sender.readComSet(QStringLiteral("COM1")));
            QVERIFY2(sender.startTransfer(bank, settings), qPrintable(prompt.shown.join(u'\n')));
            QVERIFY(finished.wait(test::SafetyNetMs));
        }
        QStringList lines;
        QVERIFY(sim.waitForLines(18, &lines));
        QCOMPARE(lines, expected);
        QVERIFY2(prompt.shown.isEmpty(), qPrintable(prompt.shown.join(u'\n')));
    }

    void shouldEndAfterTheFirstStreamWithItsVerdict_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        const QByteArray good = streamBytes({3});
        QByteArray bad = good;
        bad[724] = 5;
        QTest::newRow("a whole stream") << good << 0 << expectedLines(good, 1);
        QTest::newRow("noise first") << QByteArray("xyz") +
                good << 0 << (QStringList {"skipped: 3 bytes before \"Hello\""} + expectedLines(good, 1));
        QTest::newRow("malformed") << bad << 1
                                   << QStringList {
                                          "error: malformed stream: trailer byte 641 is 0x05, expected 0 "
                                          "(725 bytes, 6.04 s at 1200 baud)"};
        QTest::newRow("cut off") << good.first(300) << 1
                                 << QStringList {"error: incomplete stream: 300 of 725 bytes"};
    }

    void shouldEndAfterTheFirstStreamWithItsVerdict()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--once"}), sim.errors.constData());
        QVERIFY(writeRaw(sim.device, bytes));
        int code = -1;
        QStringList output;
        QVERIFY(sim.finish(&code, &output));
        QCOMPARE(output, lines);
        QCOMPARE(code, exitCode);
    }

    void shouldNumberTheStreamsAndTheirPictures()
    {
        QTemporaryDir pictures;
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--png", pictures.path()}), sim.errors.constData());
        const QByteArray first = streamBytes({1});
        const QByteArray second = streamBytes({0, 2});
        QVERIFY(writeRaw(sim.device, first + second)); // a sender that closes: the badge stays
        QStringList lines;
        QVERIFY(sim.waitForLines(18, &lines));
        QCOMPARE(lines, expectedLines(first, 1) + expectedLines(second, 2));
        QCOMPARE(QDir(pictures.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"stream1-message1.png", "stream2-message2.png"}));
        sim.process.terminate();
        int code = -1;
        QVERIFY(sim.finish(&code, &lines));
        QCOMPARE(code, 0);
    }

    void shouldReportWhatIsCutOffWhenEnded()
    {
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--no-window"}), sim.errors.constData());
        const qint64 before = bytesReadBy(sim.process.processId());
        QVERIFY(before >= 0);
        QVERIFY(writeRaw(sim.device, streamBytes({3}).first(100)));
        // It has read the bytes before it is told to end: idle, it reads nothing else.
        QTRY_VERIFY_WITH_TIMEOUT(bytesReadBy(sim.process.processId()) >= before + 100, test::SafetyNetMs);
        sim.process.terminate();
        int code = -1;
        QStringList lines;
        QVERIFY(sim.finish(&code, &lines));
        QCOMPARE(lines, QStringList {"error: incomplete stream: 100 of 725 bytes"});
        QCOMPARE(code, 0);
    }

    void shouldAnswerTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::newRow("--version") << QStringList {"--version"} << 0 << "badgesim " LUME_TEST_VERSION "\n"
                                   << "";
        QTest::newRow("columns not a number") << QStringList {"--columns", "abc"} << 2 << ""
                                              << "badgesim: --columns needs a whole number from 1 to 1024, "
                                                 "not \"abc\"\n";
        QTest::newRow("columns too many") << QStringList {"--no-window", "--columns=1025"} << 2 << ""
                                          << "badgesim: --columns needs a whole number from 1 to 1024, "
                                             "not \"1025\"\n";
        QTest::newRow("png without directory")
            << QStringList {"--png"} << 2 << ""
            << "badgesim: Missing value after '--png'. (see badgesim --help)\n";
        QTest::newRow("unknown option") << QStringList {"--fast"} << 2 << ""
                                        << "badgesim: Unknown option 'fast'. (see badgesim --help)\n";
        QTest::newRow("an argument") << QStringList {"--once", "COM1"} << 2 << ""
                                     << "badgesim: unexpected argument \"COM1\" (see badgesim --help)\n";
    }

    void shouldAnswerTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QProcess process;
        process.start(BadgesimProgram, arguments);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()), errors);
        QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()), output);
        QCOMPARE(process.exitCode(), exitCode);
    }

    void shouldDocumentItsOutputInItsHelp()
    {
        QProcess process;
        process.start(BadgesimProgram, {"--help"});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
        for (const char *part :
             {"stream <k>: <bytes> bytes, <seconds> s at 1200 baud",
              "message <n>: speed <s>, flash on|off, direction <d> (<name>), start 0x<hhhh>, "
              "width <w>",
              "error: incomplete stream:", "4 = 100 ms", "stream<k>-message<n>.png"})
            QVERIFY2(help.contains(QLatin1StringView(part)), part);
    }

    void shouldRefuseAPictureDirectoryItCannotMake()
    {
        QTemporaryDir work;
        QFile blocker(work.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QProcess process;
        process.start(BadgesimProgram, {"--png", blocker.fileName() + QStringLiteral("/pictures")});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(
            QString::fromLocal8Bit(process.readAllStandardError()),
            QStringLiteral("badgesim: cannot create the directory %1/pictures\n").arg(blocker.fileName()));
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(TstBadgeSim)
#include "tst_badgesim.moc"
