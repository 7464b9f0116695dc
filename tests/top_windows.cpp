// Lists the desktop's visible top-level windows, one a line: the window class,
// the title and the owner's title, separated by tabs. The Windows smoke test
// tells the system's own dialogs (class #32770) by it, which X cannot: Wine
// names X windows after the program, not the window class.
#include <windows.h>

#include <cstdio>

static BOOL CALLBACK printWindow(HWND window, LPARAM)
{
    char className[256] = "", title[512] = "", ownerTitle[512] = "";
    if (IsWindowVisible(window)) {
        GetClassNameA(window, className, sizeof className);
        GetWindowTextA(window, title, sizeof title);
        if (HWND owner = GetWindow(window, GW_OWNER))
            GetWindowTextA(owner, ownerTitle, sizeof ownerTitle);
        std::printf("%s\t%s\t%s\n", className, title, ownerTitle);
    }
    return TRUE;
}

int main()
{
    return EnumWindows(printWindow, 0) ? 0 : 1;
}
