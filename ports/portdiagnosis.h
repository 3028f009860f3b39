#pragma once

#include "portinfo.h"
#include "serialcontrol.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace lume {

// Who the user is, as the permission check needs it; tests give it as data (they run as root).
struct UserAccounts
{
    uint uid = 0;
    QString userName;
    QList<uint> sessionGroups; // the groups this process runs with
    QList<uint> accountGroups; // the groups the account has now (a new login would get these)
    QHash<uint, QString> groupNames;

    [[nodiscard]] static UserAccounts current();
    [[nodiscard]] QString groupName(uint gid) const;
};

// Where the diagnosis looks; every part can be pointed into a temporary folder.
struct DiagnosisSystem
{
    QString procRoot = QStringLiteral("/proc");
    QStringList lockDirs {QStringLiteral("/run/lock"), QStringLiteral("/var/lock")};
    PortScanRoots scanRoots;
    UserAccounts user;
    qint64 ownPid = 0; // never reported as a holder

    [[nodiscard]] static DiagnosisSystem current();
};

// A process that has the device open, or whose lock file claims it.
struct PortHolder
{
    qint64 pid = 0; // 0: a lock file whose content names no process
    QString name; // the process's command name, empty when unknown
    QString lockFile; // the lock file that names it; empty when found among the open files
    bool alive = true; // false: a lock file left by a process that has ended

    friend bool operator==(const PortHolder &, const PortHolder &) = default;
};

struct PortDiagnosis
{
    enum class Verdict { Usable, Permission, Busy, Gone, Missing, Console, Other };
    Verdict verdict = Verdict::Usable;
    QString device;
    QString summary; // one paragraph: what is wrong
    QStringList hints; // one paragraph each, with the command that fixes it
    QList<PortHolder> holders;

    [[nodiscard]] bool usable() const { return verdict == Verdict::Usable; }
    // The summary, if any, and the hints.
    [[nodiscard]] QStringList paragraphs() const;
    // The paragraphs, separated by blank lines (the message box's detail text).
    [[nodiscard]] QString text() const;
};

// Finds out why a serial device cannot be opened, from what the system shows: the device node's
// owner, group and mode against the user's groups, the processes holding it (/proc/*/fd and UUCP
// lock files), and whether it or any serial device is there at all.
class PortDiagnostics
{
public:
    explicit PortDiagnostics(DiagnosisSystem system = DiagnosisSystem::current());

    // Whether this user can open the device now, and if not why. Opens it without writing (and
    // closes it at once) to confirm what the other checks found. An empty device: COMn (portName)
    // maps to no device.
    [[nodiscard]] PortDiagnosis check(const QString &device, const QString &portName = {}) const;
    // After a failed open: the control's failure, explained from the system's side. Opens nothing.
    [[nodiscard]] PortDiagnosis explain(const SerialFailure &failure) const;

    // explain()'s paragraphs, as a program's Send explains a port that does not open. The system is
    // looked at afresh for each failure: the user may have been added to a group meanwhile.
    [[nodiscard]] static FailureExplainer systemExplainer();

    [[nodiscard]] QList<PortHolder> holders(const QString &device) const;
    [[nodiscard]] static QString lockFileName(const QString &device);
    // Whether a Linux access list (the system.posix_acl_access attribute) lets this user, or one
    // of these groups, read and write: how udev's uaccess gives the seat's user a device.
    [[nodiscard]] static bool aclAllowsReadWrite(const QByteArray &xattr, uint uid,
                                                 const QList<uint> &groups);

private:
    [[nodiscard]] std::optional<PortDiagnosis> permission(const QString &device) const;
    [[nodiscard]] PortDiagnosis busy(const QString &device, QList<PortHolder> holders) const;
    [[nodiscard]] PortDiagnosis notThere(const QString &device, const QString &portName) const;
    [[nodiscard]] PortDiagnosis notThereWithoutClaims(const QString &device, const QString &portName) const;
    // What the package's udev rule does for this adapter, when it is a USB adapter.
    [[nodiscard]] std::optional<QString> seatHint(const QString &device) const;
    [[nodiscard]] QList<qint64> processesNamed(const QString &name) const;
    [[nodiscard]] QString processName(qint64 pid) const;

    DiagnosisSystem m_system;
};

} // namespace lume
