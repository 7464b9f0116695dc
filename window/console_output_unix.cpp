#include "console_output.h"

// A program started from a terminal prints to it already.
void attachParentConsole()
{
}
