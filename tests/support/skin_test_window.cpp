#include "tests/support/skin_test_window.h"

#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "ui/window/window_model.h"

namespace {

constexpr const char* kTestHostClass = "MorvaneTestHost";

std::map<HWND, std::vector<UINT>>& ReceivedLog() {
  static std::map<HWND, std::vector<UINT>> log;
  return log;
}

LRESULT CALLBACK TestHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ReceivedLog()[window].push_back(message);
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterTestHostClass() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = TestHostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    windowClass.lpszClassName = kTestHostClass;
    return RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

TestHostWindow::TestHostWindow(int width, int height, DWORD style, int x, int y) {
  RegisterTestHostClass();
  window_ = CreateWindowExA(0, kTestHostClass, "Skin test", style, x, y, width, height, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (!window_) std::fprintf(stderr, "CreateWindowExA failed: %lu\n", GetLastError());
  ShowWindow(window_, SW_SHOWNOACTIVATE);
}

TestHostWindow::~TestHostWindow() { Destroy(); }

void TestHostWindow::Destroy() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  ReceivedLog().erase(window_);
  window_ = nullptr;
}

std::vector<UINT>& TestHostWindow::Received() { return ReceivedLog()[window_]; }

bool TestHostWindow::ReceivedMessage(UINT message) const {
  const auto& log = ReceivedLog()[window_];
  return std::find(log.begin(), log.end(), message) != log.end();
}

LRESULT RecordingControl::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, int windowIndex,
                                        int controlIndex, int present) {
  Log.push_back({message, wParam, lParam, controlIndex, present});
  if (message == WM_DESTROY && DestroyOrder) DestroyOrder->push_back(ControlId);
  if (message == WM_PAINT && IsValidIndex(windowIndex, 0, false)) {
    GpGraphics* graphics = RecordOf(windowIndex).FrameSurface.Graphics;
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(Colour, &brush);
    GdipFillRectangle(graphics, brush, Bounds.X, Bounds.Y, Bounds.Width, Bounds.Height);
    GdipDeleteBrush(brush);
  }
  return 0;
}

int RecordingControl::Count(UINT message) const {
  return static_cast<int>(std::count_if(Log.begin(), Log.end(), [&](const ControlMessage& m) { return m.Message == message; }));
}

std::uint32_t SurfacePixel(const Surface& surface, int x, int y) {
  GdiFlush();
  if (surface.Graphics) GdipFlush(surface.Graphics, FlushIntentionSync);
  DIBSECTION dib{};
  if (!surface.Bitmap || GetObjectA(surface.Bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return 0;
  const int width = dib.dsBm.bmWidth;
  const int height = dib.dsBm.bmHeight;
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const int row = dib.dsBmih.biHeight > 0 ? height - 1 - y : y;
  return static_cast<const std::uint32_t*>(dib.dsBm.bmBits)[static_cast<std::size_t>(row) * width + x];
}

std::uint32_t AlphaOf(std::uint32_t pixel) { return pixel >> 24; }

int GdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<int>(reported);
  // Some systems do not report the count; the process's GDI handle table tells it.
  struct Entry {
    std::uint8_t Bytes[sizeof(void*) == 8 ? 24 : 16];
  };
  using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
  const PEB* peb = basic.PebBaseAddress;
  const auto* table = *reinterpret_cast<const Entry* const*>(reinterpret_cast<const std::uint8_t*>(peb) +
                                                             (sizeof(void*) == 8 ? 0xF8 : 0x94));
  if (!table) return -1;
  const int typeOffset = sizeof(void*) == 8 ? 14 : 10;
  int count = 0;
  for (int i = 0; i < 0x10000; ++i) count += table[i].Bytes[typeOffset] != 0;
  return count;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
