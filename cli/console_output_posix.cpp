#include "console_output.h"

namespace cli {

// Terminals here take the bytes as they are.
Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

} // namespace cli
