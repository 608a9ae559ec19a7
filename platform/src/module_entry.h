// The program's start outside Windows: the main that platform/resources.cmake
// gives a program calls RunWinMain, which calls the program's WinMain.
#pragma once

// Runs WinMain with the program's own module as the instance and the
// command-line text after the program's name; returns its exit code.
int RunWinMain(int argc, char** argv);
