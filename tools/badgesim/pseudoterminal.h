#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace lume {

// The badge's end of a serial line: a pseudo-terminal whose slave a sender opens like a serial
// device. The slave is raw, so bytes arrive unchanged, and stays open here too, so the master never
// reads end-of-file or EIO when a sender closes it. The master is read without blocking whenever
// the event loop says it is readable.
class PseudoTerminal : public QObject
{
    Q_OBJECT
public:
    explicit PseudoTerminal(QObject *parent = nullptr);
    ~PseudoTerminal() override;

    bool open();
    void close();
    [[nodiscard]] bool isOpen() const { return m_master >= 0; }
    // "/dev/pts/N"
    [[nodiscard]] QString slavePath() const { return m_slavePath; }
    [[nodiscard]] QString errorString() const { return m_error; }
    // Reads what has arrived without waiting for the event loop, as before the program ends.
    void readPending();

Q_SIGNALS:
    void bytesReceived(const QByteArray &bytes);
    // The master cannot be read any more; nothing more will arrive.
    void failed(const QString &reason);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace lume
