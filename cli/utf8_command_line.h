#pragma once

#include <string>
#include <vector>

namespace cli {

// The program's arguments as UTF-8, for the parser. On Windows they come from
// the wide command line: argv holds them in the ANSI code page, which turns
// every character outside it (Cyrillic on a Western system, any emoji) into
// '?'. Elsewhere argv is taken as it is.
class Utf8CommandLine {
public:
    Utf8CommandLine(int argc, char** argv);

    int count() const { return static_cast<int>(pointers.size()); }
    const char* const* values() const { return pointers.data(); }

private:
    std::vector<std::string> arguments;
    std::vector<const char*> pointers;
};

} // namespace cli
