#pragma once

#include "portinfo.h"

#include "portresolver.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace lume {

struct PortEntry
{
    int number = 0; // COMn
    PortInfo info;

    friend bool operator==(const PortEntry &, const PortEntry &) = default;
};

// Maps "COMn" to an operating-system serial device. On Windows COMn is the device itself. Elsewhere
// the machine's devices are numbered when first listed so that the start-up preselection (the
// first entry of one or two, else the last) picks a plug-in adapter over built-in ports, and a
// virtual badge only when no adapter is there; listed again, every device that stayed keeps its
// number, and a replugged adapter gets its old one back when it is free.
// Console devices are never listed: a badge stream written to the console is never wanted.
class PortDirectory
{
public:
    using Source = std::function<QList<PortInfo>()>;
    // Numbers what a listing found, given the previous listing and the numbers identities had.
    using Numbering = std::function<QList<PortEntry>(
        const QList<PortInfo> &found, const QList<PortEntry> &previous, QHash<QString, int> &remembered)>;

    // The devices the source finds, numbered at once and again on each refresh(). No source: no
    // devices.
    explicit PortDirectory(Source source = {}, Numbering numbering = &PortDirectory::number);

    // The machine's serial devices (scanSerialPorts), followed by the ports of running virtual
    // badges; on Windows numbered by their names.
    [[nodiscard]] static PortDirectory system();

    // Empty when the number maps to no device.
    [[nodiscard]] QString device(int comNumber) const;
    // The devices in the order of their numbers.
    [[nodiscard]] QStringList devices() const;
    [[nodiscard]] const QList<PortEntry> &entries() const { return m_entries; }
    // The identity of COMn; an empty device when the number maps to none.
    [[nodiscard]] PortInfo info(int comNumber) const;
    // "device  description" of COMn, for the port box's tooltips; empty when it maps to none.
    [[nodiscard]] QString toolTip(int comNumber) const;
    // (n, tooltip) of every listed port.
    [[nodiscard]] QList<std::pair<int, QString>> toolTips() const;
    // Lists the devices again.
    void refresh();

    // Devices of the previous listing keep their numbers; a device whose identity key was numbered
    // before gets that number back when free; the others take the lowest free numbers. A first
    // listing orders the kinds for the preselection.
    [[nodiscard]] static QList<PortEntry>
    number(const QList<PortInfo> &found, const QList<PortEntry> &previous, QHash<QString, int> &remembered);
    // Windows: "COMn" is number n; devices of other names are not listed.
    [[nodiscard]] static QList<PortEntry> numberByName(const QList<PortInfo> &found,
                                                       const QList<PortEntry> &previous,
                                                       QHash<QString, int> &remembered);

private:
    Source m_source;
    Numbering m_numbering;
    QList<PortEntry> m_entries; // ascending numbers
    QHash<QString, int> m_remembered; // identity key -> number it had
};

// COMn as the programs open it: on Windows the port of that name (windowsPorts()), elsewhere the
// directory's device. The directory must outlive the resolver.
[[nodiscard]] PortResolver systemPorts(const PortDirectory &directory);

} // namespace lume
