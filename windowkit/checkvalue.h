#pragma once

#include <QDebug>

namespace lume {

// A check box's state as both programs' settings files store it: 0 clear, 1 checked, 2 greyed.
// Header only and without widgets, so that the program cores read and write it and lumesend
// takes it from the files.
enum class CheckValue : int { Unchecked = 0, Checked = 1, Greyed = 2 };

// A stored number: 0, 1 and 2 as they are, anything else Unchecked. Such a file was edited by hand,
// and "unchecked" is the state the user can see and change.
[[nodiscard]] constexpr CheckValue checkValueFromStored(int stored)
{
    return stored == int(CheckValue::Checked) || stored == int(CheckValue::Greyed) ? CheckValue(stored)
                                                                                   : CheckValue::Unchecked;
}

[[nodiscard]] constexpr int storedNumber(CheckValue value)
{
    return int(value);
}

// For the transfer, the meters and bold text a greyed box counts as checked.
[[nodiscard]] constexpr bool isChecked(CheckValue value)
{
    return value != CheckValue::Unchecked;
}

inline QDebug operator<<(QDebug debug, CheckValue value)
{
    return debug << storedNumber(value);
}

} // namespace lume
