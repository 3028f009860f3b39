#include "qtserialcontrol.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace lume {

namespace {

// How long close() waits for room in the driver's queue for bytes Qt still holds.
constexpr int HandOverMs = 2000;

struct LineSettings
{
    qint32 baud = 0;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

std::optional<LineSettings> parseSettings(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;
    LineSettings settings;

    const QString baud = fields[0].trimmed();
    if (baud.isEmpty() ||
        !std::all_of(baud.begin(), baud.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    settings.baud = baud.toInt(&ok);
    if (!ok || settings.baud < 1)
        return std::nullopt;

    const QString parity = fields[1].trimmed().toLower();
    if (parity == u"n")
        settings.parity = QSerialPort::NoParity;
    else if (parity == u"e")
        settings.parity = QSerialPort::EvenParity;
    else if (parity == u"o")
        settings.parity = QSerialPort::OddParity;
    else if (parity == u"m")
        settings.parity = QSerialPort::MarkParity;
    else if (parity == u"s")
        settings.parity = QSerialPort::SpaceParity;
    else
        return std::nullopt;

    const QString data = fields[2].trimmed();
    if (data == u"5")
        settings.dataBits = QSerialPort::Data5;
    else if (data == u"6")
        settings.dataBits = QSerialPort::Data6;
    else if (data == u"7")
        settings.dataBits = QSerialPort::Data7;
    else if (data == u"8")
        settings.dataBits = QSerialPort::Data8;
    else
        return std::nullopt;

    const QString stop = fields[3].trimmed();
    if (stop == u"1")
        settings.stopBits = QSerialPort::OneStop;
    else if (stop == u"1.5")
        settings.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == u"2")
        settings.stopBits = QSerialPort::TwoStop;
    else
        return std::nullopt;
    return settings;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

#ifdef Q_OS_UNIX
// Drives DTR; returns 0 or the errno of the failure.
int driveDtr(int descriptor, bool on)
{
    int lines = TIOCM_DTR;
    return ::ioctl(descriptor, on ? TIOCMBIS : TIOCMBIC, &lines) == 0 ? 0 : errno;
}
#endif

// Qt reports a device another program holds as a permission error (its lock file, or EBUSY of a
// tty opened exclusively), the same as a device this user may not open. Only the second is the
// user's permission problem.
bool deviceRefusesUser(const QString &device)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), W_OK) != 0 && errno == EACCES;
#else
    // Windows answers "access denied" for a COM port that another program has open.
    Q_UNUSED(device);
    return false;
#endif
}

} // namespace

// The wait for the hardware runs on its own descriptor (or handle) in a detached thread: it may
// take as long as the adapter's buffer needs at 1200 baud, and a line that never drains must not
// hold the window or the close.
struct QtSerialControl::HardwareDrain
{
    std::mutex mutex;
    std::condition_variable condition;
    bool done = false;

    void finish()
    {
        const std::lock_guard lock(mutex);
        done = true;
        condition.notify_all();
    }
    [[nodiscard]] bool isDone()
    {
        const std::lock_guard lock(mutex);
        return done;
    }
    bool waitFor(qint64 ms)
    {
        std::unique_lock lock(mutex);
        return condition.wait_for(lock, std::chrono::milliseconds(std::max<qint64>(0, ms)),
                                  [this] { return done; });
    }
};

bool QtSerialControl::hardwareDrained()
{
    if (m_hardwareIdle)
        return true;
    if (!m_drain) {
        auto drain = std::make_shared<HardwareDrain>();
#if defined(Q_OS_UNIX)
        const int copy = ::fcntl(int(m_port.handle()), F_DUPFD_CLOEXEC, 0);
        if (copy < 0) {
            m_hardwareIdle = true; // nothing to wait with: the pending count is all there is
            return true;
        }
        std::thread([drain, copy] {
            // tcdrain returns once the last stop bit has left, or when the device hangs up.
            while (::tcdrain(copy) != 0 && errno == EINTR) { }
            ::close(copy);
            drain->finish();
        }).detach();
#elif defined(Q_OS_WIN)
        HANDLE copy = nullptr;
        if (!::DuplicateHandle(::GetCurrentProcess(), m_port.handle(), ::GetCurrentProcess(), &copy, 0, FALSE,
                               DUPLICATE_SAME_ACCESS)) {
            m_hardwareIdle = true;
            return true;
        }
        std::thread([drain, copy] {
            ::FlushFileBuffers(copy);
            ::CloseHandle(copy);
            drain->finish();
        }).detach();
#else
        m_hardwareIdle = true;
        return true;
#endif
        m_drain = drain;
        return false;
    }
    if (!m_drain->isDone())
        return false;
    m_drain.reset();
    m_hardwareIdle = true;
    return true;
}

QtSerialControl::QtSerialControl(PortResolver ports)
    : m_ports(std::move(ports))
{ }

QtSerialControl::~QtSerialControl()
{
    close();
}

bool QtSerialControl::setCommPort(int number)
{
    if (number < 1)
        return false;
    m_number = number;
    return true;
}

bool QtSerialControl::setSettings(const QString &settings)
{
    const std::optional<LineSettings> parsed = parseSettings(settings);
    if (!parsed) {
        m_failure = {SerialFailure::Kind::Other, m_device,
                     QCoreApplication::translate("lume::QtSerialControl",
                                                 "\"%1\" are no line settings of the form \"1200,n,8,1\"")
                         .arg(settings)};
        return false;
    }
    // A closed QSerialPort keeps these and applies them when it opens; an open one applies them now.
    const bool applied = m_port.setBaudRate(parsed->baud) && m_port.setParity(parsed->parity) &&
        m_port.setDataBits(parsed->dataBits) && m_port.setStopBits(parsed->stopBits);
    if (!applied) {
        m_failure = {SerialFailure::Kind::Other, m_device, m_port.errorString()};
        m_port.clearError();
        return false;
    }
    return true;
}

bool QtSerialControl::open()
{
    if (m_port.isOpen()) {
        m_failure = {SerialFailure::Kind::InUse, m_device,
                     QCoreApplication::translate("lume::QtSerialControl", "the port is already open")};
        return false;
    }
    const QString device = m_ports ? m_ports(m_number) : QString();
    if (device.isEmpty()) {
        m_failure = {
            SerialFailure::Kind::NoSuchPort, QString(),
            QCoreApplication::translate("lume::QtSerialControl", "COM%1 is not a serial port on this machine")
                .arg(m_number)};
        return false;
    }
    m_port.setPortName(device);
    m_port.clearError();
    // Write-only: the badge never answers, and a port opened for reading would collect whatever
    // arrives on the line in Qt's buffer, unbounded, for the whole transfer.
    errno = 0;
    if (!m_port.open(QIODevice::WriteOnly)) {
        const int systemError = errno;
        SerialFailure failure {SerialFailure::Kind::Other, device, m_port.errorString(), systemError};
        switch (m_port.error()) {
        case QSerialPort::DeviceNotFoundError:
            failure.kind = SerialFailure::Kind::NoSuchPort;
            break;
        case QSerialPort::PermissionError:
            if (deviceRefusesUser(device)) {
                failure.kind = SerialFailure::Kind::PermissionDenied;
                failure.reason = systemReason(EACCES);
            } else {
                failure.kind = SerialFailure::Kind::InUse;
                failure.reason = QCoreApplication::translate("lume::QtSerialControl",
                                                             "the port is in use by another program (%1)")
                                     .arg(m_port.errorString());
            }
            break;
        case QSerialPort::OpenError:
            failure.kind = SerialFailure::Kind::InUse;
            break;
        default:
            break;
        }
#ifdef Q_OS_LINUX
        // Qt's text is sometimes its own summary; the system's words tell the rest.
        if (failure.kind == SerialFailure::Kind::Other && systemError != 0) {
            const QString words = systemReason(systemError);
            if (!failure.reason.contains(words))
                failure.reason =
                    failure.reason.isEmpty() ? words : failure.reason + QStringLiteral(": ") + words;
        }
#else
        Q_UNUSED(systemError);
#endif
        m_failure = failure;
        m_port.clearError();
        return false;
    }
    m_device = device;
    // The badge's line is three wires: no handshake of any kind.
    const bool configured = m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_failure = {SerialFailure::Kind::Other, device, m_port.errorString()};
        m_port.clearError();
        m_port.close();
        m_device.clear();
        return false;
    }
    m_failure = {};
    return true;
}

void QtSerialControl::close()
{
    if (!m_port.isOpen())
        return;
    // The transfer waits for the line to drain before it closes, so normally nothing is left; if
    // something is, give it to the driver rather than drop it, but never hang on a line that does
    // not move (a virtual badge that stopped reading).
    const QDeadlineTimer deadline(HandOverMs);
    while (m_port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!m_port.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime()))))
            break;
    }
    // Closing restores the line settings the port had before: the last bytes must have left the
    // hardware at 1200 baud first. After a finished transfer they have (pendingOutput waited);
    // after a cancelled one the wait is bounded by the same deadline.
    if (!hardwareDrained())
        m_drain->waitFor(deadline.remainingTime());
    m_drain.reset();
    m_hardwareIdle = true;
    m_port.close();
    m_port.clearError();
    m_device.clear();
}

bool QtSerialControl::isOpen() const
{
    return m_port.isOpen();
}

bool QtSerialControl::setOption9(bool on)
{
    // Closed: there is no line to drive, as after a failed open.
    if (!m_port.isOpen())
        return true;
#ifdef Q_OS_UNIX
    const int error = driveDtr(int(m_port.handle()), on);
    if (error == 0)
        return true;
    if (lacksModemLines(error))
        return true;
    m_failure = {SerialFailure::Kind::Other, m_device, systemReason(error), error};
    return false;
#else
    if (m_port.setDataTerminalReady(on))
        return true;
    m_failure = {SerialFailure::Kind::Other, m_device, m_port.errorString()};
    m_port.clearError();
    return false;
#endif
}

bool QtSerialControl::write(const QByteArray &bytes)
{
    if (!m_port.isOpen()) {
        m_failure = {SerialFailure::Kind::Other, m_device,
                     QCoreApplication::translate("lume::QtSerialControl", "the port is not open")};
        return false;
    }
    if (bytes.isEmpty())
        return true;
    // Qt queues the bytes and hands them to the driver from the event loop: this never blocks.
    const qint64 written = m_port.write(bytes);
    if (written > 0) {
        m_hardwareIdle = false;
        m_drain.reset(); // a wait started before these bytes says nothing about them
    }
    if (written != bytes.size()) {
        m_failure = {SerialFailure::Kind::Other, m_device,
                     written < 0 ? m_port.errorString()
                                 : QCoreApplication::translate("lume::QtSerialControl",
                                                               "only %1 of %2 bytes were queued")
                                       .arg(written)
                                       .arg(bytes.size())};
        m_port.clearError();
        return false;
    }
    return true;
}

std::optional<qint64> QtSerialControl::pendingOutput()
{
    if (!m_port.isOpen()) {
        m_failure = {SerialFailure::Kind::Other, m_device,
                     QCoreApplication::translate("lume::QtSerialControl", "the port is not open")};
        return std::nullopt;
    }
    // The driver's queue was empty after the last write; what is left is the hardware's. The far
    // end may hang up once it has everything, so the queue is not asked again.
    if (m_drain)
        return hardwareDrained() ? 0 : 1;
    // Bytes still in Qt's buffer plus those in the driver's output queue.
    qint64 pending = m_port.bytesToWrite();
#if defined(Q_OS_UNIX)
    int queued = 0;
    if (::ioctl(int(m_port.handle()), TIOCOUTQ, &queued) == -1) {
        m_failure = {SerialFailure::Kind::Other, m_device, systemReason(errno)};
        return std::nullopt;
    }
    pending += queued;
#elif defined(Q_OS_WIN)
    // Qt's write in flight may be counted in both, which only makes the wait a little longer.
    DWORD errors = 0;
    COMSTAT status {};
    if (!::ClearCommError(m_port.handle(), &errors, &status)) {
        m_failure = {SerialFailure::Kind::Other, m_device,
                     QStringLiteral("ClearCommError failed with error %1").arg(::GetLastError())};
        return std::nullopt;
    }
    pending += status.cbOutQue;
#endif
    // The driver's queue is empty: the last bytes may still be in the UART's FIFO or the USB
    // adapter's chip, which no count shows. Until they have left, one byte counts as pending.
    if (pending == 0 && !hardwareDrained())
        return 1;
    return pending;
}

} // namespace lume
