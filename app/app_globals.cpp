#include "app/app_globals.h"

HWND MainWindowHandle = nullptr;
std::string IdeDirectory;
std::string LinkerPath;
std::string LinkIniPath;
std::vector<std::uint8_t> BackgroundPicture;
