#include "console_text.h"

#include <windows.h>

namespace console {

namespace {

HANDLE handleOf(Stream stream)
{
    return GetStdHandle(stream == Stream::output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

} // namespace

bool showsInConsole(Stream stream)
{
    return isConsole(handleOf(stream));
}

void writeText(Stream stream, std::string_view utf8)
{
    const HANDLE handle = handleOf(stream);
    const auto size = static_cast<int>(utf8.size());
    if (!isConsole(handle)) {
        DWORD written = 0;
        for (int at = 0; at < size; at += static_cast<int>(written)) {
            if (!WriteFile(handle, utf8.data() + at, static_cast<DWORD>(size - at), &written, nullptr)
                || written == 0)
                return;
        }
        return;
    }
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    DWORD written = 0;
    for (std::size_t at = 0; at < wide.size(); at += written) {
        if (!WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(wide.size() - at), &written, nullptr)
            || written == 0)
            return;
    }
}

} // namespace console
