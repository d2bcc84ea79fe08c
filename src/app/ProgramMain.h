#pragma once

// The program's entry: parses the few command-line switches that run without
// a window (such as --print-settings), otherwise starts the application.
int programMain(int argc, char** argv);
