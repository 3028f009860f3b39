#include "portlistrefresher.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace lume {

PortListRefresher::PortListRefresher(QComboBox *box, int maxPort, Lister lister)
    : QObject(box)
    , m_box(box)
    , m_maxPort(maxPort)
    , m_lister(std::move(lister))
{
    box->installEventFilter(this);
}

void PortListRefresher::refresh()
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
}

bool PortListRefresher::eventFilter(QObject *watched, QEvent *event)
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

void refreshPortsOnDropDown(QComboBox *box, int maxPort, PortListRefresher::Lister lister)
{
    if (box && lister)
        new PortListRefresher(box, maxPort, std::move(lister));
}

} // namespace lume
