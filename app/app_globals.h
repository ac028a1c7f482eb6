// The application's state for the whole run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/window/skin_window.h"

extern HWND MainWindowHandle;
extern std::unique_ptr<SkinWindow> MainSkin;        // the main window's skin
extern std::unique_ptr<SkinWindow> MessageBoxSkin;  // reused by every message box
extern std::string IdeDirectory;  // GBK, with trailing backslash; empty until a repair found it
extern std::string LinkerPath;    // the linker named by the last repair
extern std::string LinkIniPath;   // the configuration file of the last repair
extern std::vector<std::uint8_t> BackgroundPicture;  // bytes of the last chosen background picture
