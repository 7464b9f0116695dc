#pragma once

#include <QApplication>

// The program: the application object and one modal run of the editor window.
// When the window ends, so does the program.
class EditorApp {
public:
    EditorApp(int& argc, char** argv);

    int run();

private:
    QApplication application;
};
