#pragma once

#include "badgesender.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class QComboBox;

namespace lume {

class SerialControl;

// The port box ComSele: filled by the start-up probe with one entry per port that opens, each with
// the device behind it as tooltip, and one entry preselected by the program's rule. The box's own
// tooltip follows its text (an entry's device, or none for a text that is no entry), and the ports
// are listed again each time the user opens the drop-down list, so that an adapter plugged in
// after start-up appears and one pulled out goes; the text the user typed or chose stays.
class PortBox final : public QObject
{
    Q_OBJECT
public:
    using DeviceOf = std::function<QString(int comNumber)>;
    // (n, tooltip) for every port "COMn"; numbers above the box's maximum are left out.
    using Lister = std::function<QList<std::pair<int, QString>>()>;

    // Lives as long as the box; the profile gives the highest port and the preselection. Without a
    // lister the list stays as the probe left it.
    PortBox(QComboBox *box, const SendProfile &profile, DeviceOf deviceOf = {}, Lister lister = {});

    // COM1 to COMmax, each opened and closed once, and the profile's entry preselected; the box
    // ends blank when none opens.
    ProbeResult probe(SerialControl &port);
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showDevice(const QString &text);

    QComboBox *m_box;
    int m_maxPort;
    std::function<QString(const ProbeResult &)> m_preselect;
    DeviceOf m_deviceOf;
    Lister m_lister;
};

} // namespace lume
