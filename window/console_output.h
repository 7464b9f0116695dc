#pragma once

// Lets the program's printed text reach the console it was started from.
// A windowed Windows program has none of its own unless it attaches to its
// parent's; elsewhere, and when the output is redirected, nothing changes.
void attachParentConsole();
