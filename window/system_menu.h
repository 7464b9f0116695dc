#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// The window's system menu, where the platform has one the program can extend
// (Windows); elsewhere both do nothing.
namespace system_menu {

// Appends a separator and an entry with this text that raises the about command.
void addAboutEntry(QWidget& window, const QString& text);

// Whether a native event of the window is that entry chosen.
bool isAboutCommand(const QByteArray& eventType, const void* message);

} // namespace system_menu
