#pragma once

#include <optional>

namespace cli {

// A Windows console shows the bytes a program writes through its output code
// page (437 or 850 in a Western cmd window), so "Zoë" printed as UTF-8 would
// show as "Zo├½". While a Utf8Console lives, a console that standard output
// or standard error writes to takes UTF-8, and gets its own page back at the
// end (or on Ctrl+C). Output to a file or a pipe is left alone: it stays UTF-8
// bytes. Elsewhere this does nothing.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;
};

inline constexpr unsigned int utf8CodePage = 65001;

// The code page to give the console for the run, or nothing to leave it as it is.
std::optional<unsigned int> codePageForRun(bool outputIsConsole, bool errorsIsConsole, unsigned int current);

} // namespace cli
