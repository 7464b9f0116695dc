// veyrith.com, the editor's console face. Typed as "veyrith", cmd and
// PowerShell prefer it to veyrith.exe (.COM comes first in PATHEXT) and wait
// for it, as for any console program; they do not wait for a windowed one. It
// starts veyrith.exe beside it with the same command line, passes on what the
// editor writes (the help, the version, why an option was refused) to its own
// console, pipe or file, and ends with the editor's status. An editor that goes
// on to its window has written nothing and lets go of its pipes: the prompt
// comes back at once, as it does for any windowed program.
#include "console/console_text.h"

#include <string>

#include <windows.h>

namespace {

// Room for all the editor says on standard error, so that it never waits for
// us while we read its standard output.
constexpr DWORD pipeSize = 1 << 16;

struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
};

// The writing end is for the editor to inherit, the reading end is ours.
Pipe editorPipe()
{
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    Pipe pipe;
    if (!CreatePipe(&pipe.read, &pipe.write, &inheritable, pipeSize))
        return {};
    SetHandleInformation(pipe.read, HANDLE_FLAG_INHERIT, 0);
    return pipe;
}

// Passes on what comes through the pipe, until the editor lets go of it or,
// when untilClosed is false, until the pipe holds nothing more for now.
// Answers whether anything came.
bool relay(HANDLE pipe, console::Stream stream, bool untilClosed)
{
    console::TextBuffer text([stream](std::string_view piece) { console::writeText(stream, piece); });
    bool said = false;
    char bytes[4096];
    for (;;) {
        DWORD waiting = 0;
        if (!untilClosed && (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0))
            return said;
        DWORD read = 0;
        if (!ReadFile(pipe, bytes, sizeof bytes, &read, nullptr) || read == 0)
            return said;
        text.sputn(bytes, read);
        text.pubsync();
        said = true;
    }
}

// This program's own path, with .exe for its extension.
std::wstring editorPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (size == 0)
            return {};
        if (size < path.size()) {
            path.resize(size);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.rfind(L'.')) + L".exe";
}

// Why the editor did not start, in the system's words.
void sayWhyNotStarted(const std::wstring& editor)
{
    wchar_t* reason = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
    const std::wstring text = editor + L": " + (reason ? reason : L"\r\n");
    LocalFree(reason);
    const int size = static_cast<int>(text.size());
    std::string utf8(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    console::writeText(console::Stream::error, utf8);
}

} // namespace

int main()
{
    const Pipe output = editorPipe(), errors = editorPipe();
    // The editor inherits these two ends and nothing else: a handle of ours it
    // kept, such as a pipe our own output goes to, would keep whoever reads
    // that pipe waiting for as long as the editor's window stays open.
    HANDLE inherited[] = {output.write, errors.write};
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::string attributeBytes(size, '\0');
    const auto attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributeBytes.data());
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdOutput = output.write;
    startup.StartupInfo.hStdError = errors.write;
    if (InitializeProcThreadAttributeList(attributes, 1, 0, &size)
        && UpdateProcThreadAttribute(
            attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited, sizeof inherited, nullptr, nullptr))
        startup.lpAttributeList = attributes;

    const std::wstring editor = editorPath();
    std::wstring commandLine = GetCommandLineW(); // so the editor names itself as the user called it
    PROCESS_INFORMATION started{};
    const bool running = output.write && errors.write
        && CreateProcessW(editor.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
            startup.lpAttributeList ? EXTENDED_STARTUPINFO_PRESENT : 0, nullptr, nullptr, &startup.StartupInfo,
            &started);
    if (startup.lpAttributeList)
        DeleteProcThreadAttributeList(attributes);
    CloseHandle(output.write);
    CloseHandle(errors.write);
    if (!running) {
        sayWhyNotStarted(editor);
        return 1;
    }
    CloseHandle(started.hThread);

    // The editor's standard output ends when it exits or goes on to its
    // window. Its standard error is only read for what it holds then: a
    // process the editor starts may keep a copy of it (Wine hands the editor's
    // to the desktop process it starts for the first window), so its end
    // cannot be waited for. What the editor writes there comes before its
    // exit, and so before the end of its output.
    const bool saidOutput = relay(output.read, console::Stream::output, true);
    const bool saidErrors = relay(errors.read, console::Stream::error, false);
    DWORD status = 0; // a window opened
    if (saidOutput || saidErrors) {
        WaitForSingleObject(started.hProcess, INFINITE);
        relay(errors.read, console::Stream::error, false);
        GetExitCodeProcess(started.hProcess, &status);
    }
    return static_cast<int>(status);
}
