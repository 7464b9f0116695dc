#include "console_output.h"
#include "editor_app.h"
#include "editor_command_line.h"
#include "editor_language.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // Read without a display, so that --help and --version answer anywhere.
    const EditorCommandLine command = [&] {
        QCoreApplication reader(argc, argv);
        editor_language::useSystemLanguage(reader);
        return readEditorCommandLine(QCoreApplication::arguments());
    }();
    if (command.action != EditorCommandLine::Action::Edit)
        attachParentConsole();
    switch (command.action) {
    case EditorCommandLine::Action::Print:
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    case EditorCommandLine::Action::Refuse:
        std::fputs(command.text.toLocal8Bit().constData(), stderr);
        return 2;
    case EditorCommandLine::Action::Edit:
        break;
    }
    EditorApp app(argc, argv);
    return app.run(command.file);
}
