#include "system_menu.h"

#include <QWidget>

#include <windows.h>

namespace {

// The about entry's command code. The system keeps the low four bits of a
// command code for itself, so they are masked off when it comes back.
constexpr UINT_PTR aboutCommand = 16;

} // namespace

void system_menu::addAboutEntry(QWidget& window, const QString& text)
{
    // Without a native window (an offscreen platform) there is no system menu.
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (!menu || text.isEmpty())
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, aboutCommand, reinterpret_cast<LPCWSTR>(text.utf16()));
}

bool system_menu::isAboutCommand(const QByteArray& eventType, const void* message)
{
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == aboutCommand;
}
