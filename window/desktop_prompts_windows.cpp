#include "desktop_prompts.h"

#include <QCoreApplication>

// Windows' own dialog matches "*.*" against every name, those without a dot too.
QString DesktopPrompts::allFilesFilter()
{
    return QCoreApplication::translate("DesktopPrompts", "All Files (*.*)");
}
