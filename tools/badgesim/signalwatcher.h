#pragma once

#include <QObject>

class QSocketNotifier;

namespace lume {

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal through a signalfd, so that the program ends
// through its event loop and its clean-up runs.
class SignalWatcher : public QObject
{
    Q_OBJECT
public:
    // Blocks the three signals for the calling thread and every thread started after: call it
    // first thing in main(), before the application object starts any thread. Also ignores
    // SIGPIPE, so that a closed standard output is an error to handle, not an end without clean-up.
    static void blockTerminationSignals();

    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

    [[nodiscard]] bool isValid() const { return m_fd >= 0; }

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace lume
