#include "serialcontrol.h"
#include "userprompt.h"

namespace lume {

SerialControl::~SerialControl() = default;
UserPrompt::~UserPrompt() = default;
ProgressDisplay::~ProgressDisplay() = default;

} // namespace lume
