// The main window's composition and event handling.
#pragma once

#include <windows.h>

// Runs once the main window exists, before it is shown.
void OnMainWindowCreated(HWND window);
