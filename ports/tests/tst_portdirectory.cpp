#include "devicenames.h"
#include "portdirectory.h"
#include "testpseudoterminal.h"
#include "virtualports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>

using namespace lume;
using lume::test::PseudoTerminal;

namespace {

// The id of a process that has ended, reaped at once so that the id is really free.
qint64 endedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void writeEntry(const QString &directory, const QString &pid, const QByteArray &content)
{
    QFile file(QDir(directory).filePath(QStringLiteral("lume-badgesim-%1.port").arg(pid)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TstPortDirectory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldArrangeDevices_data()
    {
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<QStringList>("consoles");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("adapters first, then by number")
            << QStringList {"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyUSB0"}
            << QStringList {}
            << QStringList {"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS2", "/dev/ttyS10"};
        QTest::newRow("numbers of any length")
            << QStringList {"/dev/ttyUSB10", "/dev/ttyUSB9", "/dev/ttyS100", "/dev/ttyS9", "/dev/ttyAMA0"}
            << QStringList {}
            << QStringList {"/dev/ttyUSB9", "/dev/ttyUSB10", "/dev/ttyAMA0", "/dev/ttyS9", "/dev/ttyS100"};
        QTest::newRow("active consoles left out")
            << QStringList {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0", "/dev/hvc0"}
            << QStringList {"/dev/tty0", "/dev/ttyS0", "/dev/hvc0"}
            << QStringList {"/dev/ttyUSB0", "/dev/ttyS1"};
        QTest::newRow("console adapter left out")
            << QStringList {"/dev/ttyUSB0", "/dev/ttyUSB1"} << QStringList {"/dev/ttyUSB0"}
            << QStringList {"/dev/ttyUSB1"};
        QTest::newRow("virtual consoles left out")
            << QStringList {"/dev/console", "/dev/tty", "/dev/tty0", "/dev/tty12", "/dev/ttyS3", "/dev/tty1a"}
            << QStringList {} << QStringList {"/dev/tty1a", "/dev/ttyS3"};
        QTest::newRow("no duplicates")
            << QStringList {"/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyS1", "/dev/ttyUSB0", ""} << QStringList {}
            << QStringList {"/dev/ttyUSB0", "/dev/ttyS1"};
        QTest::newRow("macOS callout devices, adapters first")
            << QStringList {"/dev/tty.Bluetooth-Incoming-Port",
                            "/dev/cu.Bluetooth-Incoming-Port",
                            "/dev/tty.usbserial-A10",
                            "/dev/cu.usbserial-A10",
                            "/dev/tty.wchusbserial1410",
                            "/dev/cu.wchusbserial1410",
                            "/dev/cu.usbmodem2"}
            << QStringList {}
            << QStringList {"/dev/cu.usbmodem2", "/dev/cu.usbserial-A10", "/dev/cu.wchusbserial1410",
                            "/dev/cu.Bluetooth-Incoming-Port"};
        QTest::newRow("macOS dial-in device without callout twin")
            << QStringList {"/dev/tty.usbserial-1"} << QStringList {} << QStringList {"/dev/tty.usbserial-1"};
        QTest::newRow("nothing") << QStringList {} << QStringList {"/dev/ttyS0"} << QStringList {};
    }

    void shouldArrangeDevices()
    {
        QFETCH(QStringList, devices);
        QFETCH(QStringList, consoles);
        QFETCH(QStringList, expected);
        QCOMPARE(arrangeDevices(devices, consoles), expected);
    }

    void shouldReadTheActiveConsoles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("serial console") << QByteArray("ttyS0\n") << QStringList {"/dev/ttyS0"};
        QTest::newRow("two consoles")
            << QByteArray("tty0 ttyS0\n") << QStringList {"/dev/tty0", "/dev/ttyS0"};
        QTest::newRow("odd spacing") << QByteArray("  hvc0\tttyAMA0  \n\n")
                                     << QStringList {"/dev/hvc0", "/dev/ttyAMA0"};
        QTest::newRow("empty") << QByteArray() << QStringList {};
        QTest::newRow("no paths") << QByteArray("../etc/passwd .. ttyS1") << QStringList {"/dev/ttyS1"};
    }

    void shouldReadTheActiveConsoles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("active"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(consoleDevices(path), expected);
    }

    void shouldReadNoConsolesFromAMissingFile()
    {
        QCOMPARE(consoleDevices(QStringLiteral("/nonexistent/lume/active")), QStringList());
    }

    void shouldNeverListTheConsolesOfThisMachine()
    {
        const QStringList devices = PortDirectory::system().devices();
        for (const QString &console : consoleDevices())
            QVERIFY2(!devices.contains(console), qPrintable(console));
        QVERIFY(!devices.contains(QStringLiteral("/dev/console")));
    }

    void shouldNumberWindowsPortsByTheirNames()
    {
        QList<PortInfo> found;
        for (const char *name : {"COM3", "COM12", "COM3", "COM0", "COMx", "ttyS0", "COM1"}) {
            PortInfo info;
            info.device = QString::fromLatin1(name);
            found << info;
        }
        const PortDirectory directory([found] { return found; }, &PortDirectory::numberByName);
        QStringList numbered;
        for (const PortEntry &entry : directory.entries())
            numbered << QStringLiteral("%1 %2").arg(entry.number).arg(entry.info.device);
        QCOMPARE(numbered, (QStringList {"1 COM1", "3 COM3", "12 COM12"}));
        QCOMPARE(directory.device(12), QStringLiteral("COM12"));
        QCOMPARE(directory.device(2), QString());
        QCOMPARE(systemPorts(directory)(12), QStringLiteral("COM12"));
        QCOMPARE(PortDirectory().device(1), QString());
    }

    void shouldPutTheRegistryInTheRuntimeDirectory()
    {
        const QString file = virtualPortFile(4321);
        QCOMPARE(QFileInfo(file).fileName(), QStringLiteral("lume-badgesim-4321.port"));
        QCOMPARE(
            QFileInfo(file).absolutePath(),
            QFileInfo(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).absoluteFilePath());
    }

    void shouldListOnlyLiveVirtualBadges_data()
    {
        QTest::addColumn<QString>("pid"); // "self", "ended" or the text of the file name
        QTest::addColumn<QString>("content"); // "pty" for a live pseudo-terminal's path
        QTest::addColumn<bool>("listed");
        QTest::newRow("live") << "self"
                              << "pty" << true;
        QTest::newRow("live, no newline") << "self"
                                          << "pty-bare" << true;
        QTest::newRow("process ended") << "ended"
                                       << "pty" << false;
        QTest::newRow("device gone") << "self"
                                     << "/dev/pts/99999\n"
                                     << false;
        QTest::newRow("regular file") << "self"
                                      << "/etc/passwd\n"
                                      << false;
        QTest::newRow("relative path") << "self"
                                       << "dev/null\n"
                                       << false;
        QTest::newRow("empty file") << "self"
                                    << "" << false;
        QTest::newRow("process group 0") << "0"
                                         << "pty" << false;
        QTest::newRow("no number") << "abc"
                                   << "pty" << false;
        QTest::newRow("past any pid") << "99999999999"
                                      << "pty" << false;
    }

    void shouldListOnlyLiveVirtualBadges()
    {
        QFETCH(QString, pid);
        QFETCH(QString, content);
        QFETCH(bool, listed);
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        QTemporaryDir dir;
        QByteArray bytes = content.toUtf8();
        if (content == u"pty")
            bytes = pty.slavePath().toUtf8() + '\n';
        else if (content == u"pty-bare")
            bytes = pty.slavePath().toUtf8();
        if (pid == u"self")
            pid = QString::number(QCoreApplication::applicationPid());
        else if (pid == u"ended")
            pid = QString::number(endedProcessId());
        writeEntry(dir.path(), pid, bytes);
        const QStringList expected = listed ? QStringList {pty.slavePath()} : QStringList {};
        QCOMPARE(virtualPorts(dir.path()), expected);
    }

    void shouldListVirtualBadgesByProcessId()
    {
        PseudoTerminal first;
        PseudoTerminal second;
        QTemporaryDir dir;
        writeEntry(dir.path(), QString::number(QCoreApplication::applicationPid()),
                   second.slavePath().toUtf8());
        writeEntry(dir.path(), QStringLiteral("1"), first.slavePath().toUtf8());
        writeEntry(dir.path(), QString::number(endedProcessId()), first.slavePath().toUtf8());
        QFile unrelated(dir.filePath(QStringLiteral("lume-other-1.port")));
        QVERIFY(unrelated.open(QIODevice::WriteOnly));
        unrelated.write(first.slavePath().toUtf8());
        unrelated.close();
        QCOMPARE(virtualPorts(dir.path()), (QStringList {first.slavePath(), second.slavePath()}));
    }
};

QTEST_GUILESS_MAIN(TstPortDirectory)
#include "tst_portdirectory.moc"
