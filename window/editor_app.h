#pragma once

#include <QApplication>
#include <QString>

// The program: the application object and one modal run of the editor window.
// When the window ends, so does the program.
class EditorApp {
public:
    EditorApp(int& argc, char** argv);

    // Shows the window, opens the file first when one is named (as File > Open
    // does), and returns when the window ends.
    int run(const QString& file);

private:
    QApplication application;
};
