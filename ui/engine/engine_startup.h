// Start-up of the UI library: GDI+ session, default font, timer period, system version,
// caption-button sprite and the library's window class.
#pragma once

// Runs EngineInitialise with GDI+ version 1. Returns 0.
int EngineStartup();
void EngineInitialise(int gdiplusVersion = 1);

// The major version of the running system, not the one a compatibility shim reports.
int ReadOsMajorVersion();
