#include "portdirectory.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace lume {

PortDirectory::PortDirectory(Source source, Numbering numbering)
    : m_source(std::move(source))
    , m_numbering(std::move(numbering))
{
    refresh();
}

void PortDirectory::refresh()
{
    if (!m_source || !m_numbering)
        return;
    m_entries = m_numbering(m_source(), m_entries, m_remembered);
}

QStringList PortDirectory::devices() const
{
    QStringList devices;
    for (const PortEntry &entry : m_entries)
        devices << entry.info.device;
    return devices;
}

PortInfo PortDirectory::info(int comNumber) const
{
    for (const PortEntry &entry : m_entries) {
        if (entry.number == comNumber)
            return entry.info;
    }
    return {};
}

QString PortDirectory::toolTip(int comNumber) const
{
    const PortInfo port = info(comNumber);
    if (port.device.isEmpty())
        return {};
    return port.device + QStringLiteral("  ") + port.description();
}

QList<std::pair<int, QString>> PortDirectory::toolTips() const
{
    QList<std::pair<int, QString>> tips;
    for (const PortEntry &entry : m_entries)
        tips.append({entry.number, toolTip(entry.number)});
    return tips;
}

QList<PortEntry> PortDirectory::number(const QList<PortInfo> &found, const QList<PortEntry> &previous,
                                       QHash<QString, int> &remembered)
{
    QList<PortEntry> entries;
    QList<PortInfo> fresh;
    QSet<int> taken;
    for (const PortInfo &info : found) {
        const auto kept = std::find_if(previous.begin(), previous.end(), [&info](const PortEntry &entry) {
            return entry.info.device == info.device && entry.info.identityKey() == info.identityKey();
        });
        if (kept != previous.end() && !taken.contains(kept->number)) {
            entries << PortEntry {kept->number, info};
            taken.insert(kept->number);
        } else {
            fresh << info;
        }
    }
    if (previous.isEmpty() && remembered.isEmpty()) {
        // The preselection takes the first of one or two ports, else the last: the kind to be
        // preselected (adapters, else virtual badges) goes first or last accordingly.
        QList<PortInfo> adapters;
        QList<PortInfo> virtuals;
        QList<PortInfo> builtIns;
        for (const PortInfo &info : fresh) {
            (info.kind == PortInfo::Kind::Adapter       ? adapters
                 : info.kind == PortInfo::Kind::Virtual ? virtuals
                                                        : builtIns)
                << info;
        }
        fresh = fresh.size() <= 2 ? adapters + virtuals + builtIns : builtIns + virtuals + adapters;
    }
    for (const PortInfo &info : fresh) {
        int number = remembered.value(info.identityKey(), 0);
        if (number < 1 || taken.contains(number)) {
            number = 1;
            while (taken.contains(number))
                ++number;
        }
        entries << PortEntry {number, info};
        taken.insert(number);
    }
    std::sort(entries.begin(), entries.end(),
              [](const PortEntry &a, const PortEntry &b) { return a.number < b.number; });
    for (const PortEntry &entry : entries)
        remembered.insert(entry.info.identityKey(), entry.number);
    return entries;
}

QList<PortEntry> PortDirectory::numberByName(const QList<PortInfo> &found, const QList<PortEntry> &,
                                             QHash<QString, int> &)
{
    QList<PortEntry> entries;
    for (const PortInfo &info : found) {
        bool ok = false;
        const int n = info.device.startsWith(QLatin1String("COM")) ? info.device.mid(3).toInt(&ok) : 0;
        const bool taken = std::any_of(entries.begin(), entries.end(),
                                       [n](const PortEntry &entry) { return entry.number == n; });
        if (ok && n >= 1 && !taken)
            entries << PortEntry {n, info};
    }
    std::sort(entries.begin(), entries.end(),
              [](const PortEntry &a, const PortEntry &b) { return a.number < b.number; });
    return entries;
}

PortDirectory PortDirectory::system()
{
#ifdef Q_OS_WIN
    return PortDirectory(
        [] {
            QList<PortInfo> found = scanSerialPorts();
            // COMn is its own number there; the list carries only the identities.
            for (PortInfo &info : found)
                info.device = QFileInfo(info.device).fileName();
            return found;
        },
        &PortDirectory::numberByName);
#else
    return PortDirectory([] { return scanSerialPorts(); });
#endif
}

QString PortDirectory::device(int comNumber) const
{
    if (comNumber < 1)
        return {};
    for (const PortEntry &entry : m_entries) {
        if (entry.number == comNumber)
            return entry.info.device;
    }
    return {};
}

PortResolver systemPorts(const PortDirectory &directory)
{
#ifdef Q_OS_WIN
    Q_UNUSED(directory);
    return windowsPorts();
#else
    return [&directory](int comNumber) { return directory.device(comNumber); };
#endif
}

} // namespace lume
