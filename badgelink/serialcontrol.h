#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace lume {

// Why an operation on the port failed, as far as the system says.
struct SerialFailure
{
    enum class Kind {
        None,
        NoSuchPort, // the port number maps to no device, or the device does not exist
        PermissionDenied,
        InUse,
        Other,
    };
    Kind kind = Kind::None;
    QString device; // the operating-system device, when one was involved
    QString reason; // the system's own words
    int systemError = 0; // errno (Unix) when the system gave one

    friend bool operator==(const SerialFailure &, const SerialFailure &) = default;
};

// Why a port failed and the commands that fix it, from the system's side, a paragraph each; empty:
// nothing to add to the failure's own words.
using FailureExplainer = std::function<QStringList(const SerialFailure &)>;

// Driving DTR failed with this errno because the device has no modem-control lines: a
// pseudo-terminal, the generic usbserial driver, some gadget and Bluetooth ports.
[[nodiscard]] bool lacksModemLines(int systemError);

// The serial communications control: exactly the operations the badge programs perform on the
// port. Every operation that can fail says so through its result; lastFailure() tells why.
class SerialControl
{
public:
    virtual ~SerialControl();

    static constexpr const char *BadgeLineSettings = "1200,n,8,1";
    // What that line carries: 1200 baud, ten bit times a byte (8N1).
    static constexpr double BadgeLineBytesPerSecond = 120;

    // The next open uses port n ("COMn").
    virtual bool setCommPort(int number) = 0;
    // "baud,parity,data,stop", for example "1200,n,8,1"; the next open uses them.
    virtual bool setSettings(const QString &settings) = 0;
    virtual bool open() = 0;
    // Closing a port that is not open does nothing.
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Boolean option 9 of the control: drives DTR on a real port. A device without modem-control
    // lines (lacksModemLines) still sends: DTR is a courtesy to the badge, so that counts as done.
    virtual bool setOption9(bool on) = 0;
    // Queues the bytes in order; may return before they have left the port.
    virtual bool write(const QByteArray &bytes) = 0;
    // Bytes queued but not yet sent; nullopt when the count cannot be read.
    [[nodiscard]] virtual std::optional<qint64> pendingOutput() = 0;

    [[nodiscard]] virtual SerialFailure lastFailure() const = 0;
};

} // namespace lume
