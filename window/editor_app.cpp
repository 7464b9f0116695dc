#include "editor_app.h"

#include "editor_dialog.h"
#include "editor_language.h"

#include <QIcon>

EditorApp::EditorApp(int& argc, char** argv)
    : application(argc, argv)
{
    editor_language::useSystemLanguage(application);
}

int EditorApp::run(const QString& file)
{
    EditorDialog dialog;
    QApplication::setWindowIcon(dialog.windowIcon());
    // Shown first, so that a message about the file sits over its window.
    dialog.show();
    if (!file.isEmpty())
        dialog.loadCharacter(file);
    dialog.exec();
    return 0;
}
