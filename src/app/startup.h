// The frame of the program: start-up, the main window's set-up and the end.
#pragma once

namespace zv::app {

// The start-up sequence, run when StartWindow is created.
void runStartup();
// The creation handler of MainWindow (run once more by start-up).
void setUpMainWindow();
// Runs when MainWindow is destroyed: releases the globals, ends with code 0.
void endProgram();

// Prepares the toolkit before the application object exists.
void prepareToolkit();
// Settings of the application object shared by every window of the program.
void setUpApplication();

} // namespace zv::app
