// The built program: starts, shows its main window, closes cleanly.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/app_globals.h"
#include "app/program_main.h"
#include "tests/support/test_support.h"
#include "ui/window/window_model.h"

namespace {

// The build passes a Unix path; Wine maps the root to drive Z:.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

struct FoundWindow {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
  auto* found = reinterpret_cast<FoundWindow*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (owner == found->processId && std::string(title) == "Morvane" && IsWindowVisible(window)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

std::string ResourceText(HMODULE module, LPCSTR type, LPCSTR name) {
  HRSRC info = FindResourceA(module, name, type);
  if (!info) return {};
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, info)));
  return data ? std::string(data, SizeofResource(module, info)) : std::string();
}

}  // namespace

TEST(Program, ExecutableCarriesIconPicturesVersionAndManifest) {
  HMODULE exe = LoadLibraryExA(WindowsPath(MORVANE_EXE_PATH).c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(exe, nullptr);
  const std::string group = ResourceText(exe, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, MAKEINTRESOURCEA(1));
  ASSERT_FALSE(group.empty());
  for (int size : {16, 32, 48}) {
    const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(const_cast<char*>(group.data())), TRUE,
                                               size, size, LR_DEFAULTCOLOR);
    ASSERT_NE(id, 0);
    const std::string icon = ResourceText(exe, MAKEINTRESOURCEA(3) /* RT_ICON */, MAKEINTRESOURCEA(id));
    ASSERT_GE(icon.size(), sizeof(BITMAPINFOHEADER));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(icon.data());
    EXPECT_EQ(header->biWidth, size);
    EXPECT_EQ(header->biBitCount, 32);
  }
  const std::string manifest = ResourceText(exe, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);
  EXPECT_FALSE(ResourceText(exe, MAKEINTRESOURCEA(16) /* RT_VERSION */, MAKEINTRESOURCEA(1)).empty());
  const std::string jpeg = ResourceText(exe, MAKEINTRESOURCEA(10), MAKEINTRESOURCEA(201));
  ASSERT_GE(jpeg.size(), 2u);
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
  FreeLibrary(exe);
}

TEST(Program, MainWindowIsSkinnedAndCarriesTheProgramIcon) {
  EnsureEngineStarted();
  ConstructGlobals();
  HWND window = CreateMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(MainWindowHandle, window);
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0);
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICONSM), 0);
  EXPECT_EQ(GetPropA(window, "addr_wnd"), MainSkin.get());
  EXPECT_EQ(MainSkin->CaptionFlags, 87);
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_FALSE(GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_EQ(MainSkin->BackgroundImage.Width(), 317);
  DestroyWindow(window);
  EXPECT_TRUE(WindowTable.empty());
  ReleaseGlobals();
  EXPECT_EQ(MainSkin, nullptr);
}

TEST(Program, ShowsItsMainWindowAndExitsCleanlyWhenClosed) {
  std::string command = WindowsPath(MORVANE_EXE_PATH);
  command.insert(0, 1, '"').push_back('"');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process))
      << "error " << GetLastError() << " starting " << command;

  FoundWindow found{process.dwProcessId, nullptr};
  for (int i = 0; i < 200 && !found.window; ++i) {
    Sleep(50);
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
  }
  ASSERT_NE(found.window, nullptr) << "no window \"Morvane\" appeared";

  RECT rect{};
  GetWindowRect(found.window, &rect);
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.top, 50);
  EXPECT_EQ(rect.right - rect.left, 289);
  EXPECT_EQ(rect.bottom - rect.top, 206);
  EXPECT_FALSE(GetWindowLongPtrA(found.window, GWL_STYLE) & WS_MAXIMIZEBOX);

  PostMessageA(found.window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0) << "the program did not exit";
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
