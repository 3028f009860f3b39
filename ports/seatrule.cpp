#include "seatrule.h"

#include <algorithm>

namespace lume {

QString SeatRule::path()
{
    return QLatin1String(Folder) + u'/' + QLatin1String(FileName);
}

const QList<SeatAdapter> &SeatRule::adapters()
{
    static const QList<SeatAdapter> table {
        {0x0403, 0x6001, "FTDI FT232R"},         {0x0403, 0x6010, "FTDI FT2232"},
        {0x0403, 0x6014, "FTDI FT232H"},         {0x0403, 0x6015, "FTDI FT-X"},
        {0x1a86, 0x7523, "WCH CH340"},           {0x1a86, 0x5523, "WCH CH341"},
        {0x067b, 0x2303, "Prolific PL2303"},     {0x067b, 0x23a3, "Prolific PL2303G"},
        {0x10c4, 0xea60, "Silicon Labs CP210x"},
    };
    return table;
}

const SeatAdapter *SeatRule::find(int vendorId, int productId)
{
    const QList<SeatAdapter> &table = adapters();
    const auto found = std::find_if(table.begin(), table.end(), [&](const SeatAdapter &adapter) {
        return adapter.vendorId == vendorId && adapter.productId == productId;
    });
    return found == table.end() ? nullptr : &*found;
}

} // namespace lume
