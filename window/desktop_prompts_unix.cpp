#include "desktop_prompts.h"

#include <QCoreApplication>

// "*.*" would hide every file without a dot in its name here.
QString DesktopPrompts::allFilesFilter()
{
    return QCoreApplication::translate("DesktopPrompts", "All Files (*)");
}
