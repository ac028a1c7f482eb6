// A 32-bit DIB section selected into a memory DC with a GDI+ graphics on it, for tests
// that draw and read back pixels.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/engine/gdiplus_api.h"

class TestSurface {
 public:
  enum class Orientation { TopDown, BottomUp };

  // Starts the engine if needed. The surface starts fully transparent (all zero).
  TestSurface(int width, int height, SmoothingMode smoothing = SmoothingModeAntiAlias,
              Orientation orientation = Orientation::TopDown);
  ~TestSurface();
  TestSurface(const TestSurface&) = delete;
  TestSurface& operator=(const TestSurface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  GpGraphics* Graphics() const { return graphics_; }

  // The stored pixel as 0xAARRGGBB: premultiplied, as GDI+ writes it into the DIB.
  // Flushes pending GDI work first. Outside the surface: 0.
  std::uint32_t Pixel(int x, int y) const;

  // Sets every pixel to `argb` (through GDI+, so a translucent colour is stored
  // premultiplied).
  void Clear(ARGB argb);

  // Number of pixels in the rectangle [left, right) x [top, bottom) that are not zero.
  int CountDrawn(int left, int top, int right, int bottom) const;

 private:
  int width_;
  int height_;
  bool bottomUp_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  GpGraphics* graphics_ = nullptr;
};
