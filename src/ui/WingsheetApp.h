// Starts the Qt application with the main window and runs it until the window closes.
#pragma once

int RunWingsheetWindow(int argc, char** argv);
