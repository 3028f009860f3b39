#pragma once

#include <QList>
#include <QString>

namespace lume {

// A USB serial adapter that the package's udev rule gives to the user at the machine's seat.
struct SeatAdapter
{
    int vendorId = 0;
    int productId = 0;
    const char *chip = "";
};

// The package's udev rule, as the diagnosis explains it: which adapters it covers, where it lives.
// The rule file itself (data/udev) is checked against this table by a test.
class SeatRule
{
public:
    static constexpr const char *FileName = "70-lume-serial.rules";
    static constexpr const char *Folder = "/usr/lib/udev/rules.d";
    // The seat that a device belongs to unless a rule says another (logind's default).
    static constexpr const char *DefaultSeat = "seat0";

    [[nodiscard]] static QString path();
    [[nodiscard]] static const QList<SeatAdapter> &adapters();
    [[nodiscard]] static const SeatAdapter *find(int vendorId, int productId);
};

} // namespace lume
