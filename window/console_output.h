#pragma once

class QString;

// Where the editor's answers to its command line go: to whoever started it.
// A windowed Windows program has no console of its own, and cmd does not wait
// for it, so veyrith.com starts it with pipes and passes its text and status
// on; elsewhere the text goes to the terminal as any program's does.
enum class CommandLineText { answer, refusal };

// Says the help, the version (an answer, on standard output) or why the
// command line was refused (on standard error). On Windows: through the pipe
// or file given, as UTF-8; else to the console the program was started from;
// else, started from Explorer or a shortcut, in a message box.
void tellCommandLineText(const QString& text, CommandLineText kind);

// The editor goes on to its window: on Windows it lets go of standard streams
// that are pipes, so that veyrith.com, which reads them, returns to its prompt.
void releaseStandardPipes();
