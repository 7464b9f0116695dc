#include "console_output.h"
#include "editor_app.h"
#include "editor_command_line.h"
#include "editor_language.h"

int main(int argc, char** argv)
{
    // Read without a display, so that --help and --version answer anywhere.
    const EditorCommandLine command = [&] {
        QCoreApplication reader(argc, argv);
        editor_language::useSystemLanguage(reader);
        return readEditorCommandLine(QCoreApplication::arguments());
    }();
    switch (command.action) {
    case EditorCommandLine::Action::Print:
        tellCommandLineText(command.text, CommandLineText::answer);
        return 0;
    case EditorCommandLine::Action::Refuse:
        tellCommandLineText(command.text, CommandLineText::refusal);
        return 2;
    case EditorCommandLine::Action::Edit:
        releaseStandardPipes();
        break;
    }
    EditorApp app(argc, argv);
    return app.run(command.file);
}
