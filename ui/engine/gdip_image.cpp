#include "ui/engine/gdip_image.h"

#include <cstring>
#include <utility>

#include "ui/engine/text_codec.h"

namespace {

// The time dimension of animated pictures.
GUID TimeDimension() {
  GUID guid{};
  wchar_t text[] = L"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
  CLSIDFromString(text, &guid);
  return guid;
}

constexpr PROPID kFrameDelayTag = 0x5100;

template <typename Image>
void DisposeImage(Image*& image) {
  if (image) GdipDisposeImage(image);
  image = nullptr;
}
constexpr WORD kTypeLong = 4;
constexpr WORD kTypeSLong = 9;

}  // namespace

GdipImage::~GdipImage() { Dispose(); }

GdipImage::GdipImage(const GdipImage& other) { CopyFrom(other); }

GdipImage& GdipImage::operator=(const GdipImage& other) {
  if (this != &other) {
    Dispose();
    CopyFrom(other);
  }
  return *this;
}

GdipImage::GdipImage(GdipImage&& other) noexcept
    : Handle(std::exchange(other.Handle, nullptr)),
      StreamMemory(std::exchange(other.StreamMemory, nullptr)),
      PixelOwner(std::exchange(other.PixelOwner, nullptr)) {}

GdipImage& GdipImage::operator=(GdipImage&& other) noexcept {
  if (this != &other) {
    Dispose();
    Handle = std::exchange(other.Handle, nullptr);
    StreamMemory = std::exchange(other.StreamMemory, nullptr);
    PixelOwner = std::exchange(other.PixelOwner, nullptr);
  }
  return *this;
}

// A copy owns its own resources, so that either object can be released first: a picture
// decoded from memory is decoded again from a copy of its bytes (GDI+ keeps reading them),
// any other picture has its pixels copied.
void GdipImage::CopyFrom(const GdipImage& other) {
  if (!other.Handle) return;
  if (other.StreamMemory) {
    const void* bytes = GlobalLock(other.StreamMemory);
    if (bytes) {
      const std::size_t size = GlobalSize(other.StreamMemory);
      LoadFromMemory({static_cast<const std::uint8_t*>(bytes), size});
      GlobalUnlock(other.StreamMemory);
    }
    return;
  }
  if (other.PixelOwner) {
    GpBitmap* copy = nullptr;
    if (GdipCloneBitmapAreaI(0, 0, other.Width(), other.Height(), PixelFormat32bppARGB,
                             static_cast<GpBitmap*>(other.Handle), &copy) == Ok) {
      Handle = copy;
    }
    return;
  }
  GpImage* copy = nullptr;
  if (GdipCloneImage(other.Handle, &copy) == Ok) Handle = copy;
}

void GdipImage::Dispose() {
  // The image may still read from the stream memory: it goes first.
  DisposeImage(Handle);
  if (StreamMemory) GlobalFree(StreamMemory);
  StreamMemory = nullptr;
  DisposeImage(PixelOwner);
}

GpImage* GdipImage::LoadFromMemory(std::span<const std::uint8_t> bytes) {
  Dispose();
  StreamMemory = GlobalAlloc(GMEM_NOT_BANKED, bytes.size());
  if (!StreamMemory) return nullptr;
  bool loaded = false;
  if (void* block = GlobalLock(StreamMemory)) {
    if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    GlobalUnlock(StreamMemory);
    IStream* stream = nullptr;
    if (!bytes.empty() && CreateStreamOnHGlobal(StreamMemory, FALSE, &stream) == S_OK) {
      loaded = GdipLoadImageFromStream(stream, &Handle) == Ok && Handle;
      // GDI+ holds its own reference to the stream for as long as it needs it.
      stream->Release();
    }
  }
  if (!loaded) {
    DisposeImage(Handle);
    GlobalFree(StreamMemory);
    StreamMemory = nullptr;
  }
  return Handle;
}

GpImage* GdipImage::LoadFromFile(const std::string& path) {
  Dispose();
  const std::wstring wide = AnsiToWide(path, CP_ACP);
  if (GdipLoadImageFromFile(wide.c_str(), &Handle) != Ok) Handle = nullptr;
  return Handle;
}

bool GdipImage::CreateFromPixels(int width, int height, int stride, PixelFormat format, BYTE* pixels) {
  Dispose();
  GpBitmap* bitmap = nullptr;
  const bool ok = GdipCreateBitmapFromScan0(width, height, stride, format, pixels, &bitmap) == Ok;
  Handle = ok ? bitmap : nullptr;
  return ok;
}

GpImage* GdipImage::LoadFromIcon(HICON icon) {
  Dispose();
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return nullptr;
  BITMAP colour{};
  if (info.hbmColor) GetObjectA(info.hbmColor, sizeof colour, &colour);
  const int width = colour.bmWidth;
  const int height = colour.bmHeight;

  auto fromIcon = [&] {
    GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromHICON(icon, &bitmap) == Ok) Handle = bitmap;
  };

  if (colour.bmBitsPixel < 32) {
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    fromIcon();
    return Handle;
  }

  // A 32-bit icon: read its pixels with the fourth byte taken as alpha.
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(info.hbmColor, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  GpBitmap* owner = nullptr;
  GdipCreateBitmapFromHBITMAP(copy, nullptr, &owner);
  PixelOwner = owner;
  bool softEdge = false;
  if (PixelOwner) {
    PixelFormat format = 0;
    GdipGetImagePixelFormat(PixelOwner, &format);
    GpRect whole{0, 0, width, height};
    BitmapData locked{};
    if (GdipBitmapLockBits(PixelOwner, &whole, ImageLockModeRead, format, &locked) == Ok) {
      GpBitmap* view = nullptr;
      if (GdipCreateBitmapFromScan0(width, height, locked.Stride, PixelFormat32bppARGB,
                                    static_cast<BYTE*>(locked.Scan0), &view) == Ok) {
        Handle = view;
        for (int y = 0; y < height && !softEdge; ++y) {
          for (int x = 0; x < width; ++x) {
            ARGB pixel = 0;
            GdipBitmapGetPixel(view, x, y, &pixel);
            const unsigned alpha = pixel >> 24;
            if (alpha >= 1 && alpha <= 254) {
              softEdge = true;
              break;
            }
          }
        }
      }
      GdipBitmapUnlockBits(PixelOwner, &locked);
    }
  }
  if (copy) DeleteObject(copy);

  if (!softEdge) {
    DisposeImage(Handle);
    DisposeImage(PixelOwner);
    fromIcon();
  }
  return Handle;
}

GpImage* GdipImage::LoadFromHBitmap(HBITMAP bitmap) {
  Dispose();
  GpBitmap* image = nullptr;
  if (GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Ok) Handle = image;
  return Handle;
}

int GdipImage::Width() const {
  UINT width = 0;
  if (!Handle || GdipGetImageWidth(Handle, &width) != Ok) return 0;
  return static_cast<int>(width);
}

int GdipImage::Height() const {
  UINT height = 0;
  if (!Handle || GdipGetImageHeight(Handle, &height) != Ok) return 0;
  return static_cast<int>(height);
}

ARGB GdipImage::GetPixel(int x, int y) const {
  ARGB pixel = 0;
  if (!Handle || GdipBitmapGetPixel(static_cast<GpBitmap*>(Handle), x, y, &pixel) != Ok) return 0;
  return pixel;
}

int GdipImage::FrameCount() const {
  if (!Handle) return 0;
  const GUID dimension = TimeDimension();
  UINT count = 0;
  if (GdipImageGetFrameCount(Handle, &dimension, &count) != Ok) return 0;
  return static_cast<int>(count);
}

bool GdipImage::GetFrameDelays(std::vector<std::int32_t>& delays) const {
  if (!Handle) return false;
  UINT size = 0;
  if (GdipGetPropertyItemSize(Handle, kFrameDelayTag, &size) != Ok || size < sizeof(PropertyItem)) return false;
  std::vector<std::uint8_t> buffer(size, 0);
  auto* item = reinterpret_cast<PropertyItem*>(buffer.data());
  if (GdipGetPropertyItem(Handle, kFrameDelayTag, size, item) != Ok) return false;
  const bool usable = (item->type == kTypeLong && item->length > 0 && item->value) ||
                      (item->type == kTypeSLong && item->value);
  if (!usable) return false;
  // The value lies inside the buffer GDI+ filled; never read past it.
  const auto* value = static_cast<const std::uint8_t*>(item->value);
  const std::uint8_t* end = buffer.data() + buffer.size();
  const std::size_t available =
      value >= buffer.data() && value < end ? static_cast<std::size_t>(end - value) : 0;
  const std::size_t length = std::min<std::size_t>(item->length, available);
  delays.assign(length / 4, 0);
  std::memcpy(delays.data(), value, delays.size() * 4);
  return true;
}

bool GdipImage::SelectFrame(int index) {
  if (!Handle) return false;
  const GUID dimension = TimeDimension();
  return GdipImageSelectActiveFrame(Handle, &dimension, static_cast<UINT>(index)) == Ok;
}

void GdipImage::RotateFlip(RotateFlipType type) {
  if (Handle) GdipImageRotateFlip(Handle, type);
}
