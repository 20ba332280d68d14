#pragma once

// The program entry: ends at once, changing nothing, when another instance runs; otherwise makes the windows,
// reads the settings, shows the main window and runs until the program quits. Returns the exit code.
int StartProgram();
