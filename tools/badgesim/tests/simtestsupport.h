#pragma once

#include "badgestream.h"
#include "messagebank.h"
#include "scriptsendprofile.h"

#include <QByteArray>

#include <initializer_list>

namespace lume::test {

// A bank whose messages have the given widths, each byte telling message, row and column apart.
inline MessageBank patternBank(std::initializer_list<int> widths)
{
    MessageBank bank;
    int m = 0;
    for (int width : widths) {
        bank.setWidth(m, qint16(width));
        for (int r = 0; r < MessageBank::RowCount; ++r)
            for (int k = 0; k < width; ++k)
                bank.setByte(m, r, k, quint8(m * 37 + r * 11 + k * 3 + 1));
        ++m;
    }
    return bank;
}

// Directions as Scriptlume names them.
inline QByteArray streamBytes(std::initializer_list<int> widths, MessageSettingsList settings = {})
{
    return buildBadgeStream(patternBank(widths), settings, scriptDirections()).bytes();
}

} // namespace lume::test
