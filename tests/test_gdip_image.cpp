// GdipImage: decoding from memory, frames, icons and ownership.
#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include "res/resource_ids.h"
#include "tests/support/test_support.h"
#include "ui/engine/embedded_resource.h"
#include "ui/engine/gdip_image.h"

namespace {

// A 32-bit icon whose pixels all carry `alpha` except a fully transparent first row.
HICON MakeIcon32(int size, BYTE alpha) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = size;
  header.bV5Height = -size;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < size * size; ++i) pixels[i] = i < size ? 0 : (std::uint32_t(alpha) << 24) | 0x00336699;
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

HICON MakeIcon24(int size) {
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  BITMAP description{};
  GetObjectA(colour, sizeof description, &description);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters.PrivateUsage;
}

}  // namespace

class GdipImageTest : public testing::Test {
 protected:
  void SetUp() override { EnsureEngineStarted(); }
};

TEST_F(GdipImageTest, DecodesEmbeddedPicturesFromMemory) {
  struct Case {
    int resource;
    int width, height;
  };
  for (const Case& c : {Case{IDR_BACKGROUND_JPG, 317, 230}, Case{IDR_CAPTION_SPRITE_PNG, 729, 20},
                        Case{IDR_MSGBOX_ICONS_PNG, 200, 40}}) {
    GdipImage image;
    const auto bytes = EmbeddedResourceBytes(c.resource);
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(image.LoadFromMemory(bytes), nullptr);
    EXPECT_EQ(image.Width(), c.width);
    EXPECT_EQ(image.Height(), c.height);
    EXPECT_NE(image.GetStreamMemory(), nullptr);
    EXPECT_EQ(image.FrameCount(), 1);
  }
  // The sprite keeps its alpha: the rows above the glyphs are transparent.
  GdipImage sprite;
  sprite.LoadFromMemory(EmbeddedResourceBytes(IDR_CAPTION_SPRITE_PNG));
  EXPECT_EQ(sprite.GetPixel(10, 0) >> 24, 0u);
  EXPECT_EQ(sprite.GetPixel(60, 10) >> 24, 255u) << "hover plate of the close button";
}

TEST_F(GdipImageTest, BytesThatAreNoPictureLeaveTheObjectEmpty) {
  const std::vector<std::uint8_t> junk = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
  for (const auto& bytes : {junk, std::vector<std::uint8_t>{}}) {
    GdipImage image;
    ASSERT_NE(image.LoadFromMemory(EmbeddedResourceBytes(IDR_BACKGROUND_JPG)), nullptr);
    EXPECT_EQ(image.LoadFromMemory(bytes), nullptr);
    EXPECT_EQ(image.GetHandle(), nullptr);
    EXPECT_EQ(image.GetStreamMemory(), nullptr);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.GetPixel(0, 0), 0u);
    EXPECT_EQ(image.FrameCount(), 0);
  }
}

TEST_F(GdipImageTest, AnimatedGifFramesAndDelays) {
  GdipImage gif;
  ASSERT_NE(gif.LoadFromMemory(ReadSourceFile("tests/data/three_frames.gif")), nullptr);
  EXPECT_EQ(gif.FrameCount(), 3);
  std::vector<std::int32_t> delays = {99};
  ASSERT_TRUE(gif.GetFrameDelays(delays));
  EXPECT_EQ(delays, (std::vector<std::int32_t>{10, 20, 30}));

  const ARGB expected[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_TRUE(gif.SelectFrame(frame));
    EXPECT_EQ(gif.GetPixel(1, 1), expected[frame]) << "frame " << frame;
  }
  EXPECT_FALSE(gif.SelectFrame(7));

  // A still picture has no delays: the list is kept.
  GdipImage png;
  png.LoadFromMemory(EmbeddedResourceBytes(IDR_MSGBOX_ICONS_PNG));
  std::vector<std::int32_t> kept = {1, 2};
  EXPECT_FALSE(png.GetFrameDelays(kept));
  EXPECT_EQ(kept, (std::vector<std::int32_t>{1, 2}));
}

TEST_F(GdipImageTest, SoftEdgedIconKeepsItsAlpha) {
  HICON icon = MakeIcon32(16, 128);
  GdipImage image;
  ASSERT_NE(image.LoadFromIcon(icon), nullptr);
  EXPECT_NE(image.GetPixelOwner(), nullptr) << "pixels read through the 32-bit path";
  EXPECT_EQ(image.Width(), 16);
  EXPECT_EQ(image.GetPixel(3, 5), 0x80336699u);
  EXPECT_EQ(image.GetPixel(3, 0) >> 24, 0u);
  // The image stays usable after the icon is gone.
  DestroyIcon(icon);
  EXPECT_EQ(image.GetPixel(15, 15), 0x80336699u);
}

TEST_F(GdipImageTest, HardEdgedIconsTakeTheIconPath) {
  for (HICON icon : {MakeIcon32(16, 255), MakeIcon24(16)}) {
    GdipImage image;
    EXPECT_NE(image.LoadFromIcon(icon), nullptr);
    EXPECT_EQ(image.GetPixelOwner(), nullptr);
    EXPECT_EQ(image.Width(), 16);
    EXPECT_EQ(image.Height(), 16);
    DestroyIcon(icon);
  }
}

TEST_F(GdipImageTest, DisposeTwiceAndReloads) {
  GdipImage image;
  image.LoadFromMemory(EmbeddedResourceBytes(IDR_CAPTION_SPRITE_PNG));
  image.Dispose();
  EXPECT_EQ(image.GetHandle(), nullptr);
  EXPECT_EQ(image.GetStreamMemory(), nullptr);
  image.Dispose();
  EXPECT_EQ(image.GetHandle(), nullptr);
  EXPECT_NE(image.LoadFromMemory(EmbeddedResourceBytes(IDR_CAPTION_SPRITE_PNG)), nullptr);
  EXPECT_TRUE(image.CreateFromPixels(4, 3));
  EXPECT_EQ(image.GetStreamMemory(), nullptr) << "each load drops what was held";
  EXPECT_EQ(image.Width(), 4);
  EXPECT_FALSE(image.CreateFromPixels(0, 0));
  EXPECT_EQ(image.GetHandle(), nullptr);
}

TEST_F(GdipImageTest, SetHandleThenDisposeFreesTheHandleThatWasSet) {
  // 16 MB a bitmap: were the handle not disposed, 24 rounds would keep ~380 MB.
  const SIZE_T before = PrivateBytes();
  for (int round = 0; round < 24; ++round) {
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(2048, 2048, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
    GdipImage image;
    image.SetHandle(bitmap);
    EXPECT_EQ(image.GetHandle(), bitmap);
    EXPECT_EQ(image.Width(), 2048);
    image.Dispose();
    EXPECT_EQ(image.GetHandle(), nullptr);
  }
  EXPECT_LT(PrivateBytes() - std::min(PrivateBytes(), before), SIZE_T{64} << 20);
}

TEST_F(GdipImageTest, CopiesAreIndependent) {
  GdipImage original;
  original.LoadFromMemory(ReadSourceFile("tests/data/three_frames.gif"));
  GdipImage copy = original.Clone();
  ASSERT_NE(copy.GetHandle(), nullptr);
  EXPECT_NE(copy.GetHandle(), original.GetHandle());
  EXPECT_NE(copy.GetStreamMemory(), original.GetStreamMemory());
  original.Dispose();
  EXPECT_EQ(copy.FrameCount(), 3);
  EXPECT_EQ(copy.GetPixel(0, 0), 0xFFFF0000u);

  HICON icon = MakeIcon32(8, 100);
  GdipImage fromIcon;
  fromIcon.LoadFromIcon(icon);
  DestroyIcon(icon);
  GdipImage iconCopy(fromIcon);
  fromIcon.Dispose();
  EXPECT_EQ(iconCopy.GetPixel(2, 2), 0x64336699u);

  GdipImage moved(std::move(iconCopy));
  EXPECT_EQ(iconCopy.GetHandle(), nullptr);
  EXPECT_EQ(moved.Width(), 8);
}

TEST_F(GdipImageTest, LoadFromFileAndHBitmapAndRotate) {
  GdipImage image;
  const std::string path = std::string(MORVANE_SOURCE_DIR) + "/res/msgbox_icons.png";
  ASSERT_NE(image.LoadFromFile(path), nullptr);
  EXPECT_EQ(image.Width(), 200);
  image.RotateFlip(Rotate90FlipNone);
  EXPECT_EQ(image.Width(), 40);
  EXPECT_EQ(image.Height(), 200);
  EXPECT_EQ(image.LoadFromFile(path + ".missing"), nullptr);

  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 7, 5);
  ReleaseDC(nullptr, screen);
  EXPECT_NE(image.LoadFromHBitmap(bitmap), nullptr);
  EXPECT_EQ(image.Width(), 7);
  DeleteObject(bitmap);
}
