#include "portbox.h"

#include "dropdownwidth.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace lume {

PortBox::PortBox(QComboBox *box, const SendProfile &profile, DeviceOf deviceOf, Lister lister)
    : QObject(box)
    , m_box(box)
    , m_maxPort(profile.maxPort)
    , m_preselect(profile.preselect)
    , m_deviceOf(std::move(deviceOf))
    , m_lister(std::move(lister))
{
    connect(box, &QComboBox::currentTextChanged, this, &PortBox::showDevice);
    if (m_lister)
        box->installEventFilter(this);
}

ProbeResult PortBox::probe(SerialControl &port)
{
    m_box->clear();
    m_box->clearEditText();
    const ProbeResult probe = probePorts(port, m_maxPort);
    for (const QString &name : probe.ports) {
        m_box->addItem(name);
        const QString device = m_deviceOf ? m_deviceOf(name.mid(3).toInt()) : QString();
        if (!device.isEmpty())
            m_box->setItemData(m_box->count() - 1, device, Qt::ToolTipRole);
    }
    const QString chosen = m_preselect ? m_preselect(probe) : QString();
    m_box->setCurrentIndex(chosen.isEmpty() ? -1 : m_box->findText(chosen));
    if (chosen.isEmpty())
        m_box->clearEditText();
    showDevice(m_box->currentText()); // the first entry became current before it had its device
    fitDropDownWidth(m_box);
    return probe;
}

void PortBox::refresh()
{
    const QString text = m_box->currentText();
    const QList<std::pair<int, QString>> ports = m_lister();
    {
        const QSignalBlocker blocker(m_box);
        m_box->clear();
        for (const auto &[number, toolTip] : ports) {
            if (number < 1 || number > m_maxPort)
                continue;
            m_box->addItem(QStringLiteral("COM%1").arg(number));
            m_box->setItemData(m_box->count() - 1, toolTip, Qt::ToolTipRole);
        }
        m_box->setCurrentIndex(m_box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
    // Also a text that is no entry (typed, or a port that went away) stays.
    if (m_box->currentText() != text)
        m_box->setEditText(text);
    showDevice(m_box->currentText()); // the entry may now stand for another device, or for none
    fitDropDownWidth(m_box);
}

void PortBox::showDevice(const QString &text)
{
    const int index = m_box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    m_box->setToolTip(index >= 0 ? m_box->itemData(index, Qt::ToolTipRole).toString() : QString());
}

bool PortBox::eventFilter(QObject *watched, QEvent *event)
{
    // The events on which QComboBox opens its list: a press on the arrow, F4, Alt+Up, Alt+Down.
    bool opens = false;
    if (event->type() == QEvent::MouseButtonPress)
        opens = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        opens = key->key() == Qt::Key_F4 ||
            ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) &&
             (key->modifiers() & Qt::AltModifier));
    }
    if (opens && watched == m_box && !m_box->view()->isVisible())
        refresh();
    return QObject::eventFilter(watched, event);
}

} // namespace lume
