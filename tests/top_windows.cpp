// Lists the desktop's visible top-level windows, one a line: the window class,
// the title and the owner's title, separated by tabs, in UTF-8. The Windows
// smoke test tells the system's own dialogs (class #32770) by it, which X
// cannot: Wine names X windows after the program, not the window class.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string titleOf(HWND window)
{
    wchar_t title[512] = L"";
    if (window)
        GetWindowTextW(window, title, 512);
    return utf8(title);
}

BOOL CALLBACK printWindow(HWND window, LPARAM)
{
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t className[256] = L"";
    GetClassNameW(window, className, 256);
    std::printf("%s\t%s\t%s\n", utf8(className).c_str(), titleOf(window).c_str(),
                titleOf(GetWindow(window, GW_OWNER)).c_str());
    return TRUE;
}

} // namespace

int main()
{
    return EnumWindows(printWindow, 0) ? 0 : 1;
}
