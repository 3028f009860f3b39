#pragma once

#include <QStringView>

#include <optional>

namespace lume {

// The number a text starts with, read the way the badge programs always have: leading blanks
// skipped, an optional sign, digits with an optional fraction; 0 when the text has no number.
[[nodiscard]] double leadingNumber(QStringView text);

// Nearest integer, halves to even; nullopt when the value does not fit in an int.
[[nodiscard]] std::optional<int> roundHalfEven(double value);

// roundHalfEven(leadingNumber(text)), 0 when out of range.
[[nodiscard]] int leadingInteger(QStringView text);

} // namespace lume
