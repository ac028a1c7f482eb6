#include "tests/support/test_surface.h"

#include "tests/support/test_support.h"

TestSurface::TestSurface(int width, int height, SmoothingMode smoothing, Orientation orientation)
    : width_(width), height_(height), bottomUp_(orientation == Orientation::BottomUp) {
  EnsureEngineStarted();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = bottomUp_ ? height : -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  if (bits_) {
    for (int i = 0; i < width * height; ++i) bits_[i] = 0;
  }
  oldBitmap_ = SelectObject(dc_, bitmap_);
  GdipCreateFromHDC(dc_, &graphics_);
  if (graphics_) GdipSetSmoothingMode(graphics_, smoothing);
}

TestSurface::~TestSurface() {
  if (graphics_) GdipDeleteGraphics(graphics_);
  if (dc_) {
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
}

std::uint32_t TestSurface::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();
  const int row = bottomUp_ ? height_ - 1 - y : y;
  return bits_[row * width_ + x];
}

void TestSurface::Clear(ARGB argb) {
  if (graphics_) GdipGraphicsClear(graphics_, argb);
  GdiFlush();
}

int TestSurface::CountDrawn(int left, int top, int right, int bottom) const {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) count += Pixel(x, y) != 0;
  }
  return count;
}
