#include "portresolver.h"

namespace lume {

PortResolver fixedPorts(QStringList devices)
{
    return [devices = std::move(devices)](int comNumber) {
        return comNumber >= 1 && comNumber <= devices.size() ? devices[comNumber - 1] : QString();
    };
}

PortResolver windowsPorts()
{
    return [](int comNumber) { return comNumber >= 1 ? QStringLiteral("COM%1").arg(comNumber) : QString(); };
}

} // namespace lume
