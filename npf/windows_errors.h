#pragma once

#include "file_system.h"

namespace npf {

// The fault a Windows error code (GetLastError) names; readFailed for any other.
FileFault faultOfWindowsError(unsigned long error);

} // namespace npf
