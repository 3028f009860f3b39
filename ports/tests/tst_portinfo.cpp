#include "fakesysfs.h"
#include "portdirectory.h"
#include "portinfo.h"
#include "testpseudoterminal.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace lume;
using lume::test::FakeSysfs;
using lume::test::PseudoTerminal;

namespace {

PortInfo port(const QString &device, PortInfo::Kind kind, const QString &serial = {})
{
    PortInfo info;
    info.device = device;
    info.kind = kind;
    if (kind == PortInfo::Kind::Adapter) {
        info.vendorId = 0x0403;
        info.productId = 0x6001;
        info.serialNumber = serial;
    }
    return info;
}

QStringList numbered(const QList<PortEntry> &entries)
{
    QStringList lines;
    for (const PortEntry &entry : entries)
        lines << QStringLiteral("COM%1 %2").arg(entry.number).arg(entry.info.device);
    return lines;
}

const auto Adapter = PortInfo::Kind::Adapter;
const auto BuiltIn = PortInfo::Kind::BuiltIn;
const auto Virtual = PortInfo::Kind::Virtual;

} // namespace

class TstPortInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadEachAdaptersIdentityFromSysfs()
    {
        QTemporaryDir dir;
        FakeSysfs sys(dir.path());
        sys.addUsbSerial(QStringLiteral("ttyUSB0"), QStringLiteral("1-2"), QStringLiteral("ch341"), 0x1a86,
                         0x7523, QStringLiteral("QinHeng"), QStringLiteral("CH340 serial converter"), {});
        sys.addUsbSerial(QStringLiteral("ttyUSB1"), QStringLiteral("1-3"), QStringLiteral("ftdi_sio"), 0x0403,
                         0x6001, QStringLiteral("FTDI"), QStringLiteral("FT232R USB UART"),
                         QStringLiteral("A10K3Z\x07\n"));
        sys.addAcm(QStringLiteral("ttyACM0"), QStringLiteral("1-4"), 0x2341, 0x0043, {}, {}, {});
        // No strings of its own: udev's database names it.
        sys.addUsbSerial(QStringLiteral("ttyUSB2"), QStringLiteral("1-5"), QStringLiteral("ch341"), 0x1a86,
                         0x7523, {}, {}, {});
        sys.addUdevNames(QStringLiteral("ttyUSB2"), QStringLiteral("QinHeng Electronics"),
                         QStringLiteral("CH340 serial converter"));
        sys.addBuiltIn(QStringLiteral("ttyS0"), 4);
        sys.addBuiltIn(QStringLiteral("ttyS1"), 0); // no UART behind it
        sys.addBuiltIn(QStringLiteral("ttyS2"), 4);
        sys.addVirtualTerminal(QStringLiteral("tty1"));
        sys.setConsoles("tty1 ttyS2\n");

        const QList<PortInfo> found = scanSerialPorts(sys.roots());
        QStringList lines;
        for (const PortInfo &info : found)
            lines << QStringLiteral("%1  %2").arg(QFileInfo(info.device).fileName(), info.description());
        QCOMPARE(lines,
                 (QStringList {
                     "ttyACM0  USB serial adapter (2341:0043, cdc_acm)",
                     "ttyUSB0  QinHeng CH340 serial converter (1a86:7523, ch341)",
                     "ttyUSB1  FTDI FT232R USB UART (0403:6001, ftdi_sio, serial A10K3Z)",
                     "ttyUSB2  QinHeng Electronics CH340 serial converter (1a86:7523, ch341)",
                     "ttyS0  built-in serial port (serial8250)",
                 }));
        QCOMPARE(found[0].kind, Adapter);
        QCOMPARE(found[4].kind, BuiltIn);
        QCOMPARE(found[1].device, sys.roots().dev + QStringLiteral("/ttyUSB0"));
    }

    // udev's names are data from outside like any device string: one clean line each.
    void shouldCleanUdevsNames()
    {
        QTemporaryDir dir;
        FakeSysfs sys(dir.path());
        sys.addUsbSerial(QStringLiteral("ttyUSB0"), QStringLiteral("1-2"), QStringLiteral("ch341"), 0x1a86,
                         0x7523, {}, {}, {});
        sys.addUdevNames(QStringLiteral("ttyUSB0"), QStringLiteral("QinHeng\tElectronics\x01"),
                         QStringLiteral("CH340\nserial converter ") + QString(200, u'x'));
        const PortInfo info = sysfsPortInfo(sys.roots(), QStringLiteral("ttyUSB0"),
                                            sys.roots().dev + QStringLiteral("/ttyUSB0"));
        QCOMPARE(info.manufacturer, QStringLiteral("QinHeng Electronics"));
        QVERIFY(info.product.startsWith(QStringLiteral("CH340 serial converter xxx")));
        QCOMPARE(info.product.size(), 80);
    }

    // Reads the machine's udev database, opening no device: a tty it does not know has no names.
    void shouldFindNoUdevNamesForAnUnknownTty_data()
    {
        QTest::addColumn<QString>("tty");
        QTest::newRow("unknown") << "ttyLumeNoSuchPort";
        QTest::newRow("a path") << "../ttyS0";
        QTest::newRow("empty") << "";
    }

    void shouldFindNoUdevNamesForAnUnknownTty()
    {
        QFETCH(QString, tty);
        QCOMPARE(systemUdevLookup()(tty), UdevNames {});
    }

    void shouldFindNothingInAnEmptyOrMissingTree()
    {
        QTemporaryDir dir;
        PortScanRoots roots {dir.path() + QStringLiteral("/none"), dir.path(), dir.path(), {}};
        QVERIFY(scanSerialPorts(roots).isEmpty());
    }

    // The preselection takes the first of one or two ports, else the last.
    void shouldNumberSoThatTheAdapterIsPreselected_data()
    {
        QTest::addColumn<QList<PortInfo>>("found");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one built-in, one adapter")
            << QList<PortInfo> {port("/dev/ttyS0", BuiltIn), port("/dev/ttyUSB0", Adapter)}
            << QStringList {"COM1 /dev/ttyUSB0", "COM2 /dev/ttyS0"};
        QTest::newRow("two built-ins, one adapter")
            << QList<PortInfo> {port("/dev/ttyS0", BuiltIn), port("/dev/ttyS1", BuiltIn),
                                port("/dev/ttyUSB0", Adapter)}
            << QStringList {"COM1 /dev/ttyS0", "COM2 /dev/ttyS1", "COM3 /dev/ttyUSB0"};
        QTest::newRow("adapter and virtual badge")
            << QList<PortInfo> {port("/dev/ttyUSB0", Adapter), port("/dev/pts/4", Virtual)}
            << QStringList {"COM1 /dev/ttyUSB0", "COM2 /dev/pts/4"};
        QTest::newRow("built-in, virtual badge, adapter")
            << QList<PortInfo> {port("/dev/ttyS0", BuiltIn), port("/dev/pts/4", Virtual),
                                port("/dev/ttyUSB0", Adapter)}
            << QStringList {"COM1 /dev/ttyS0", "COM2 /dev/pts/4", "COM3 /dev/ttyUSB0"};
        QTest::newRow("no adapter: the virtual badge")
            << QList<PortInfo> {port("/dev/ttyS0", BuiltIn), port("/dev/ttyS1", BuiltIn),
                                port("/dev/pts/4", Virtual)}
            << QStringList {"COM1 /dev/ttyS0", "COM2 /dev/ttyS1", "COM3 /dev/pts/4"};
        QTest::newRow("one built-in, a virtual badge")
            << QList<PortInfo> {port("/dev/ttyS0", BuiltIn), port("/dev/pts/4", Virtual)}
            << QStringList {"COM1 /dev/pts/4", "COM2 /dev/ttyS0"};
        QTest::newRow("nothing") << QList<PortInfo> {} << QStringList {};
    }

    void shouldNumberSoThatTheAdapterIsPreselected()
    {
        QFETCH(QList<PortInfo>, found);
        QFETCH(QStringList, expected);
        QHash<QString, int> remembered;
        const QList<PortEntry> entries = PortDirectory::number(found, {}, remembered);
        QCOMPARE(numbered(entries), expected);
    }

    void shouldKeepNumbersWhileDevicesStayPlugged()
    {
        QList<PortInfo> found {port("/dev/ttyS0", BuiltIn), port("/dev/ttyS1", BuiltIn),
                               port("/dev/ttyUSB0", Adapter, "BADGE"),
                               port("/dev/ttyUSB1", Adapter, "OTHER")};
        int listing = 0;
        PortDirectory directory(PortDirectory::Source([&] {
            ++listing;
            return found;
        }));
        QCOMPARE(listing, 1);
        QCOMPARE(
            numbered(directory.entries()),
            (QStringList {"COM1 /dev/ttyS0", "COM2 /dev/ttyS1", "COM3 /dev/ttyUSB0", "COM4 /dev/ttyUSB1"}));

        // The badge's adapter goes; another one comes and the kernel gives it ttyUSB0.
        found = {port("/dev/ttyS0", BuiltIn), port("/dev/ttyS1", BuiltIn),
                 port("/dev/ttyUSB0", Adapter, "NEW"), port("/dev/ttyUSB1", Adapter, "OTHER")};
        directory.refresh();
        QCOMPARE(
            numbered(directory.entries()),
            (QStringList {"COM1 /dev/ttyS0", "COM2 /dev/ttyS1", "COM3 /dev/ttyUSB0", "COM4 /dev/ttyUSB1"}));
        QCOMPARE(directory.info(3).serialNumber, QStringLiteral("NEW"));

        // The other adapter goes: nothing else moves.
        found.removeLast();
        directory.refresh();
        QCOMPARE(directory.device(4), QString());
        QCOMPARE(directory.device(3), QStringLiteral("/dev/ttyUSB0"));

        // The badge comes back as ttyUSB1 while the new one stays: COM4 is free, and COM3 taken.
        found << port("/dev/ttyUSB1", Adapter, "BADGE");
        directory.refresh();
        QCOMPARE(directory.info(3).serialNumber, QStringLiteral("NEW"));
        QCOMPARE(directory.info(4).serialNumber, QStringLiteral("BADGE"));
        QCOMPARE(listing, 4);

        // Everything unplugged, then the badge alone: it gets COM4 back, the others' numbers stay unused.
        found = {};
        directory.refresh();
        QVERIFY(directory.entries().isEmpty());
        found = {port("/dev/ttyUSB0", Adapter, "BADGE")};
        directory.refresh();
        QCOMPARE(numbered(directory.entries()), QStringList {"COM4 /dev/ttyUSB0"});
    }

    void shouldListPluggedAdaptersFromSysfsAgain()
    {
        QTemporaryDir dir;
        FakeSysfs sys(dir.path());
        sys.addBuiltIn(QStringLiteral("ttyS0"), 4);
        sys.addUsbSerial(QStringLiteral("ttyUSB0"), QStringLiteral("1-2"), QStringLiteral("pl2303"), 0x067b,
                         0x2303, QStringLiteral("Prolific Technology Inc."),
                         QStringLiteral("USB-Serial Controller"), {});
        const PortScanRoots roots = sys.roots();
        PortDirectory directory(PortDirectory::Source([roots] { return scanSerialPorts(roots); }));
        QCOMPARE(directory.info(1).driver, QStringLiteral("pl2303"));
        QCOMPARE(directory.info(2).driver, QStringLiteral("serial8250"));

        sys.remove(QStringLiteral("ttyUSB0"));
        sys.addUsbSerial(QStringLiteral("ttyUSB1"), QStringLiteral("1-3"), QStringLiteral("cp210x"), 0x10c4,
                         0xea60, {}, QStringLiteral("CP2102 USB to UART Bridge Controller"),
                         QStringLiteral("0001"));
        directory.refresh();
        QCOMPARE(directory.info(2).driver, QStringLiteral("serial8250"));
        QCOMPARE(directory.info(1).description(),
                 QStringLiteral("CP2102 USB to UART Bridge Controller (10c4:ea60, cp210x, serial 0001)"));
        QCOMPARE(directory.entries().size(), 2);
    }

    // The running virtual badges come after the machine's devices, each once, never a console.
    void shouldListVirtualBadgesAfterTheMachinesDevices_data()
    {
        QTest::addColumn<QStringList>("ttys"); // built-in ports ttyS<n>, adapters ttyUSB<n>
        QTest::addColumn<QByteArray>("consoles");
        QTest::addColumn<QString>("registered"); // "pty", or a tty of the fake /dev that leads to it
        QTest::addColumn<QStringList>("expected"); // "pty" for the badge's pseudo-terminal
        QTest::newRow("after the arranged devices")
            << QStringList {"ttyS3", "ttyUSB0", "ttyS0"} << QByteArray("ttyS0\n") << "pty"
            << QStringList {"ttyUSB0", "ttyS3", "pty"};
        QTest::newRow("no devices") << QStringList {} << QByteArray() << "pty" << QStringList {"pty"};
        QTest::newRow("listed once") << QStringList {"ttyUSB0"} << QByteArray() << "ttyUSB0"
                                     << QStringList {"ttyUSB0"};
        QTest::newRow("never a console")
            << QStringList {"ttyUSB0"} << QByteArray("ttyS0\n") << "ttyS0" << QStringList {"ttyUSB0"};
    }

    void shouldListVirtualBadgesAfterTheMachinesDevices()
    {
        QFETCH(QStringList, ttys);
        QFETCH(QByteArray, consoles);
        QFETCH(QString, registered);
        QFETCH(QStringList, expected);
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        QTemporaryDir dir;
        FakeSysfs sys(dir.path());
        for (const QString &tty : ttys) {
            if (tty.startsWith(u"ttyUSB"))
                sys.addUsbSerial(tty, QStringLiteral("1-2"), QStringLiteral("ch341"), 0x1a86, 0x7523, {}, {},
                                 {});
            else
                sys.addBuiltIn(tty, 4);
        }
        sys.setConsoles(consoles);
        QString device = pty.slavePath();
        if (registered != u"pty") {
            device = sys.roots().dev + u'/' + registered;
            QVERIFY(QFile::link(pty.slavePath(), device));
        }
        QFile entry(sys.roots().runtime +
                    QStringLiteral("/lume-badgesim-%1.port").arg(QCoreApplication::applicationPid()));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(device.toUtf8() + '\n');
        entry.close();

        QStringList listed;
        for (const PortInfo &info : scanSerialPorts(sys.roots()))
            listed << (info.device == pty.slavePath() ? QStringLiteral("pty")
                                                      : QFileInfo(info.device).fileName());
        QCOMPARE(listed, expected);
    }
};

QTEST_GUILESS_MAIN(TstPortInfo)
#include "tst_portinfo.moc"
