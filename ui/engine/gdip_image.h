// GdipImage: the owner of one GDI+ image, loaded from memory, a file, an icon, a GDI
// bitmap or raw pixels, with size, pixel and animation-frame queries.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ui/engine/gdiplus_api.h"

class GdipImage {
 public:
  GdipImage() = default;
  ~GdipImage();  // releases the image
  GdipImage(const GdipImage& other);  // an independent copy of the picture (Clone)
  GdipImage& operator=(const GdipImage& other);
  GdipImage(GdipImage&& other) noexcept;
  GdipImage& operator=(GdipImage&& other) noexcept;

  GdipImage Clone() const { return GdipImage(*this); }

  // Frees the stream memory, the image and the pixel owner; each is skipped when absent.
  void Dispose();

  // Decodes `bytes` (any format GDI+ reads). Returns the image handle, 0 on failure, in
  // which case the object is empty (a previous picture is gone either way).
  GpImage* LoadFromMemory(std::span<const std::uint8_t> bytes);
  GpImage* LoadFromFile(const std::string& path);
  bool CreateFromPixels(int width, int height, int stride = 0, PixelFormat format = PixelFormat32bppARGB,
                        BYTE* pixels = nullptr);
  // Keeps the soft edges of 32-bit icons that carry alpha; others go through GDI+'s own conversion.
  GpImage* LoadFromIcon(HICON icon);
  GpImage* LoadFromHBitmap(HBITMAP bitmap);

  GpImage* GetHandle() const { return Handle; }
  // Takes `handle` over without releasing the image held before.
  void SetHandle(GpImage* handle) { Handle = handle; }

  int Width() const;
  int Height() const;
  ARGB GetPixel(int x, int y) const;

  int FrameCount() const;
  // Frame delays in hundredths of a second; false (and `delays` unchanged) when the
  // picture has none.
  bool GetFrameDelays(std::vector<std::int32_t>& delays) const;
  bool SelectFrame(int index);
  void RotateFlip(RotateFlipType type);

  HGLOBAL GetStreamMemory() const { return StreamMemory; }
  GpBitmap* GetPixelOwner() const { return PixelOwner; }

 private:
  void CopyFrom(const GdipImage& other);

  GpImage* Handle = nullptr;
  HGLOBAL StreamMemory = nullptr;  // encoded bytes GDI+ may read while the image lives
  GpBitmap* PixelOwner = nullptr;  // bitmap whose locked pixels back an alpha icon image
};
