#pragma once

#include <QString>
#include <QStringList>

// What the editor's command line asks for: `veyrith [FILE]`, or --help or
// --version. There are no other options.
struct EditorCommandLine {
    enum class Action { Edit, Print, Refuse };

    Action action = Action::Edit;
    // Edit: the file to open as File > Open opens it, as an absolute path;
    // empty when none is named.
    QString file;
    // Print: the help or the version, for standard output. Refuse: the reason
    // and a short usage, for standard error.
    QString text;
};

// Reads the program's arguments (the program's name first), as the running
// application gives them. The help names the program as it was called.
EditorCommandLine readEditorCommandLine(const QStringList& arguments);
