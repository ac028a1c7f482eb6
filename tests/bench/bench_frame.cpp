// Frame composition costs of a 289 x 206 layered window: full repaint, a 20 x 20 partial
// redraw inside the client area, and one layered present. Prints medians and ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "ui/engine/engine_startup.h"
#include "ui/render/frame_composition.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"
#include "ui/window/window_proc.h"

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

double MedianMicroseconds(int runs, const std::function<void()>& work) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> samples;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    GdiFlush();
    QueryPerformanceCounter(&end);
    samples.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

}  // namespace

int main() {
  EngineStartup();
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "MorvaneBenchHost";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "MorvaneBenchHost", "bench", WS_POPUP | WS_MINIMIZEBOX, 50, 50, 289, 206, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);

  SkinWindow skin;
  skin.Create(window, {.ThemeColour = 0x00806030, .LayerAlpha = 150, .FixedSize = 1});
  WindowRecord& record = RecordOf(skin.WindowIndex);
  const HBITMAP frameBitmap = record.FrameSurface.Bitmap;

  constexpr int kRuns = 300;
  const double repaint = MedianMicroseconds(kRuns, [&] { skin.Repaint(); });
  const double redraw = MedianMicroseconds(kRuns, [&] { RedrawRect(skin.WindowIndex, MakeRectF(120, 90, 20, 20)); });
  const double present = MedianMicroseconds(
      kRuns, [&] { PresentLayered(window, record.PresentSurface.Dc, skin.WindowSize.Width, skin.WindowSize.Height); });
  // The partial redraw without the final present: what the redraw itself composes.
  const double composeOnly =
      MedianMicroseconds(kRuns, [&] { RedrawRect(skin.WindowIndex, MakeRectF(120, 90, 20, 20), 0); });

  std::printf("window 289 x 206, layered, %d runs each (median)\n", kRuns);
  std::printf("Repaint                       %9.1f us\n", repaint);
  std::printf("RedrawRect 20x20 + present    %9.1f us\n", redraw);
  std::printf("RedrawRect 20x20, no present  %9.1f us\n", composeOnly);
  std::printf("PresentLayered                %9.1f us\n", present);
  std::printf("ratio RedrawRect / Repaint            %6.2f %%\n", 100.0 * redraw / repaint);
  std::printf("ratio RedrawRect (no present) / Repaint %4.2f %%\n", 100.0 * composeOnly / repaint);
  std::printf("frame surface reallocated: %s\n", record.FrameSurface.Bitmap == frameBitmap ? "no" : "YES");
  DestroyWindow(window);
  return 0;
}
