#include "app/main_window.h"

#include "app/app_globals.h"

void OnMainWindowCreated(HWND window) { MainWindowHandle = window; }
