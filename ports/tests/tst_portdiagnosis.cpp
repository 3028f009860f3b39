#include "badgesender.h"
#include "fakesysfs.h"
#include "portdiagnosis.h"
#include "testpseudoterminal.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace lume;
using lume::test::FakeSysfs;
using lume::test::PseudoTerminal;

namespace {

// Group numbers as the data tables give them; the test maps them onto the real device node.
constexpr uint Dialout = 20;
constexpr uint Alice = 1000;

// Alice, who does not own the node: its group stands for dialout. The node stays the test's own,
// so the check's open succeeds where the data let her in, as an ordinary user and as root.
UserAccounts alice(const struct stat &node, const QList<uint> &session, const QList<uint> &account)
{
    const auto real = [&node](uint gid) { return gid == Dialout ? uint(node.st_gid) : gid + 100000; };
    UserAccounts user;
    user.uid = uint(node.st_uid) + 1;
    user.userName = QStringLiteral("alice");
    for (const uint gid : session)
        user.sessionGroups << real(gid);
    for (const uint gid : account)
        user.accountGroups << real(gid);
    user.groupNames = {{real(Dialout), QStringLiteral("dialout")}, {real(Alice), QStringLiteral("alice")}};
    return user;
}

// A test's own world: sysfs, /dev, /proc and lock folders in a temporary folder.
struct World
{
    World()
        : sys(dir.path())
    {
        QDir().mkpath(procRoot());
        QDir().mkpath(lockDir());
        system.procRoot = procRoot();
        system.lockDirs = {lockDir()};
        system.scanRoots = sys.roots();
        system.ownPid = QCoreApplication::applicationPid();
    }
    [[nodiscard]] QString procRoot() const { return dir.path() + QStringLiteral("/proc"); }
    [[nodiscard]] QString lockDir() const { return dir.path() + QStringLiteral("/lock"); }
    // A device of the fake /dev that leads to the pseudo-terminal, so that it can be opened.
    QString device(const QString &name, const PseudoTerminal &pty) const
    {
        const QString path = sys.roots().dev + u'/' + name;
        QFile::link(pty.slavePath(), path);
        return path;
    }
    void addProcess(qint64 pid, const QByteArray &name, const QString &openDevice) const
    {
        const QString base = procRoot() + u'/' + QString::number(pid);
        QDir().mkpath(base + QStringLiteral("/fd"));
        QFile comm(base + QStringLiteral("/comm"));
        if (comm.open(QIODevice::WriteOnly))
            comm.write(name + '\n');
        QFile::link(QStringLiteral("/dev/null"), base + QStringLiteral("/fd/0"));
        if (!openDevice.isEmpty())
            QFile::link(openDevice, base + QStringLiteral("/fd/7"));
    }
    void writeLock(const QString &device, const QByteArray &content) const
    {
        QFile file(lockDir() + u'/' + PortDiagnostics::lockFileName(device));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    QTemporaryDir dir;
    FakeSysfs sys;
    DiagnosisSystem system;
};

} // namespace

class TstPortDiagnosis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldNameTheGroupAndTheCommand_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<QList<uint>>("session");
        QTest::addColumn<QList<uint>>("account");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QStringList>("words");
        const int permission = int(PortDiagnosis::Verdict::Permission);
        QTest::newRow("not in the group") << 0660u << QList<uint> {Alice} << QList<uint> {Alice} << permission
                                          << QStringList {"group dialout (crw-rw----)", "alice is not in it",
                                                          "sudo usermod -aG dialout alice"};
        QTest::newRow("added, session older")
            << 0660u << QList<uint> {Alice} << QList<uint> {Alice, Dialout} << permission
            << QStringList {"was added to dialout after this session began", "Log out and log in again",
                            "newgrp dialout"};
        QTest::newRow("in the group") << 0660u << QList<uint> {Alice, Dialout} << QList<uint> {Alice, Dialout}
                                      << int(PortDiagnosis::Verdict::Usable) << QStringList {"can be opened"};
        QTest::newRow("no group may use it")
            << 0600u << QList<uint> {Alice, Dialout} << QList<uint> {Alice, Dialout} << permission
            << QStringList {"lets no group use it", "GROUP=\"dialout\", MODE=\"0660\"", "udevadm trigger"};
        QTest::newRow("everybody may")
            << 0666u << QList<uint> {Alice} << QList<uint> {Alice} << int(PortDiagnosis::Verdict::Usable)
            << QStringList {"can be opened"};
    }

    void shouldNameTheGroupAndTheCommand()
    {
        QFETCH(uint, mode);
        QFETCH(QList<uint>, session);
        QFETCH(QList<uint>, account);
        QFETCH(int, verdict);
        QFETCH(QStringList, words);
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        World world;
        const QString device = world.device(QStringLiteral("ttyUSB0"), pty);
        QCOMPARE(::chmod(qPrintable(pty.slavePath()), mode), 0);
        struct stat node
        {
        };
        QCOMPARE(::stat(qPrintable(pty.slavePath()), &node), 0);
        world.system.user = alice(node, session, account);

        const PortDiagnosis diagnosis = PortDiagnostics(world.system).check(device);
        QCOMPARE(int(diagnosis.verdict), verdict);
        for (const QString &word : words)
            QVERIFY2(diagnosis.text().contains(word), qPrintable(diagnosis.text()));
    }

    void shouldNameTheSeatRuleForAnAdapter_data()
    {
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("covered") << 0x1a86 << 0x7523
                                 << QStringList {"/usr/lib/udev/rules.d/70-lume-serial.rules",
                                                 "(WCH CH340, 1a86:7523)",
                                                 "seat (seat0)",
                                                 "remote login",
                                                 "udevadm trigger --subsystem-match=tty --action=add",
                                                 "sudo usermod -aG dialout alice"};
        QTest::newRow("not covered") << 0x2341 << 0x0043
                                     << QStringList {"(2341:0043) is not among them",
                                                     "sudo usermod -aG dialout alice"};
    }

    void shouldNameTheSeatRuleForAnAdapter()
    {
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(QStringList, words);
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        World world;
        world.sys.addUsbSerial(QStringLiteral("ttyUSB0"), QStringLiteral("1-2"), QStringLiteral("ch341"),
                               vendor, product, {}, {}, {});
        const QString device = world.device(QStringLiteral("ttyUSB0"), pty);
        QCOMPARE(::chmod(qPrintable(pty.slavePath()), 0660), 0);
        struct stat node
        {
        };
        QCOMPARE(::stat(qPrintable(pty.slavePath()), &node), 0);
        world.system.user = alice(node, {Alice}, {Alice});

        const PortDiagnosis diagnosis = PortDiagnostics(world.system).check(device);
        QCOMPARE(diagnosis.verdict, PortDiagnosis::Verdict::Permission);
        for (const QString &word : words)
            QVERIFY2(diagnosis.text().contains(word), qPrintable(diagnosis.text()));
    }

    // brltty takes an adapter from its driver: the device vanishes, and the diagnosis says who.
    void shouldSayWhenBrlttyMayHaveClaimedTheAdapter()
    {
        World world;
        world.addProcess(77, "bash", {});
        const QString unplugged = world.sys.roots().dev + QStringLiteral("/ttyUSB0");
        const PortDiagnosis without = PortDiagnostics(world.system).check(unplugged);
        QCOMPARE(without.verdict, PortDiagnosis::Verdict::Gone);
        QVERIFY2(!without.text().contains(QStringLiteral("brltty")), qPrintable(without.text()));

        world.addProcess(1234, "brltty", {});
        for (const PortDiagnosis &diagnosis :
             {PortDiagnostics(world.system).check(unplugged), PortDiagnostics(world.system).check({})}) {
            QVERIFY(diagnosis.verdict == PortDiagnosis::Verdict::Gone ||
                    diagnosis.verdict == PortDiagnosis::Verdict::Missing);
            QVERIFY2(diagnosis.hints.value(0).startsWith(QStringLiteral("brltty (PID 1234) is running")),
                     qPrintable(diagnosis.text()));
            QVERIFY2(diagnosis.hints.value(1).contains(QStringLiteral("sudo apt remove brltty")),
                     qPrintable(diagnosis.text()));
        }
    }

    void shouldNameTheProcessHoldingAPseudoTerminal()
    {
        PseudoTerminal pty;
        QProcess holder;
        holder.setStandardInputFile(pty.slavePath());
        holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        DiagnosisSystem system; // the machine's own /proc
        system.lockDirs = {};
        system.ownPid = QCoreApplication::applicationPid();
        QTemporaryDir dir;
        system.scanRoots = FakeSysfs(dir.path()).roots();

        const PortDiagnostics diagnostics(system);
        // A tty opens in several programs at once: the holder is a warning, not a lock.
        const PortDiagnosis check = diagnostics.check(pty.slavePath());
        // After an open that failed as busy, it is the one to name.
        const PortDiagnosis failed =
            diagnostics.explain({SerialFailure::Kind::InUse, pty.slavePath(), QStringLiteral("busy")});
        const qint64 pid = holder.processId();
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(check.verdict, PortDiagnosis::Verdict::Usable);
        QVERIFY2(check.text().contains(QStringLiteral("open in sleep (PID %1) as well").arg(pid)),
                 qPrintable(check.text()));
        QCOMPARE(failed.verdict, PortDiagnosis::Verdict::Busy);
        const PortHolder expected {pid, QStringLiteral("sleep"), {}, true};
        QCOMPARE(failed.holders, QList<PortHolder> {expected});
        QVERIFY2(failed.summary.contains(QStringLiteral("in use by sleep (PID %1)").arg(pid)),
                 qPrintable(failed.text()));
        QVERIFY(failed.text().contains(QStringLiteral("kill %1").arg(pid)));
    }

    void shouldReadLockFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("holder"); // "child": the live child's pid, "dead", "none"
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("words");
        const int busy = int(PortDiagnosis::Verdict::Busy);
        const int usable = int(PortDiagnosis::Verdict::Usable);
        QTest::newRow("UUCP text, live") << QByteArray("child") << "child" << busy << "in use by sleep (PID";
        QTest::newRow("Qt's lock file, live")
            << QByteArray("child\nlumesend\nhost\n") << "child" << busy << "kill";
        QTest::newRow("dead process")
            << QByteArray("   999999999\n") << "dead" << usable << "has ended; remove it";
        QTest::newRow("garbage") << QByteArray("\x01\xff garbage\n and more") << "none" << usable
                                 << "names no process";
        QTest::newRow("empty") << QByteArray() << "none" << usable << "names no process";
        QTest::newRow("negative") << QByteArray("-5\n") << "none" << usable << "names no process";
    }

    void shouldReadLockFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, holder);
        QFETCH(int, verdict);
        QFETCH(QString, words);
        // Started first, so that it does not inherit the pseudo-terminal.
        QProcess child;
        child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(child.waitForStarted());
        const qint64 pid = child.processId();
        PseudoTerminal pty;
        World world;
        world.system.procRoot = QStringLiteral("/proc");
        world.system.user = UserAccounts {}; // root: no permission question
        content.replace("child", QByteArray::number(pid).rightJustified(10, ' '));
        world.writeLock(pty.slavePath(), content);

        const PortDiagnosis diagnosis = PortDiagnostics(world.system).check(pty.slavePath());
        child.kill();
        child.waitForFinished();
        QCOMPARE(int(diagnosis.verdict), verdict);
        QVERIFY2(diagnosis.text().contains(words), qPrintable(diagnosis.text()));
        QCOMPARE(diagnosis.holders.size(), 1);
        QCOMPARE(diagnosis.holders[0].lockFile,
                 world.lockDir() + QStringLiteral("/LCK..") + pty.slavePath().mid(5).replace(u'/', u'_'));
        if (holder == u"child")
            QCOMPARE(diagnosis.holders[0].pid, pid);
        QCOMPARE(diagnosis.holders[0].alive, holder == u"child");
    }

    void shouldGiveTheHintForWellKnownHolders_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<QStringList>("words");
        // An adapter that the package's udev rule does not cover: the hint writes a rule of its own.
        QTest::newRow("ModemManager")
            << QByteArray("ModemManager") << 0x0557 << 0x2008
            << QStringList {"ATTRS{idVendor}==\"0557\", ATTRS{idProduct}==\"2008\", "
                            "ENV{ID_MM_DEVICE_IGNORE}=\"1\"",
                            "wait a moment"};
        // One that it covers: the rule was not applied, and a second rule would not help.
        QTest::newRow("ModemManager, adapter of the rule")
            << QByteArray("ModemManager") << 0x1a86 << 0x7523
            << QStringList {"ModemManager holds the adapter (1a86:7523)",
                            "/usr/lib/udev/rules.d/70-lume-serial.rules", "the rule was not applied",
                            "udevadm trigger --subsystem-match=tty --action=add"};
        QTest::newRow("brltty") << QByteArray("brltty") << 0x1a86 << 0x7523
                                << QStringList {"sudo apt remove brltty"};
        QTest::newRow("minicom") << QByteArray("minicom") << 0x1a86 << 0x7523
                                 << QStringList {"terminal program minicom (PID 4242)", "kill 4242"};
        QTest::newRow("anything") << QByteArray("python3") << 0x1a86 << 0x7523
                                  << QStringList {"Close python3 (PID 4242)"};
        QTest::newRow("no name") << QByteArray("") << 0x1a86 << 0x7523 << QStringList {"process 4242"};
    }

    void shouldGiveTheHintForWellKnownHolders()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(QStringList, words);
        PseudoTerminal pty;
        World world;
        world.sys.addUsbSerial(QStringLiteral("ttyUSB0"), QStringLiteral("1-2"), QStringLiteral("ch341"),
                               vendor, product, {}, {}, {});
        const QString device = world.device(QStringLiteral("ttyUSB0"), pty);
        world.addProcess(4242, name, device);
        // Entries that are no process, or that cannot be read, are passed over.
        QDir().mkpath(world.procRoot() + QStringLiteral("/self/fd"));
        QDir().mkpath(world.procRoot() + QStringLiteral("/88"));
        QDir().mkpath(world.procRoot() + QStringLiteral("/99/fd"));
        QFile::link(QStringLiteral("/nonexistent/lume"), world.procRoot() + QStringLiteral("/99/fd/3"));

        const SerialFailure failure {SerialFailure::Kind::InUse, device,
                                     QStringLiteral("Device or resource busy")};
        const PortDiagnostics diagnostics(world.system);
        const QString detail = BadgeSender::portFailureDetail(
            failure, [&diagnostics](const SerialFailure &f) { return diagnostics.explain(f).paragraphs(); });
        QVERIFY(detail.startsWith(device + QStringLiteral(": Device or resource busy\n\n")));
        for (const QString &word : words)
            QVERIFY2(detail.contains(word), qPrintable(detail));
    }

    void shouldTellGoneFromMissing()
    {
        World world;
        PortDiagnostics diagnostics(world.system);
        const QString unplugged = world.sys.roots().dev + QStringLiteral("/ttyUSB3");
        const PortDiagnosis gone = diagnostics.check(unplugged);
        QCOMPARE(gone.verdict, PortDiagnosis::Verdict::Gone);
        QVERIFY(gone.summary.contains(QStringLiteral("unplugged")));
        QVERIFY(gone.text().contains(QStringLiteral("cable")));

        const PortDiagnosis missing = diagnostics.check(QString(), QStringLiteral("COM1"));
        QCOMPARE(missing.verdict, PortDiagnosis::Verdict::Missing);
        for (const char *word : {"No serial device", "cable", "dmesg", "modprobe ch341"})
            QVERIFY2(missing.text().contains(QLatin1String(word)), qPrintable(missing.text()));

        world.sys.addBuiltIn(QStringLiteral("ttyS0"), 4);
        const PortDiagnosis unlisted = PortDiagnostics(world.system).check(QString(), QStringLiteral("COM7"));
        QCOMPARE(unlisted.verdict, PortDiagnosis::Verdict::Gone);
        QVERIFY(unlisted.text().contains(QStringLiteral("COM7 is not a serial port")));
        QVERIFY(unlisted.text().contains(QStringLiteral("--list-ports")));
    }

    void shouldNeverOpenTheConsole()
    {
        World world;
        world.sys.setConsoles("tty0 ttyS0\n");
        const PortDiagnosis diagnosis = PortDiagnostics(world.system).check(QStringLiteral("/dev/ttyS0"));
        QCOMPARE(diagnosis.verdict, PortDiagnosis::Verdict::Console);
    }
};

QTEST_GUILESS_MAIN(TstPortDiagnosis)
#include "tst_portdiagnosis.moc"
