#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace lume {

// How the serial control finds the operating-system device of "COMn": empty when n names none.
// The programs give the machine's port numbering; tests and a named device give a fixed list.
using PortResolver = std::function<QString(int comNumber)>;

// Exactly these devices, in this order, as COM1, COM2, ...: taken as given, not checked.
[[nodiscard]] PortResolver fixedPorts(QStringList devices);

// Windows naming: COMn is the port "COMn" itself, whether or not the machine lists it.
[[nodiscard]] PortResolver windowsPorts();

} // namespace lume
