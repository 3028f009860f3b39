#pragma once

#include "fakeserialcontrol.h"

#include <QObject>
#include <QProgressBar>
#include <QStringList>

namespace lume::test {

// What a window's progress bar shows through a transfer: the fresh bar's range and value, every
// value it changes to, and its range and value as each write reaches the line. A value set to what
// the bar already shows changes nothing on screen and signals nothing; the states at the writes
// show it all the same, and the range, which signals nothing, with it.
class ProgressTimeline final : public QObject
{
public:
    ProgressTimeline(QProgressBar *bar, FakeSerialControl &port)
        : m_bar(bar)
        , m_port(port)
    {
        m_events << state(QStringLiteral("start"));
        connect(bar, &QProgressBar::valueChanged, this,
                [this](int value) { m_events << QStringLiteral("value %1").arg(value); });
        port.setWriteObserver([this](const QByteArray &bytes) {
            m_events << state(QStringLiteral("write %1").arg(bytes.size()));
        });
    }
    ~ProgressTimeline() override { m_port.setWriteObserver({}); }

    [[nodiscard]] const QStringList &events() const { return m_events; }

    // The entries events() holds for these moments.
    [[nodiscard]] static QString at(const QString &moment, int minimum, int maximum, int value)
    {
        return QStringLiteral("%1: %2..%3 = %4").arg(moment).arg(minimum).arg(maximum).arg(value);
    }
    [[nodiscard]] static QString write(int size, int minimum, int maximum, int value)
    {
        return at(QStringLiteral("write %1").arg(size), minimum, maximum, value);
    }
    [[nodiscard]] static QString value(int value) { return QStringLiteral("value %1").arg(value); }

private:
    QString state(const QString &moment) const
    {
        return at(moment, m_bar->minimum(), m_bar->maximum(), m_bar->value());
    }

    QProgressBar *m_bar;
    FakeSerialControl &m_port;
    QStringList m_events;
};

} // namespace lume::test
