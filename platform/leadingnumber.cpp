#include "leadingnumber.h"

#include <cmath>
#include <limits>

namespace lume {

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const auto isDigit = [&](qsizetype at) { return at < n && text[at] >= u'0' && text[at] <= u'9'; };
    bool any = false;
    while (isDigit(i)) {
        any = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (isDigit(i)) {
            any = true;
            ++i;
        }
    }
    if (!any)
        return 0;
    // The decimal conversion of the prefix itself, so that "2.5" is exactly 2.5 for the rounding.
    bool ok = false;
    const double value = text.sliced(start, i - start).toDouble(&ok);
    return ok ? value : 0;
}

std::optional<int> roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0))
        rounded = floor + 1;
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

int leadingInteger(QStringView text)
{
    return roundHalfEven(leadingNumber(text)).value_or(0);
}

} // namespace lume
