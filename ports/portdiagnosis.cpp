#include "portdiagnosis.h"

#include "devicenames.h"
#include "seatrule.h"
#include "virtualports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace lume {

namespace {

constexpr qsizetype MaxLockFileBytes = 128;

QString cleanLine(const QByteArray &bytes)
{
    QString text;
    for (const QChar c : QString::fromUtf8(bytes)) {
        if (c == u'\n' || c == u'\0')
            break;
        if (c.isPrint())
            text += c;
    }
    return text.trimmed().left(64);
}

bool allDigits(QStringView text)
{
    return !text.isEmpty() && text.size() <= 10 &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString ttyName(const QString &device)
{
    return QFileInfo(device).fileName();
}

#ifdef Q_OS_UNIX
// "crw-rw----"
QString modeText(uint mode)
{
    QString text = QStringLiteral("c");
    const char *letters = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400u >> bit)) ? QLatin1Char(letters[bit]) : QLatin1Char('-');
    return text;
}
#endif

bool isTerminalProgram(const QString &name)
{
    static const QStringList programs {
        QStringLiteral("screen"),   QStringLiteral("minicom"),  QStringLiteral("picocom"),
        QStringLiteral("microcom"), QStringLiteral("tio"),      QStringLiteral("cu"),
        QStringLiteral("putty"),    QStringLiteral("cutecom"),  QStringLiteral("moserial"),
        QStringLiteral("gtkterm"),  QStringLiteral("miniterm"), QStringLiteral("miniterm.py"),
        QStringLiteral("tmux"),     QStringLiteral("socat"),    QStringLiteral("cat"),
    };
    return programs.contains(name);
}

QString holderText(const PortHolder &holder)
{
    return holder.name.isEmpty()
        ? QCoreApplication::translate("lume::PortDiagnostics", "process %1").arg(holder.pid)
        : QCoreApplication::translate("lume::PortDiagnostics", "%1 (PID %2)")
              .arg(holder.name)
              .arg(holder.pid);
}

QString usbIds(const PortInfo &info)
{
    return QStringLiteral("%1:%2")
        .arg(info.vendorId, 4, 16, QLatin1Char('0'))
        .arg(info.productId, 4, 16, QLatin1Char('0'));
}

QString brlttyHint()
{
    return QCoreApplication::translate(
        "lume::PortDiagnostics",
        "brltty (the braille display service) claims CH340 and other serial adapters. If you use no "
        "braille display, remove it: sudo apt remove brltty (or stop it for good: sudo systemctl mask "
        "brltty-udev.service brltty.service), then plug the adapter in again.");
}

QString missingDriverHint()
{
    return QCoreApplication::translate(
        "lume::PortDiagnostics",
        "See what the kernel said when the adapter was plugged in: sudo dmesg | tail -n 20 (look for "
        "ttyUSB or ttyACM). Check that its driver is loaded: lsmod | grep -E "
        "'ch341|pl2303|ftdi_sio|cp210x|cdc_acm', and load the one for your adapter's chip, for "
        "example: sudo modprobe ch341");
}

} // namespace

QStringList PortDiagnosis::paragraphs() const
{
    QStringList all;
    if (!summary.isEmpty())
        all << summary;
    all << hints;
    return all;
}

QString PortDiagnosis::text() const
{
    return paragraphs().join(QStringLiteral("\n\n"));
}

UserAccounts UserAccounts::current()
{
    UserAccounts user;
#ifdef Q_OS_UNIX
    user.uid = ::getuid();
    const int count = ::getgroups(0, nullptr);
    QList<gid_t> groups(std::max(count, 0));
    if (count > 0 && ::getgroups(count, groups.data()) == count) {
        for (const gid_t gid : groups)
            user.sessionGroups << uint(gid);
    }
    user.sessionGroups << uint(::getegid());
    if (const passwd *account = ::getpwuid(user.uid)) {
        user.userName = QString::fromLocal8Bit(account->pw_name);
        int size = 64;
        QList<gid_t> accountGroups(size);
        if (::getgrouplist(account->pw_name, account->pw_gid, accountGroups.data(), &size) < 0 && size > 64) {
            accountGroups.resize(size);
            ::getgrouplist(account->pw_name, account->pw_gid, accountGroups.data(), &size);
        }
        for (int i = 0; i < std::min<qsizetype>(size, accountGroups.size()); ++i)
            user.accountGroups << uint(accountGroups[i]);
    }
    ::setgrent();
    while (const group *entry = ::getgrent())
        user.groupNames.insert(uint(entry->gr_gid), QString::fromLocal8Bit(entry->gr_name));
    ::endgrent();
#endif
    if (user.userName.isEmpty())
        user.userName = QStringLiteral("$USER");
    return user;
}

QString UserAccounts::groupName(uint gid) const
{
    return groupNames.value(gid, QString::number(gid));
}

DiagnosisSystem DiagnosisSystem::current()
{
    DiagnosisSystem system;
    system.user = UserAccounts::current();
#ifdef Q_OS_UNIX
    system.ownPid = ::getpid();
#endif
    return system;
}

PortDiagnostics::PortDiagnostics(DiagnosisSystem system)
    : m_system(std::move(system))
{ }

QString PortDiagnostics::lockFileName(const QString &device)
{
    // As Qt and the UUCP tools name it: the device below /dev, slashes made underscores.
    QString name = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : ttyName(device);
    name.replace(u'/', u'_');
    return QStringLiteral("LCK..") + name;
}

QString PortDiagnostics::processName(qint64 pid) const
{
    QFile file(m_system.procRoot + u'/' + QString::number(pid) + QStringLiteral("/comm"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return cleanLine(file.read(64));
}

QList<PortHolder> PortDiagnostics::holders(const QString &device) const
{
    QList<PortHolder> found;
    if (device.isEmpty())
        return found;
    QSet<QString> targets {QDir::cleanPath(device)};
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (!canonical.isEmpty())
        targets.insert(canonical);

    // A virtual badge keeps its own pseudo-terminal open: it is the far end of the line, not a holder.
    QSet<qint64> farEnds {m_system.ownPid};
    const QString runtime = m_system.scanRoots.runtime.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
        : m_system.scanRoots.runtime;
    if (!runtime.isEmpty()) {
        for (const auto &[pid, port] : virtualPortEntries(runtime)) {
            if (targets.contains(port))
                farEnds.insert(pid);
        }
    }

    // Processes of other users are unreadable to an ordinary user: they are skipped.
    const QStringList processes = QDir(m_system.procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : processes) {
        if (!allDigits(entry))
            continue;
        const qint64 pid = entry.toLongLong();
        if (farEnds.contains(pid))
            continue;
        const QString fdDir = m_system.procRoot + u'/' + entry + QStringLiteral("/fd");
        const QStringList descriptors =
            QDir(fdDir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &descriptor : descriptors) {
            const QString target = QFileInfo(fdDir + u'/' + descriptor).symLinkTarget();
            if (!target.isEmpty() && targets.contains(target)) {
                found << PortHolder {pid, processName(pid), {}, true};
                break;
            }
        }
    }

    QSet<QString> seenDirs;
    for (const QString &dir : m_system.lockDirs) {
        const QString real = QFileInfo(dir).canonicalFilePath();
        if (real.isEmpty() || seenDirs.contains(real))
            continue; // /var/lock is usually a link to /run/lock
        seenDirs.insert(real);
        const QString path = dir + u'/' + lockFileName(device);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.read(MaxLockFileBytes);
        qint64 pid = 0;
        const QString first = cleanLine(bytes);
        if (allDigits(first))
            pid = first.toLongLong();
        else if (bytes.size() == 4) // the old binary form: a native int
            pid = *reinterpret_cast<const qint32 *>(bytes.constData());
        if (pid < 0)
            pid = 0;
        if (pid != 0 && farEnds.contains(pid))
            continue;
        const bool alive = processAlive(pid);
        const auto known =
            std::find_if(found.begin(), found.end(), [pid](const PortHolder &h) { return h.pid == pid; });
        if (pid != 0 && known != found.end()) {
            known->lockFile = path;
            continue;
        }
        found << PortHolder {pid, alive ? processName(pid) : QString(), path, alive};
    }
    return found;
}

bool PortDiagnostics::aclAllowsReadWrite(const QByteArray &xattr, uint uid, const QList<uint> &groups)
{
    // Linux's posix_acl_access: a 4-byte version 2, then entries of a 16-bit tag, 16-bit
    // permissions and a 32-bit id, little-endian.
    constexpr quint16 UserTag = 0x02, GroupTag = 0x08, MaskTag = 0x10;
    constexpr quint16 ReadWrite = 0x6;
    const auto u16 = [&xattr](qsizetype at) {
        return quint16(quint8(xattr[at]) | quint8(xattr[at + 1]) << 8);
    };
    if (xattr.size() < 4 || (xattr.size() - 4) % 8 != 0 || u16(0) != 2 || u16(2) != 0)
        return false;
    bool granted = false;
    quint16 mask = ReadWrite;
    for (qsizetype at = 4; at < xattr.size(); at += 8) {
        const quint16 tag = u16(at);
        const quint16 permissions = u16(at + 2);
        const uint id = uint(u16(at + 4)) | uint(u16(at + 6)) << 16;
        if (tag == MaskTag)
            mask = permissions;
        else if ((tag == UserTag && id == uid) || (tag == GroupTag && groups.contains(id)))
            granted = granted || (permissions & ReadWrite) == ReadWrite;
    }
    return granted && (mask & ReadWrite) == ReadWrite;
}

std::optional<QString> PortDiagnostics::seatHint(const QString &device) const
{
    const PortInfo info = sysfsPortInfo(m_system.scanRoots, ttyName(device), device);
    if (info.vendorId < 0 || info.productId < 0)
        return std::nullopt;
    if (const SeatAdapter *adapter = SeatRule::find(info.vendorId, info.productId)) {
        return QCoreApplication::translate(
                   "lume::PortDiagnostics",
                   "The udev rule %1 gives this adapter (%2, %3) to the user at the machine's seat (%4): "
                   "a session at the machine's own screen and keyboard, while it is the active one. It "
                   "does not apply to a remote login (ssh) or to a session in the background. If you "
                   "sit at the machine, let udev apply it (the adapter may have been plugged in before "
                   "the rule came): sudo udevadm control --reload-rules && sudo udevadm trigger "
                   "--subsystem-match=tty --action=add")
            .arg(SeatRule::path(), QLatin1String(adapter->chip), usbIds(info),
                 QLatin1String(SeatRule::DefaultSeat));
    }
    return QCoreApplication::translate(
               "lume::PortDiagnostics",
               "The udev rule %1 gives the common USB serial adapters (FTDI, CH340, PL2303, CP210x) to the "
               "user at the machine's seat; this adapter (%2) is not among them, so the group that owns "
               "the device is the way in.")
        .arg(SeatRule::path(), usbIds(info));
}

QList<qint64> PortDiagnostics::processesNamed(const QString &name) const
{
    QList<qint64> found;
    const QStringList processes = QDir(m_system.procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : processes) {
        if (allDigits(entry) && processName(entry.toLongLong()) == name)
            found << entry.toLongLong();
    }
    return found;
}

std::optional<PortDiagnosis> PortDiagnostics::permission(const QString &device) const
{
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    if (device.isEmpty() || ::stat(QFile::encodeName(device).constData(), &info) != 0)
        return std::nullopt;
    const UserAccounts &user = m_system.user;
    if (user.uid == 0)
        return std::nullopt;
    const uint mode = uint(info.st_mode) & 0777u;
    const bool owner = info.st_uid == user.uid;
    const bool inGroup = user.sessionGroups.contains(uint(info.st_gid));
    const uint need = owner ? 0600u : inGroup ? 0060u : 0006u;
    if ((mode & need) == need)
        return std::nullopt;
#ifdef Q_OS_LINUX
    // The seat's user gets the device through an access list (udev's uaccess), not its mode.
    QByteArray acl(1024, '\0');
    const ssize_t aclSize = ::getxattr(QFile::encodeName(device).constData(), "system.posix_acl_access",
                                       acl.data(), size_t(acl.size()));
    if (aclSize > 0 && aclAllowsReadWrite(acl.left(aclSize), user.uid, user.sessionGroups))
        return std::nullopt;
#endif

    PortDiagnosis diagnosis;
    diagnosis.verdict = PortDiagnosis::Verdict::Permission;
    diagnosis.device = device;
    const QString group = user.groupName(uint(info.st_gid));
    const bool groupMayUse = (mode & 0060u) == 0060u;
    if (!owner && groupMayUse && user.accountGroups.contains(uint(info.st_gid))) {
        diagnosis.summary = QCoreApplication::translate(
                                "lume::PortDiagnostics",
                                "%1 belongs to the group %2, and your user %3 was added to %2 after this "
                                "session began: the session still runs without it.")
                                .arg(device, group, user.userName);
        diagnosis.hints << QCoreApplication::translate(
                               "lume::PortDiagnostics",
                               "Log out and log in again (a new terminal window is not enough); for "
                               "this terminal only: newgrp %1")
                               .arg(group);
    } else if (!owner && groupMayUse) {
        diagnosis.summary =
            QCoreApplication::translate("lume::PortDiagnostics",
                                        "%1 belongs to the group %2 (%3), and your user %4 is not in it.")
                .arg(device, group, modeText(mode), user.userName);
        diagnosis.hints << QCoreApplication::translate(
                               "lume::PortDiagnostics",
                               "Add your user to the group, then log out and log in again: sudo usermod "
                               "-aG %1 %2")
                               .arg(group, user.userName);
    } else {
        diagnosis.summary =
            QCoreApplication::translate("lume::PortDiagnostics", "%1 (%2, group %3) lets no group use it.")
                .arg(device, modeText(mode), group);
        diagnosis.hints
            << QCoreApplication::translate(
                   "lume::PortDiagnostics",
                   "Let the group dialout use it with a udev rule: echo 'SUBSYSTEM==\"tty\", "
                   "KERNEL==\"%1\", GROUP=\"dialout\", MODE=\"0660\"' | sudo tee "
                   "/etc/udev/rules.d/70-lume-badge.rules && sudo udevadm control --reload-rules && "
                   "sudo udevadm trigger; then: sudo usermod -aG dialout %2, and log in again")
                   .arg(ttyName(device), user.userName);
    }
    if (const std::optional<QString> seat = seatHint(device))
        diagnosis.hints.prepend(*seat);
    return diagnosis;
#else
    Q_UNUSED(device);
    return std::nullopt;
#endif
}

PortDiagnosis PortDiagnostics::busy(const QString &device, QList<PortHolder> holders) const
{
    PortDiagnosis diagnosis;
    diagnosis.verdict = PortDiagnosis::Verdict::Busy;
    diagnosis.device = device;
    diagnosis.holders = holders;
    QStringList live;
    for (const PortHolder &holder : holders) {
        if (holder.alive && holder.pid > 0)
            live << holderText(holder);
    }
    if (!live.isEmpty())
        diagnosis.summary = QCoreApplication::translate("lume::PortDiagnostics", "%1 is in use by %2.")
                                .arg(device, live.join(QStringLiteral(", ")));
    QSet<QString> hinted;
    for (const PortHolder &holder : holders) {
        if (holder.pid <= 0) {
            diagnosis.hints << QCoreApplication::translate(
                                   "lume::PortDiagnostics",
                                   "The lock file %1 names no process; if no program uses the port, "
                                   "remove it: sudo rm %1")
                                   .arg(holder.lockFile);
            continue;
        }
        if (!holder.alive) {
            diagnosis.hints << QCoreApplication::translate(
                                   "lume::PortDiagnostics",
                                   "The lock file %1 was left by process %2, which has ended; remove "
                                   "it: sudo rm %1")
                                   .arg(holder.lockFile)
                                   .arg(holder.pid);
            continue;
        }
        if (hinted.contains(holder.name))
            continue;
        hinted.insert(holder.name);
        if (holder.name == u"ModemManager") {
            const PortInfo info = sysfsPortInfo(m_system.scanRoots, ttyName(device), device);
            const bool known = info.vendorId >= 0 && info.productId >= 0;
            if (known && SeatRule::find(info.vendorId, info.productId)) {
                diagnosis.hints
                    << QCoreApplication::translate(
                           "lume::PortDiagnostics",
                           "ModemManager holds the adapter (%1), though the udev rule %2 tells it "
                           "to leave this adapter alone: the rule was not applied to it. Apply it "
                           "and plug the adapter in again: sudo udevadm control --reload-rules && "
                           "sudo udevadm trigger --subsystem-match=tty --action=add")
                           .arg(usbIds(info), SeatRule::path());
                continue;
            }
            const QString match = known ? QStringLiteral("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\"")
                                              .arg(info.vendorId, 4, 16, QLatin1Char('0'))
                                              .arg(info.productId, 4, 16, QLatin1Char('0'))
                                        : QStringLiteral("KERNEL==\"%1\"").arg(ttyName(device));
            diagnosis.hints
                << QCoreApplication::translate(
                       "lume::PortDiagnostics",
                       "ModemManager probes every newly plugged serial adapter for a few seconds: "
                       "wait a moment and send again. To keep it away from the badge's adapter for "
                       "good: echo '%1, ENV{ID_MM_DEVICE_IGNORE}=\"1\"' | sudo tee "
                       "/etc/udev/rules.d/99-lume-badge.rules && sudo udevadm control "
                       "--reload-rules, then plug the adapter in again.")
                       .arg(match);
        } else if (holder.name == u"brltty") {
            diagnosis.hints << brlttyHint();
        } else if (isTerminalProgram(holder.name)) {
            diagnosis.hints << QCoreApplication::translate(
                                   "lume::PortDiagnostics",
                                   "The terminal program %1 has the port open: quit it, or end it: "
                                   "kill %2")
                                   .arg(holderText(holder))
                                   .arg(holder.pid);
        } else {
            diagnosis.hints << QCoreApplication::translate("lume::PortDiagnostics",
                                                           "Close %1, or end it: kill %2")
                                   .arg(holderText(holder))
                                   .arg(holder.pid);
        }
    }
    if (diagnosis.summary.isEmpty()) {
        const bool locked = std::any_of(holders.begin(), holders.end(),
                                        [](const PortHolder &h) { return !h.lockFile.isEmpty(); });
        diagnosis.summary = locked
            ? QCoreApplication::translate("lume::PortDiagnostics",
                                          "%1 is locked by a lock file that no running program holds.")
                  .arg(device)
            : QCoreApplication::translate(
                  "lume::PortDiagnostics",
                  "Another program holds this port (%1), but which one cannot be seen "
                  "from this user.")
                  .arg(device);
        if (!locked)
            diagnosis.hints << QCoreApplication::translate(
                                   "lume::PortDiagnostics",
                                   "Find it with: sudo fuser -v %1 (or sudo lsof %1), then close it. "
                                   "Often it is ModemManager for a few seconds after plugging in, "
                                   "brltty, or a forgotten screen or minicom.")
                                   .arg(device);
    }
    return diagnosis;
}

PortDiagnosis PortDiagnostics::notThere(const QString &device, const QString &portName) const
{
    PortDiagnosis diagnosis = notThereWithoutClaims(device, portName);
    // brltty takes an adapter it mistakes for a braille display from its driver: the device
    // appears and vanishes at once.
    if (diagnosis.verdict != PortDiagnosis::Verdict::Gone &&
        diagnosis.verdict != PortDiagnosis::Verdict::Missing)
        return diagnosis;
    if (const QList<qint64> brltty = processesNamed(QStringLiteral("brltty")); !brltty.isEmpty()) {
        diagnosis.hints.prepend(
            QCoreApplication::translate(
                "lume::PortDiagnostics",
                "brltty (PID %1) is running and may have claimed the adapter: the kernel's log then "
                "shows \"interface 0 claimed by ... while 'brltty' sets config\" (sudo dmesg | "
                "grep brltty).")
                .arg(brltty.first()));
        diagnosis.hints.insert(1, brlttyHint());
    }
    return diagnosis;
}

PortDiagnosis PortDiagnostics::notThereWithoutClaims(const QString &device, const QString &portName) const
{
    PortDiagnosis diagnosis;
    diagnosis.device = device;
    if (!device.isEmpty()) {
        diagnosis.verdict = PortDiagnosis::Verdict::Gone;
        diagnosis.summary =
            QCoreApplication::translate(
                "lume::PortDiagnostics",
                "%1 is not there any more: its adapter was unplugged, or its driver let it go.")
                .arg(device);
        diagnosis.hints << QCoreApplication::translate(
                               "lume::PortDiagnostics",
                               "Check the badge's cable, plug the adapter in again, then open the port "
                               "list again and choose its port.")
                        << missingDriverHint();
        return diagnosis;
    }
    if (scanSerialPorts(m_system.scanRoots).isEmpty()) {
        diagnosis.verdict = PortDiagnosis::Verdict::Missing;
        diagnosis.summary = QCoreApplication::translate("lume::PortDiagnostics",
                                                        "No serial device was found on this machine.");
        diagnosis.hints << QCoreApplication::translate(
                               "lume::PortDiagnostics",
                               "Check the badge's cable and that its adapter is plugged in (try "
                               "another USB socket).")
                        << missingDriverHint();
        return diagnosis;
    }
    diagnosis.verdict = PortDiagnosis::Verdict::Gone;
    diagnosis.summary =
        QCoreApplication::translate("lume::PortDiagnostics", "%1 is not a serial port on this machine now.")
            .arg(portName.isEmpty() ? QCoreApplication::translate("lume::PortDiagnostics", "This port")
                                    : portName);
    diagnosis.hints << QCoreApplication::translate(
        "lume::PortDiagnostics",
        "See the ports there are with: lumesend --list-ports (or open the port "
        "list again), and check the badge's cable.");
    return diagnosis;
}

PortDiagnosis PortDiagnostics::check(const QString &device, const QString &portName) const
{
    if (device.isEmpty())
        return notThere(device, portName);
    const QStringList consoles =
        consoleDevices(m_system.scanRoots.sysfs + QStringLiteral("/class/tty/console/active"));
    if (isConsoleDevice(device, consoles)) {
        PortDiagnosis diagnosis;
        diagnosis.verdict = PortDiagnosis::Verdict::Console;
        diagnosis.device = device;
        diagnosis.summary =
            QCoreApplication::translate("lume::PortDiagnostics",
                                        "%1 is the system console; a badge stream is never written there.")
                .arg(device);
        return diagnosis;
    }
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(device).constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return notThere(device, portName);
        return {PortDiagnosis::Verdict::Other,
                device,
                QStringLiteral("%1: %2").arg(device, QString::fromLocal8Bit(std::strerror(errno))),
                {},
                {}};
    }
    if (!S_ISCHR(info.st_mode))
        return {PortDiagnosis::Verdict::Other,
                device,
                QCoreApplication::translate("lume::PortDiagnostics", "%1 is no serial device.").arg(device),
                {},
                {}};
    if (std::optional<PortDiagnosis> refused = permission(device))
        return *refused;
    // A tty can be open in several programs at once: only a lock (a live lock file, or an open
    // that the kernel refuses as busy) keeps this user out; other holders are worth a warning.
    const QList<PortHolder> found = holders(device);
    const bool locked = std::any_of(found.begin(), found.end(), [](const PortHolder &h) {
        return h.alive && h.pid > 0 && !h.lockFile.isEmpty();
    });
    if (locked)
        return busy(device, found);
    // Opened without writing and closed at once: what the checks above cannot see (an ACL, a
    // security module, a port opened exclusively, a device that answers no more).
    const int descriptor =
        ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    if (descriptor >= 0) {
        ::close(descriptor);
        PortDiagnosis usable {
            PortDiagnosis::Verdict::Usable,
            device,
            QCoreApplication::translate("lume::PortDiagnostics", "%1 can be opened by this user now.")
                .arg(device),
            {},
            found};
        QStringList others;
        for (const PortHolder &holder : found) {
            if (holder.alive && holder.pid > 0)
                others << holderText(holder);
        }
        if (!others.isEmpty())
            usable.hints << QCoreApplication::translate(
                                "lume::PortDiagnostics",
                                "It is open in %1 as well, which may disturb the transfer.")
                                .arg(others.join(QStringLiteral(", ")));
        if (!found.isEmpty())
            usable.hints << busy(device, found).hints; // and stale lock files: Qt removes them where it may
        return usable;
    }
    switch (error) {
    case EACCES:
    case EPERM:
        return {PortDiagnosis::Verdict::Permission,
                device,
                QCoreApplication::translate(
                    "lume::PortDiagnostics",
                    "The system refuses %1 to this user (%2), though its owner, group and mode "
                    "allow it.")
                    .arg(device, QString::fromLocal8Bit(std::strerror(error))),
                {QCoreApplication::translate(
                     "lume::PortDiagnostics",
                     "Look for an access list or a security policy: getfacl %1; ls -lZ %1")
                     .arg(device)},
                {}};
    case EBUSY:
        return busy(device, found);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return notThere(device, portName);
    default:
        return {PortDiagnosis::Verdict::Other,
                device,
                QStringLiteral("%1: %2").arg(device, QString::fromLocal8Bit(std::strerror(error))),
                {},
                {}};
    }
#else
    return {PortDiagnosis::Verdict::Usable, device, QString(), {}, {}};
#endif
}

FailureExplainer PortDiagnostics::systemExplainer()
{
    return [](const SerialFailure &failure) { return PortDiagnostics().explain(failure).paragraphs(); };
}

PortDiagnosis PortDiagnostics::explain(const SerialFailure &failure) const
{
    const QString &device = failure.device;
    const bool present = !device.isEmpty() && QFileInfo::exists(device);
    switch (failure.kind) {
    case SerialFailure::Kind::None:
        return {};
    case SerialFailure::Kind::NoSuchPort:
        if (!present) {
            PortDiagnosis diagnosis = notThere(device, QString());
            if (device.isEmpty() && diagnosis.verdict != PortDiagnosis::Verdict::Missing)
                diagnosis.summary.clear(); // the control's own words name the port
            return diagnosis;
        }
        break;
    case SerialFailure::Kind::PermissionDenied:
        if (std::optional<PortDiagnosis> refused = permission(device))
            return *refused;
        return {
            PortDiagnosis::Verdict::Permission,
            device,
            {},
            {QCoreApplication::translate(
                "lume::PortDiagnostics",
                "Your user may not use this serial port. On Linux, add yourself to the group that owns it "
                "(usually \"dialout\": sudo usermod -aG dialout $USER), then log out and in "
                "again.")},
            {}};
    case SerialFailure::Kind::InUse:
        return busy(device, holders(device));
    case SerialFailure::Kind::Other:
        if (!device.isEmpty() && !present)
            return notThere(device, QString());
        break;
    }
    return {PortDiagnosis::Verdict::Other, device, {}, {}, {}};
}

} // namespace lume
