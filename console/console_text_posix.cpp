#include "console_text.h"

#include <cstdio>

namespace console {

// Terminals here take UTF-8 bytes as they are.
bool showsInConsole(Stream)
{
    return false;
}

void writeText(Stream stream, std::string_view utf8)
{
    std::fwrite(utf8.data(), 1, utf8.size(), stream == Stream::output ? stdout : stderr);
}

} // namespace console
