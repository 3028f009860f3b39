#pragma once

#include "badgestream.h"
#include "messagebank.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

namespace lume::fuzz {

struct FuzzBank
{
    MessageBank bank;
    MessageSettingsList settings;
    QStringList directions;
};

// A bank, its movement settings and one of two direction lists from fuzz bytes: any widths
// (negative and past the badge's memory too), any row bytes, any speed text. The lists are five
// texts each, in code order, as a program hands its own in.
inline FuzzBank fuzzBank(FuzzedDataProvider &data)
{
    FuzzBank result;
    result.directions = data.ConsumeBool()
        ? QStringList {"From right to left", "From left to right", "From down to up", "From up to down",
                       "Freeze show"}
        : QStringList {"to Left", "to Right", "to Up", "to Down", "Freeze"};
    const QStringList &directions = result.directions;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        result.bank.setWidth(m, data.ConsumeIntegralInRange<qint16>(-3, 600));
        MessageSettings &s = result.settings[m];
        s.speed = QString::fromLatin1(data.ConsumeRandomLengthString(6));
        s.flash = data.ConsumeBool();
        const int direction = data.ConsumeIntegralInRange<int>(0, int(directions.size()));
        s.direction = direction < directions.size() ? directions[direction] : QStringLiteral("other");
    }
    // Row bytes: a short pattern from the input, varied by position, in the columns that are sent.
    const std::string pattern = data.ConsumeRandomLengthString(64);
    if (!pattern.empty()) {
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            const int width = std::clamp<int>(result.bank.width(m), 0, MessageBank::RowBytes);
            for (int r = 0; r < MessageBank::RowCount; ++r) {
                for (int k = 0; k < width; ++k) {
                    const size_t i = size_t(m * 7 + r * 3 + k);
                    result.bank.setByte(m, r, k, quint8(quint8(pattern[i % pattern.size()]) ^ quint8(i)));
                }
            }
        }
    }
    return result;
}

} // namespace lume::fuzz
