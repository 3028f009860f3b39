#pragma once

#include <QStringView>

#include <optional>

namespace lume {

// The two ways the programs read a number at the start of a text. Neither fails: a text that does
// not start with a number gives 0.

// Blanks (space, tab) skipped, an optional sign, digits with an optional fraction: how the badge
// programs read speeds, font sizes and offsets typed into a box.
[[nodiscard]] double leadingNumberWithFraction(QStringView text);

// Blanks (space, tab, vertical tab, form feed, carriage return) skipped, an optional sign, decimal
// digits only, the result clamped to the range of int: how GetPrivateProfileInt reads a value.
[[nodiscard]] int leadingIntegerClamped(QStringView text);

// Nearest integer, halves to even; nullopt when the value does not fit in an int.
[[nodiscard]] std::optional<int> roundHalfEven(double value);

} // namespace lume
