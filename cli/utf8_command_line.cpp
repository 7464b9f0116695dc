#include "utf8_command_line.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h> // needs windows.h first
#endif

namespace cli {

#ifdef _WIN32
namespace {

std::string utf8From(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back(); // the terminating zero
    return text;
}

} // namespace
#endif

Utf8CommandLine::Utf8CommandLine(int argc, char** argv)
    : arguments(argv, argv + argc)
{
#ifdef _WIN32
    int wideCount = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wideCount)) {
        arguments.clear();
        for (int i = 0; i < wideCount; ++i)
            arguments.push_back(utf8From(wide[i]));
        LocalFree(wide);
    }
#endif
    for (const std::string& argument : arguments)
        pointers.push_back(argument.c_str());
}

} // namespace cli
