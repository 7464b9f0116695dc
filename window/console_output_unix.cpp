#include "console_output.h"

#include <QString>

#include <cstdio>

// A program started from a terminal prints to it already.
void tellCommandLineText(const QString& text, CommandLineText kind)
{
    std::fputs(text.toLocal8Bit().constData(), kind == CommandLineText::answer ? stdout : stderr);
}

void releaseStandardPipes()
{
}
