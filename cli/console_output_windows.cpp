#include "console_output.h"

#include <windows.h>

#include <cstdio>
#include <iostream>

namespace cli {

namespace {

// The page to put back; 0 while the console is left as it was.
UINT pageToRestore = 0;

bool isConsole(DWORD stream)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

// Ctrl+C ends the program without running destructors; the cmd window must not keep UTF-8.
BOOL WINAPI restoreOnInterrupt(DWORD)
{
    if (pageToRestore != 0)
        SetConsoleOutputCP(pageToRestore);
    return FALSE; // and let the default handler end the program
}

} // namespace

Utf8Console::Utf8Console()
{
    const UINT current = GetConsoleOutputCP();
    const auto page = codePageForRun(isConsole(STD_OUTPUT_HANDLE), isConsole(STD_ERROR_HANDLE), current);
    if (!page || !SetConsoleOutputCP(*page))
        return;
    pageToRestore = current;
    SetConsoleCtrlHandler(restoreOnInterrupt, TRUE);
}

Utf8Console::~Utf8Console()
{
    if (pageToRestore == 0)
        return;
    // Everything printed must reach the console while it still reads UTF-8.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    SetConsoleOutputCP(pageToRestore);
    SetConsoleCtrlHandler(restoreOnInterrupt, FALSE);
    pageToRestore = 0;
}

} // namespace cli
