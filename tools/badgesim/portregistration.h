#pragma once

#include <QString>

namespace lume {

// Announces a virtual badge's device in the per-user runtime directory, where the port directory
// of the programs finds it, for as long as this object lives (or until remove()).
class PortRegistration
{
public:
    PortRegistration() = default;
    ~PortRegistration();
    PortRegistration(const PortRegistration &) = delete;
    PortRegistration &operator=(const PortRegistration &) = delete;

    // Writes the file atomically, so that a reader never sees half a path.
    bool announce(const QString &device, qint64 pid);
    void remove();

    [[nodiscard]] QString errorString() const { return m_error; }

private:
    QString m_path;
    QString m_error;
};

} // namespace lume
