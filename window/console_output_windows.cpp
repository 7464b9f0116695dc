#include "console_output.h"

#include "console/console_text.h"
#include "shared_texts.h"

#include <cstdio>
#include <initializer_list>
#include <tuple>

#include <io.h>
#include <windows.h>

namespace {

bool hasHandle(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle && handle != INVALID_HANDLE_VALUE;
}

// The console of the program that started this one (cmd, when veyrith.exe
// itself was typed), made the stream's; false when there is none. The text
// then comes after the prompt that cmd has shown already.
bool useParentConsole(DWORD stream)
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) // denied: attached already
        return false;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_EXISTING, 0, nullptr);
    return console != INVALID_HANDLE_VALUE && SetStdHandle(stream, console);
}

} // namespace

void tellCommandLineText(const QString& text, CommandLineText kind)
{
    const bool answer = kind == CommandLineText::answer;
    const DWORD stream = answer ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    const auto which = answer ? console::Stream::output : console::Stream::error;
    const QByteArray utf8 = text.toUtf8();
    if (!console::showsInConsole(which) && hasHandle(stream)) {
        // A pipe or a file: the C runtime ends its lines as Windows' text files do.
        std::fputs(utf8.constData(), answer ? stdout : stderr);
        return;
    }
    if (console::showsInConsole(which) || useParentConsole(stream)) {
        console::writeText(which, {utf8.constData(), static_cast<std::size_t>(utf8.size())});
        return;
    }
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()),
        reinterpret_cast<const wchar_t*>(translatedText(editing::messages::appCaption).utf16()),
        MB_OK | (answer ? MB_ICONINFORMATION : MB_ICONERROR));
}

void releaseStandardPipes()
{
    // A pipe that both streams share keeps its one handle: the C runtime
    // could not close it for one stream without leaving the other's dangling.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE), errors = GetStdHandle(STD_ERROR_HANDLE);
    if (output == errors)
        return;
    for (const auto& [stream, handle, file] :
        {std::tuple{STD_OUTPUT_HANDLE, output, stdout}, {STD_ERROR_HANDLE, errors, stderr}}) {
        if (GetFileType(handle) == FILE_TYPE_PIPE && std::freopen("NUL", "w", file))
            SetStdHandle(stream, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))));
    }
}
