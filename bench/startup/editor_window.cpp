// The editor's window, built as the program builds it.
#include "editor_dialog.h"
#include "first_paint.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    EditorDialog dialog;
    return showUntilFirstPaint(application, dialog);
}
