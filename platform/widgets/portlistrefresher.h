#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class QComboBox;

namespace lume {

// Lists the ports of a port box again each time the user opens its drop-down list, so that an
// adapter plugged in after start-up appears and one pulled out goes. The text the user has typed
// or chosen stays as it is.
class PortListRefresher final : public QObject
{
    Q_OBJECT
public:
    // (n, tooltip) for every port "COMn"; numbers above maxPort are left out.
    using Lister = std::function<QList<std::pair<int, QString>>()>;

    PortListRefresher(QComboBox *box, int maxPort, Lister lister);

    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_box;
    int m_maxPort;
    Lister m_lister;
};

// Installs a refresher on the box when there is something to list with; it lives as long as the box.
void refreshPortsOnDropDown(QComboBox *box, int maxPort, PortListRefresher::Lister lister);

} // namespace lume
