#include "console_output.h"

namespace cli {

std::optional<unsigned int> codePageForRun(bool outputIsConsole, bool errorsIsConsole, unsigned int current)
{
    if ((!outputIsConsole && !errorsIsConsole) || current == utf8CodePage)
        return std::nullopt;
    return utf8CodePage;
}

} // namespace cli
