// Faults of the line during a transfer, on the real serial control over pseudo-terminals: the device
// goes away (the far end closes, writes fail with EIO), the pending count cannot be read, the window
// is closed with "Yes" while it sends. Each ends in bounded time without spinning, with the port
// closed; a window can send again afterwards and lumesend says the badge may have missed something.
#include "badgesender.h"
#include "fontpicturewindow.h"
#include "form1.h"
#include "lumesendtestsupport.h"
#include "qtserialcontrol.h"
#include "refusaltext.h"
#include "sendcommandline.h"
#include "testpseudoterminal.h"
#include "testsupport.h"
#include "testwaits.h"
#include "windowrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

using namespace lume;
using lume::test::PseudoTerminal;

namespace {

// The far end stops reading: the pseudo-terminal's buffer is filled through the test's own slave
// descriptor, so that what the port writes next stays queued.
void fillLine(PseudoTerminal &pty)
{
    ::fcntl(pty.slave(), F_SETFL, ::fcntl(pty.slave(), F_GETFL) | O_NONBLOCK);
    const QByteArray filler(1024, 'f');
    while (::write(pty.slave(), filler.constData(), size_t(filler.size())) > 0) { }
}

qint64 cpuMs()
{
    timespec t {};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// The descriptor this process holds on the device besides the test's own slave.
int portDescriptorOf(const PseudoTerminal &pty)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &name : fds.entryList(QDir::Files | QDir::System)) {
        const int fd = name.toInt();
        if (fd != pty.slave() && QFileInfo(fds.filePath(name)).symLinkTarget() == pty.slavePath())
            return fd;
    }
    return -1;
}

// Whether the process holds the device open: lumesend has got as far as opening it.
bool holdsOpen(qint64 pid, const QString &device)
{
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    const QStringList names = fds.entryList(QDir::Files | QDir::System);
    return std::any_of(names.begin(), names.end(), [&](const QString &name) {
        return QFileInfo(fds.filePath(name)).symLinkTarget() == device;
    });
}

// "Soon" for a transfer whose line fails or whose window closes: far below the minute a transfer
// takes and the forever of a wait for a line that never moves, far above what a busy machine needs.
constexpr qint64 SoonMs = 30000;

MessageBank someBank()
{
    MessageBank bank;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        bank.setWidth(m, 40);
        for (int r = 0; r < MessageBank::RowCount; ++r)
            for (int k = 0; k < 40; ++k)
                bank.setByte(m, r, k, quint8(m + r + k));
    }
    return bank;
}

// Collects what arrives on a master from the event loop, as a badge would.
class MasterReader
{
public:
    explicit MasterReader(PseudoTerminal &pty)
        : m_pty(pty)
        , m_notifier(pty.master(), QSocketNotifier::Read)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, &m_notifier,
                         [this] { m_received += m_pty.readAvailable(); });
    }
    [[nodiscard]] QByteArray received() { return m_received += m_pty.readAvailable(); }

private:
    PseudoTerminal &m_pty;
    QSocketNotifier m_notifier;
    QByteArray m_received;
};

// While the event loop idles for the given time, the process uses little processor time.
bool idlesQuietly(int ms)
{
    const qint64 before = cpuMs();
    QTest::qWait(ms);
    return cpuMs() - before < ms / 2;
}

} // namespace

class TstPortFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The device goes away, or its count cannot be read, in the middle of a transfer: the transfer
    // ends soon, without spinning, the port is closed and says why, and the same control then
    // sends a whole stream to another port.
    void shouldEndATransferWhoseLineFails_data()
    {
        QTest::addColumn<bool>("deviceGone"); // else the count cannot be read
        QTest::newRow("device gone") << true;
        QTest::newRow("count unreadable") << false;
    }

    void shouldEndATransferWhoseLineFails()
    {
        QFETCH(bool, deviceGone);
        PseudoTerminal failing;
        PseudoTerminal good;
        QVERIFY(failing.isValid() && good.isValid());
        MasterReader reader(good);
        QtSerialControl port(fixedPorts({failing.slavePath(), good.slavePath()}));
        test::RecordingPrompt prompt;
        test::RecordingProgress progress;
        BadgeSender sender(port, progress, sketchSendProfile());
        showRefusalsOn(sender, prompt);
        QSignalSpy finished(&sender, &BadgeSender::transferFinished);
        const MessageBank bank = someBank();
        MessageSettingsList settings;

        fillLine(failing);
        QVERIFY(sender.readComSet(QStringLiteral("COM1")));
        MessageBank first = bank;
        QVERIFY(sender.startTransfer(first, settings));
        QTest::qWait(100);
        QVERIFY(sender.isSending());
        if (deviceGone) {
            failing.closeMaster();
        } else {
            // The port's descriptor becomes one that is no terminal: writes still succeed, but the
            // pending count cannot be read any more.
            const int fd = portDescriptorOf(failing);
            QVERIFY(fd >= 0);
            const int null = ::open("/dev/null", O_WRONLY);
            QVERIFY(::dup2(null, fd) == fd);
            ::close(null);
            failing.readAvailable(); // the line moves again: only the count is missing
        }
        QElapsedTimer clock;
        clock.start();
        const qint64 cpuBefore = cpuMs();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, test::SafetyNetMs);
        QVERIFY2(clock.elapsed() < SoonMs, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(cpuMs() - cpuBefore <= clock.elapsed() / 2 + 100, "the wait spun");
        QVERIFY(!port.isOpen());
        QVERIFY(port.lastFailure().kind != SerialFailure::Kind::None);
        QVERIFY(!port.lastFailure().reason.isEmpty());
        QCOMPARE(prompt.boxes.size(), 0); // the windows do not report failures after the port opened
        QVERIFY(idlesQuietly(300));

        QVERIFY(sender.readComSet(QStringLiteral("COM2")));
        MessageBank second = bank;
        QVERIFY(sender.startTransfer(second, settings));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, test::SafetyNetMs);
        QCOMPARE(reader.received(), buildBadgeStream(bank, settings, sketchDirections()).bytes());
        QCOMPARE(port.lastFailure().kind, SerialFailure::Kind::None);
    }

    // The window is closed with "Yes" while its transfer waits for a line that does not move: it
    // closes at once, the port is closed, and nothing more is written.
    void sketchlumeShouldCloseDuringATransfer()
    {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        test::RecordingPrompt prompt;
        test::FakeFileDialogs dialogs;
        QTemporaryDir dir;
        FontPictureWindow window({port, prompt, dialogs, dir.filePath(QStringLiteral("Lumeset.ini")),
                                  [&pty](int) { return pty.slavePath(); }});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QComboBox *>("ComSele")->setCurrentText(QStringLiteral("COM1"));
        window.findChild<QPlainTextEdit *>("TxtBox0")->setPlainText(QStringLiteral("Lume"));
        window.findChild<QPushButton *>("CmdUpText")->click();
        fillLine(pty);
        window.findChild<QPushButton *>("CmdSend")->click();
        QTest::qWait(100);
        QVERIFY(WindowTestAccess::isSending(window));
        QVERIFY(port.isOpen());

        prompt.answer = true;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(window.close());
        // The hand-over time of a close on a line that does not move (2 s), not the transfer's.
        QVERIFY2(clock.elapsed() < SoonMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(prompt.boxes.size(), 1);
        QCOMPARE(prompt.boxes[0].text, QStringLiteral("Sending! Are you exit?"));
        QVERIFY(!WindowTestAccess::isSending(window));
        QVERIFY(!port.isOpen());
        QVERIFY(idlesQuietly(300));
        QVERIFY(port.open()); // the device was let go
        port.close();
    }

    void scriptlumeShouldCloseDuringATransfer()
    {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        test::RecordingPrompt prompt;
        QTemporaryDir dir;
        Form1 window({
            .port = port,
            .prompt = prompt,
            .settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini")),
            .fontSearchDirs = {test::DotFontDir},
            .portDevice = [&pty](int) { return pty.slavePath(); },
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QComboBox *>("ComSele")->setCurrentText(QStringLiteral("COM1"));
        auto *text = window.findChild<QLineEdit *>("TxtMsg0");
        text->clear();
        QTest::keyClicks(text, QStringLiteral("Lume"));
        auto *select = window.findChild<QCheckBox *>("ChkSel0");
        if (!select->isChecked())
            select->click();
        fillLine(pty);
        window.findChild<QPushButton *>("CmdSend")->click();
        QTest::qWait(100);
        QVERIFY(WindowTestAccess::isSending(window));

        prompt.answer = true;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(window.close());
        QVERIFY2(clock.elapsed() < SoonMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(prompt.boxes.size(), 1);
        QCOMPARE(prompt.boxes[0].text, QStringLiteral("Sending datas to Display! Are you exit?"));
        QVERIFY(!WindowTestAccess::isSending(window));
        QVERIFY(!port.isOpen());
        QVERIFY(idlesQuietly(300));
    }

    // lumesend on a device that goes away in the middle: it ends soon and says so.
    void lumesendShouldSayWhenTheBadgeMayHaveMissedSomething()
    {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        // lumesend must not inherit the master, or closing it here would not take the line away.
        ::fcntl(pty.master(), F_SETFD, FD_CLOEXEC);
        ::fcntl(pty.slave(), F_SETFD, FD_CLOEXEC);
        fillLine(pty);
        QTemporaryDir runtime;
        QProcess process;
        process.setProcessEnvironment(test::lumesendEnvironment(runtime.path()));
        process.start(test::Lumesend,
                      {QStringLiteral("--device"), pty.slavePath(), QStringLiteral("--font-dir"),
                       test::DotFontDir, QStringLiteral("--message"), QStringLiteral("1"),
                       QStringLiteral("--text"), QStringLiteral("Hello badge")});
        QVERIFY(process.waitForStarted(test::SafetyNetMs));
        // It opens the device and queues the start of the stream, which the full line holds back.
        QTRY_VERIFY_WITH_TIMEOUT(holdsOpen(process.processId(), pty.slavePath()) ||
                                     process.state() != QProcess::Running,
                                 test::SafetyNetMs);
        QCOMPARE(process.state(), QProcess::Running);
        pty.closeMaster();
        QVERIFY2(process.waitForFinished(test::SafetyNetMs), "lumesend hangs on a device that went away");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), int(SendExitFailed));
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("The badge may not have received everything")), qPrintable(err));
    }
};

QTEST_MAIN(TstPortFaults)
#include "tst_portfaults.moc"
