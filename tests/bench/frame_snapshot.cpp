// Writes what skinned windows look like on a desktop: each window's present surface,
// with its per-pixel alpha, composited over a light backdrop and saved as PNG. Under an X
// server without a compositor the real window cannot show its translucent shadow, so
// this is how the frames are reviewed by eye.
// Usage: frame_snapshot.exe <output directory>
#include <windows.h>

#include <cstdio>
#include <string>

#include "res/resource_ids.h"
#include "ui/engine/embedded_resource.h"
#include "ui/engine/engine_startup.h"
#include "ui/engine/text_codec.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

bool SaveComposite(const Surface& present, int width, int height, const std::string& path) {
  GdiFlush();
  DIBSECTION dib{};
  if (GetObjectA(present.Bitmap, sizeof dib, &dib) != sizeof dib) return false;
  // Bottom-up rows: start at the last row and walk backwards.
  const int stride = dib.dsBm.bmWidthBytes;
  auto* top = static_cast<BYTE*>(dib.dsBm.bmBits) + static_cast<std::size_t>(stride) * (dib.dsBm.bmHeight - 1);
  GpBitmap* frame = nullptr;
  GdipCreateBitmapFromScan0(width, height, -stride, PixelFormat32bppPARGB, top, &frame);
  constexpr int kPad = 20;
  GpBitmap* canvas = nullptr;
  GdipCreateBitmapFromScan0(width + 2 * kPad, height + 2 * kPad, 0, PixelFormat32bppARGB, nullptr, &canvas);
  GpGraphics* graphics = nullptr;
  GdipGetImageGraphicsContext(canvas, &graphics);
  GdipGraphicsClear(graphics, 0xFFCFD6DE);
  GdipDrawImageRectI(graphics, frame, kPad, kPad, width, height);
  GdipDeleteGraphics(graphics);
  CLSID png{};
  CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);
  const std::wstring wide = AnsiToWide(path, CP_ACP);
  const bool saved = GdipSaveImageToFile(canvas, wide.c_str(), &png, nullptr) == Ok;
  GdipDisposeImage(canvas);
  GdipDisposeImage(frame);
  return saved;
}

void Snapshot(const std::string& directory, const char* name, const SkinOptions& options, DWORD style) {
  HWND window = CreateWindowExA(0, "MorvaneSnapshotHost", "Morvane", style, 50, 50, 289, 206, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  SkinWindow skin;
  skin.Create(window, options);
  const std::string path = directory + "\\" + name + ".png";
  const bool saved = SaveComposite(RecordOf(skin.WindowIndex).PresentSurface, skin.WindowSize.Width,
                                   skin.WindowSize.Height, path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", path.c_str());
  DestroyWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string directory = argc > 1 ? argv[1] : ".";
  EngineStartup();
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(IDI_APP_ICON));
  windowClass.lpszClassName = "MorvaneSnapshotHost";
  RegisterClassA(&windowClass);
  const auto picture = EmbeddedResourceBytes(IDR_BACKGROUND_JPG);
  Snapshot(directory, "layered-rounded", {.Picture = picture, .CaptionFlags = 87, .LayerAlpha = 150, .StretchPicture = 1, .FixedSize = 1},
           WS_POPUP | WS_MINIMIZEBOX);
  Snapshot(directory, "layered-square", {.Picture = picture, .CaptionFlags = 87, .LayerAlpha = 255, .FrameStyle = 0, .FixedSize = 1},
           WS_POPUP | WS_MINIMIZEBOX);
  Snapshot(directory, "theme-colour-only", {.ThemeColour = 0x00A06030, .LayerAlpha = 255, .FixedSize = 1},
           WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  return 0;
}
