#include "app/program_main.h"

#include <cstdlib>

#include "app/app_globals.h"
#include "app/main_window.h"
#include "res/resource_ids.h"
#include "ui/engine/engine_globals.h"
#include "ui/engine/engine_startup.h"
#include "ui/window/window_model.h"

namespace {

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

void ConstructGlobals() {
  MainSkin = std::make_unique<SkinWindow>();
  MessageBoxSkin = std::make_unique<SkinWindow>();
  WindowTable.clear();
  CaptionButtonSprite = std::make_unique<GdipImage>();
}

void ReleaseGlobals() {
  MainSkin.reset();
  IdeDirectory.clear();
  IdeDirectory.shrink_to_fit();
  LinkerPath.clear();
  LinkerPath.shrink_to_fit();
  LinkIniPath.clear();
  LinkIniPath.shrink_to_fit();
  BackgroundPicture.clear();
  BackgroundPicture.shrink_to_fit();
  MessageBoxSkin.reset();
  // Frees the records only; a window still registered there is not detached.
  WindowTable.clear();
  CaptionButtonSprite.reset();
}

HWND CreateMainWindow() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterMainWindowClass(instance);
  // No maximise box: the skin would otherwise give the caption a maximise button.
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  HWND window = CreateWindowExA(0, kMainWindowClass, kMainWindowCaption, style, kMainWindowLeft, kMainWindowTop,
                                kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
  if (window) OnMainWindowCreated(window);
  return window;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

int ProgramMain() {
  ConstructGlobals();
  std::atexit(ReleaseGlobals);
  EngineStartup();
  if (HWND window = CreateMainWindow()) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    RunMessageLoop();
  }
  return 0;
}
