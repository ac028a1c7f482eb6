// The application's state for the whole run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

extern HWND MainWindowHandle;
extern std::string IdeDirectory;  // GBK, with trailing backslash; empty until a repair found it
extern std::string LinkerPath;    // the linker named by the last repair
extern std::string LinkIniPath;   // the configuration file of the last repair
extern std::vector<std::uint8_t> BackgroundPicture;  // bytes of the last chosen background picture
