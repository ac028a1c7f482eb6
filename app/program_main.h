// The program's outermost frame: globals, engine start-up, main window, message loop.
#pragma once

#include <windows.h>

inline constexpr int kMainWindowLeft = 50;
inline constexpr int kMainWindowTop = 50;
inline constexpr int kMainWindowWidth = 289;
inline constexpr int kMainWindowHeight = 206;
inline constexpr const char* kMainWindowCaption = "Morvane";
inline constexpr const char* kMainWindowClass = "MorvaneMainWindow";

// Runs the whole program; returns the process exit code 0.
int ProgramMain();

// Creates the application's object globals, each empty, in their fixed order.
void ConstructGlobals();
// Frees the globals in their fixed order; runs once at process exit.
void ReleaseGlobals();

// Creates the main window; its creation handler OnMainWindowCreated runs before this returns.
HWND CreateMainWindow();
// Gets, translates and dispatches messages until the quit that closing the main window posts.
int RunMessageLoop();
