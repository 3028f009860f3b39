#include "serialcontrol.h"
#include "userprompt.h"

#include <cerrno>

namespace lume {

bool lacksModemLines(int systemError)
{
    return systemError == ENOTTY || systemError == EINVAL;
}

SerialControl::~SerialControl() = default;
UserPrompt::~UserPrompt() = default;
ProgressDisplay::~ProgressDisplay() = default;

} // namespace lume
