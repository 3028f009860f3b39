#include "badgesender.h"
#include "qtserialcontrol.h"
#include "testpseudoterminal.h"
#include "testsupport.h"
#include "testwaits.h"

#include <QFile>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace lume;
using lume::test::PseudoTerminal;

namespace {

// Collects what arrives on the master from the event loop, as a badge on the line would.
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
    [[nodiscard]] QByteArray received()
    {
        m_received += m_pty.readAvailable();
        return m_received;
    }

private:
    PseudoTerminal &m_pty;
    QSocketNotifier m_notifier;
    QByteArray m_received;
};

MessageBank fullBank()
{
    MessageBank bank;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        bank.setWidth(m, 64);
        for (int r = 0; r < MessageBank::RowCount; ++r)
            for (int k = 0; k < 64; ++k)
                bank.setByte(m, r, k, quint8(m * 37 + r * 11 + k * 3));
    }
    // Bytes that a terminal would translate or swallow if the line were not raw.
    bank.setByte(0, 0, 0, '\n');
    bank.setByte(0, 0, 1, '\r');
    bank.setByte(0, 0, 2, 0x03);
    bank.setByte(0, 0, 3, 0x11);
    bank.setByte(0, 0, 4, 0x13);
    bank.setByte(0, 0, 5, 0xFF);
    return bank;
}

MessageSettingsList someSettings()
{
    MessageSettingsList settings;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        settings[m] = {QString::number(1 + m), m % 2 == 1, test::LongDirections[m % 5]};
    return settings;
}

SendProfile longListProfile()
{
    SendProfile profile;
    profile.maxPort = 32;
    profile.directions = test::LongDirections;
    return profile;
}

termios lineOf(const PseudoTerminal &pty)
{
    termios line {};
    ::tcgetattr(pty.slave(), &line);
    return line;
}

} // namespace

class TstQtSerialControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldMapComNumbersToTheGivenDevices_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("device");
        QTest::newRow("COM1") << 1 << "/dev/ttyUSB0";
        QTest::newRow("COM2") << 2 << "/dev/pts/7";
        QTest::newRow("COM3, past the end") << 3 << "";
        QTest::newRow("COM0") << 0 << "";
        QTest::newRow("negative") << -1 << "";
        QTest::newRow("COM1000") << 1000 << "";
    }

    void shouldMapComNumbersToTheGivenDevices()
    {
        QFETCH(int, number);
        QFETCH(QString, device);
        // Taken as given: not rearranged, not checked.
        QCOMPARE(fixedPorts({QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/pts/7")})(number), device);
        QCOMPARE(fixedPorts({})(1), QString());
    }

    void shouldNameWindowsPortsByTheirNumber()
    {
        const PortResolver ports = windowsPorts();
        QCOMPARE(ports(1), QStringLiteral("COM1"));
        QCOMPARE(ports(32), QStringLiteral("COM32"));
        QCOMPARE(ports(0), QString());
        QCOMPARE(ports(-4), QString());
    }

    void shouldSendAFullBankThroughAPseudoTerminal()
    {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        MasterReader reader(pty);
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        test::RecordingProgress progress;
        BadgeSender sender(port, progress, longListProfile());
        QSignalSpy finished(&sender, &BadgeSender::transferFinished);
        QSignalSpy refused(&sender, &BadgeSender::refused);

        MessageBank bank = fullBank();
        const QByteArray expected = buildBadgeStream(bank, someSettings(), test::LongDirections).bytes();
        QCOMPARE(expected.size(), 6833);
        QVERIFY(sender.readComSet(QStringLiteral("COM1")));
        QVERIFY(sender.startTransfer(bank, someSettings()));
        QVERIFY(port.isOpen());
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, test::SafetyNetMs);
        QVERIFY(!port.isOpen());
        // No "Port in use or not port" because a pseudo-terminal has no DTR line.
        QCOMPARE(refused.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(reader.received().size(), expected.size(), test::SafetyNetMs);
        QCOMPARE(reader.received(), expected);
        QCOMPARE(progress.values.last(), 0);
    }

    void shouldFinishATransferWhenTheFarEndGoesAway()
    {
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        test::RecordingProgress progress;
        BadgeSender sender(port, progress, longListProfile());
        QSignalSpy finished(&sender, &BadgeSender::transferFinished);
        QSignalSpy refused(&sender, &BadgeSender::refused);
        // Fill the line first, so that the stream sticks in the port's queue.
        ::fcntl(pty.slave(), F_SETFL, ::fcntl(pty.slave(), F_GETFL) | O_NONBLOCK);
        const QByteArray filler(1024, 'f');
        while (::write(pty.slave(), filler.constData(), filler.size()) > 0) { }
        MessageBank bank = fullBank();
        QVERIFY(sender.readComSet(QStringLiteral("COM1")));
        QVERIFY(sender.startTransfer(bank, someSettings()));
        QTRY_VERIFY_WITH_TIMEOUT(port.pendingOutput().value_or(0) > 0, test::SafetyNetMs);
        QCOMPARE(finished.size(), 0);
        // Then the reader vanishes for good: the transfer must not wait forever.
        pty.closeMaster();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, test::SafetyNetMs);
        QVERIFY(!port.isOpen());
        QCOMPARE(refused.size(), 0);
    }

    void shouldApplyTheLineSettingsOnOpen_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<uint>("speed");
        QTest::addColumn<uint>("parityKind"); // PARODD | CMSPAR: a pseudo-terminal keeps these
        QTest::addColumn<bool>("twoStopBits");
        QTest::newRow("the badge's line") << "1200,n,8,1" << uint(B1200) << 0u << false;
        QTest::newRow("upper case parity") << "1200,N,8,1" << uint(B1200) << 0u << false;
        QTest::newRow("even, 7, 2") << "9600,e,7,2" << uint(B9600) << 0u << true;
        QTest::newRow("odd, 5 bits") << "2400,o,5,1" << uint(B2400) << uint(PARODD) << false;
        QTest::newRow("mark, 6 bits") << "4800,m,6,1" << uint(B4800) << uint(PARODD | CMSPAR) << false;
        QTest::newRow("space") << "19200,s,8,2" << uint(B19200) << uint(CMSPAR) << true;
        QTest::newRow("spaces around fields") << " 1200 , n , 8 , 1 " << uint(B1200) << 0u << false;
    }

    void shouldApplyTheLineSettingsOnOpen()
    {
        QFETCH(QString, settings);
        QFETCH(uint, speed);
        QFETCH(uint, parityKind);
        QFETCH(bool, twoStopBits);
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QVERIFY(port.setCommPort(1));
        QVERIFY(port.setSettings(settings));
        QVERIFY2(port.open(), qPrintable(port.lastFailure().reason));
        // What the line got, read as any program would. A pseudo-terminal forces 8 bits without
        // parity whatever is asked, but keeps the rest.
        const termios line = lineOf(pty);
        QCOMPARE(uint(::cfgetospeed(&line)), speed);
        QCOMPARE(uint(line.c_cflag & (PARODD | CMSPAR)), parityKind);
        QCOMPARE((line.c_cflag & CSTOPB) != 0, twoStopBits);
        // No handshake of any kind, and bytes leave as they are.
        QCOMPARE(line.c_cflag & CRTSCTS, tcflag_t(0));
        QCOMPARE(line.c_iflag & (IXON | IXOFF), tcflag_t(0));
        QCOMPARE(line.c_oflag & OPOST, tcflag_t(0));
        port.close();
    }

    void shouldRefuseMalformedSettings_data()
    {
        QTest::addColumn<QString>("settings");
        for (const char *text :
             {"", "1200", "1200,n,8", "1200,n,8,1,1", "1200,x,8,1", "1200,,8,1", "1200,n,9,1", "1200,n,4,1",
              "1200,n,8,3", "1200,n,8,1.2", "0,n,8,1", "-1200,n,8,1", "+1200,n,8,1", "12O0,n,8,1",
              "99999999999,n,8,1", "1200;n;8;1"})
            QTest::addRow("\"%s\"", text) << QString::fromLatin1(text);
    }

    void shouldRefuseMalformedSettings()
    {
        QFETCH(QString, settings);
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QVERIFY(port.setSettings(QStringLiteral("9600,o,7,2")));
        QVERIFY(!port.setSettings(settings));
        QVERIFY(!port.lastFailure().reason.isEmpty());
        // What was set before stays, as the line shows.
        QVERIFY(port.open());
        const termios line = lineOf(pty);
        QCOMPARE(uint(::cfgetospeed(&line)), uint(B9600));
        QVERIFY(line.c_cflag & PARODD);
        QVERIFY(line.c_cflag & CSTOPB);
    }

    void shouldRefuseComNumbersBelowOne()
    {
        QtSerialControl port(fixedPorts({QStringLiteral("/dev/null")}));
        QVERIFY(!port.setCommPort(0));
        QVERIFY(!port.setCommPort(-2));
        QVERIFY(port.setCommPort(40));
    }

    void shouldFailToOpenAPortThatIsNotListed()
    {
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QVERIFY(port.setCommPort(2));
        QVERIFY(!port.open());
        QVERIFY(!port.isOpen());
        const SerialFailure failure {SerialFailure::Kind::NoSuchPort, QString(),
                                     QStringLiteral("COM2 is not a serial port on this machine")};
        QCOMPARE(port.lastFailure(), failure);
    }

    void shouldFailToOpenAMissingDevice()
    {
        const QString missing = QStringLiteral("/dev/lume-no-such-serial-port");
        QtSerialControl port(fixedPorts({missing}));
        QVERIFY(!port.open());
        QVERIFY(!port.isOpen());
        QCOMPARE(port.lastFailure().kind, SerialFailure::Kind::NoSuchPort);
        QCOMPARE(port.lastFailure().device, missing);
        QVERIFY2(port.lastFailure().reason.contains(QStringLiteral("No such file or directory")),
                 qPrintable(port.lastFailure().reason));
    }

    void shouldFailToOpenAFileThatIsNoTerminal()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("notaport"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        QtSerialControl port(fixedPorts({path}));
        QVERIFY(!port.open());
        QVERIFY(!port.isOpen());
        QCOMPARE(port.lastFailure().kind, SerialFailure::Kind::Other);
        QCOMPARE(port.lastFailure().device, path);
        QVERIFY(!port.lastFailure().reason.isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }

    void shouldReportADeviceThisUserMayNotOpen()
    {
        if (::geteuid() == 0)
            QSKIP("needs an ordinary user: root may open any device (./build.sh test runs the suite "
                  "again as one)");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("locked"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions({}));
        QtSerialControl port(fixedPorts({path}));
        QVERIFY(!port.open());
        QCOMPARE(port.lastFailure().kind, SerialFailure::Kind::PermissionDenied);
        QCOMPARE(port.lastFailure().device, path);
        QCOMPARE(port.lastFailure().reason, QStringLiteral("Permission denied"));
    }

    void shouldReportAPortInUse()
    {
        PseudoTerminal pty;
        QtSerialControl first(fixedPorts({pty.slavePath()}));
        QtSerialControl second(fixedPorts({pty.slavePath()}));
        QVERIFY(first.open());
        QVERIFY(!second.open());
        QVERIFY(!second.isOpen());
        QCOMPARE(second.lastFailure().kind, SerialFailure::Kind::InUse);
        QCOMPARE(second.lastFailure().device, pty.slavePath());
        QVERIFY(!second.lastFailure().reason.isEmpty());
        // Opening twice is refused too, and the port stays open.
        QVERIFY(!first.open());
        QCOMPARE(first.lastFailure().kind, SerialFailure::Kind::InUse);
        QVERIFY(first.isOpen());
        // Once the first lets go, the port is free.
        first.close();
        QVERIFY2(second.open(), qPrintable(second.lastFailure().reason));
    }

    void shouldTreatTheMissingDtrOfAPseudoTerminalAsDone()
    {
        PseudoTerminal pty;
        MasterReader reader(pty);
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QVERIFY(port.setOption9(false)); // closed: nothing to drive
        QVERIFY(port.open());
        QVERIFY(port.setOption9(true));
        QVERIFY(port.setOption9(false));
        // The port is still usable.
        QVERIFY(port.write(QByteArrayLiteral("Hello")));
        QTRY_COMPARE_WITH_TIMEOUT(reader.received(), QByteArrayLiteral("Hello"), test::SafetyNetMs);
    }

    void shouldCountPendingOutput()
    {
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QCOMPARE(port.pendingOutput(), std::nullopt); // closed
        QVERIFY(port.open());
        QCOMPARE(port.pendingOutput(), std::optional<qint64>(0));
        // More than a pseudo-terminal holds: the rest waits in Qt's buffer while nobody reads.
        QByteArray bytes(30000, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7);
        QVERIFY(port.write(bytes));
        QCOMPARE(port.pendingOutput(), std::optional<qint64>(30000));
        // Some of it goes out as soon as the event loop gets to it; with nobody reading, never all.
        QTRY_VERIFY_WITH_TIMEOUT(port.pendingOutput().value_or(30000) < 30000, test::SafetyNetMs);
        const std::optional<qint64> stuck = port.pendingOutput();
        QVERIFY(stuck && *stuck > 0 && *stuck < 30000);
        // A reader empties it, in order.
        MasterReader reader(pty);
        QTRY_COMPARE_WITH_TIMEOUT(port.pendingOutput(), std::optional<qint64>(0), test::SafetyNetMs);
        QTRY_COMPARE_WITH_TIMEOUT(reader.received().size(), bytes.size(), test::SafetyNetMs);
        QCOMPARE(reader.received(), bytes);
    }

    void shouldRefuseToWriteToAClosedPort()
    {
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QVERIFY(!port.write(QByteArrayLiteral("x")));
        QVERIFY(!port.lastFailure().reason.isEmpty());
    }

    void shouldCloseWithNothingPending()
    {
        PseudoTerminal pty;
        MasterReader reader(pty);
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        port.close(); // not open: nothing happens
        QVERIFY(port.open());
        QVERIFY(port.write(QByteArrayLiteral("abc")));
        QTRY_COMPARE_WITH_TIMEOUT(port.pendingOutput(), std::optional<qint64>(0), test::SafetyNetMs);
        port.close();
        QVERIFY(!port.isOpen());
        port.close();
        QVERIFY(!port.isOpen());
        QCOMPARE(reader.received(), QByteArrayLiteral("abc"));
        QVERIFY(port.open()); // and it opens again
    }

    void shouldHandQueuedBytesToTheDriverOnClose()
    {
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QVERIFY(port.open());
        const QByteArray bytes(2000, 'b');
        QVERIFY(port.write(bytes));
        // No event loop ran: everything is still in Qt's buffer when the port closes.
        QCOMPARE(port.pendingOutput(), std::optional<qint64>(2000));
        port.close();
        QVERIFY(!port.isOpen());
        QCOMPARE(pty.readAvailable(), bytes);
    }

    void shouldNotHangClosingALineThatDoesNotMove()
    {
        PseudoTerminal pty;
        QtSerialControl port(fixedPorts({pty.slavePath()}));
        QVERIFY(port.open());
        QByteArray bytes(60000, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i % 251);
        QVERIFY(port.write(bytes));
        // Nobody reads: what the pseudo-terminal cannot take is given up after a short while.
        port.close();
        QVERIFY(!port.isOpen());
        const QByteArray received = pty.readAvailable();
        QVERIFY(!received.isEmpty());
        QVERIFY(received.size() < bytes.size());
        QCOMPARE(received, bytes.first(received.size()));
    }
};

QTEST_GUILESS_MAIN(TstQtSerialControl)
#include "tst_qtserialcontrol.moc"
