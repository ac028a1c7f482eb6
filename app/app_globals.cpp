#include "app/app_globals.h"

HWND MainWindowHandle = nullptr;
std::unique_ptr<SkinWindow> MainSkin;
std::unique_ptr<SkinWindow> MessageBoxSkin;
std::string IdeDirectory;
std::string LinkerPath;
std::string LinkIniPath;
std::vector<std::uint8_t> BackgroundPicture;
