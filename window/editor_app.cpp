#include "editor_app.h"

#include "editor_dialog.h"

#include <QIcon>

EditorApp::EditorApp(int& argc, char** argv)
    : application(argc, argv)
{
}

int EditorApp::run()
{
    EditorDialog dialog;
    QApplication::setWindowIcon(dialog.windowIcon());
    dialog.exec();
    return 0;
}
