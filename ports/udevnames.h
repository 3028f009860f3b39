#pragma once

#include <QString>

#include <functional>

namespace lume {

// The vendor and model names udev took from the USB id database for a tty, for adapters that
// report no strings of their own (many CH340 and PL2303 chips).
struct UdevNames
{
    QString vendor; // ID_VENDOR_FROM_DATABASE
    QString model; // ID_MODEL_FROM_DATABASE

    friend bool operator==(const UdevNames &, const UdevNames &) = default;
};

// Gives the names of a tty by its kernel name ("ttyUSB0"); empty names when there are none.
using UdevLookup = std::function<UdevNames(const QString &ttyName)>;

// udev's own database through libudev; where the build has no libudev (Windows, macOS) it gives
// nothing.
[[nodiscard]] UdevLookup systemUdevLookup();

} // namespace lume
