#include "leadingnumber.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lume {

double leadingNumberWithFraction(QStringView text)
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

int leadingIntegerClamped(QStringView text)
{
    const auto isBlank = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r';
    };
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i].unicode() - u'0'));
    const qint64 value = negative ? -magnitude : magnitude;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace lume
