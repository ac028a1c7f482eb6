// Frame composition: full repaints, partial redraws, border, drop shadow, handles.
#include <gtest/gtest.h>

#include "tests/support/skin_test_window.h"
#include "tests/support/test_support.h"
#include "ui/render/frame_composition.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"

namespace {

constexpr std::uint32_t kTheme = 0x00804020;      // 0x00BBGGRR
constexpr std::uint32_t kThemeArgb = 0xFF204080;  // as stored in an opaque pixel

int Red(std::uint32_t p) { return (p >> 16) & 0xFF; }
int Blue(std::uint32_t p) { return p & 0xFF; }

class FrameTest : public testing::Test {
 protected:
  void SetUp() override { EnsureEngineStarted(); }

  std::uint32_t Frame(const SkinWindow& skin, int x, int y) {
    return SurfacePixel(RecordOf(skin.WindowIndex).FrameSurface, x, y);
  }
  // Writes one pixel of the frame surface directly.
  void Mark(const SkinWindow& skin, int x, int y, std::uint32_t value) {
    const Surface& frame = RecordOf(skin.WindowIndex).FrameSurface;
    GdiFlush();
    DIBSECTION dib{};
    GetObjectA(frame.Bitmap, sizeof dib, &dib);
    static_cast<std::uint32_t*>(dib.dsBm.bmBits)[static_cast<std::size_t>(dib.dsBm.bmHeight - 1 - y) *
                                                     dib.dsBm.bmWidth + x] = value;
  }
};

}  // namespace

TEST_F(FrameTest, LayeredWindowHasBorderAndShadowRings) {
  for (int style : {0, 5}) {
    SCOPED_TRACE(style);
    SkinWindow skin;
    TestHostWindow host;
    skin.Create(host, {.ThemeColour = kTheme, .CaptionFlags = 0, .LayerAlpha = 255, .FrameStyle = style, .FixedSize = 1});
    const int y = 100;
    EXPECT_EQ(Frame(skin, 150, y), kThemeArgb) << "client area";
    // Outer border line: black alpha 110 (square) or 120 (rounded) over the theme colour.
    const std::uint32_t border = Frame(skin, 5, y);
    EXPECT_EQ(AlphaOf(border), 255u);
    const int dark = style == 0 ? 110 : 120;
    EXPECT_NEAR(Red(border), 0x20 * (255 - dark) / 255, 3);
    EXPECT_NEAR(Blue(border), 0x80 * (255 - dark) / 255, 3);
    // Inner line: white alpha 70.
    EXPECT_NEAR(Blue(Frame(skin, 6, y)), 0x80 + (255 - 0x80) * 70 / 255, 3);
    // Four shadow rings outside the client rectangle, fainter outward, then nothing.
    const int expected[] = {75, 55, 25, 15};
    for (int ring = 1; ring <= 4; ++ring) {
      const std::uint32_t shadow = Frame(skin, 5 - ring, y);
      EXPECT_NEAR(static_cast<int>(AlphaOf(shadow)), expected[ring - 1], 3) << "ring " << ring;
      EXPECT_EQ(shadow & 0x00FFFFFF, 0u) << "black";
      EXPECT_NEAR(static_cast<int>(AlphaOf(Frame(skin, 283 + ring, y))), expected[ring - 1], 3);
      EXPECT_NEAR(static_cast<int>(AlphaOf(Frame(skin, 150, 200 + ring))), expected[ring - 1], 3);
    }
    EXPECT_EQ(Frame(skin, 0, y), 0u);
    // Corners: square ones are filled to the corner pixel, rounded ones are cut.
    if (style == 0) {
      EXPECT_EQ(AlphaOf(Frame(skin, 5, 5)), 255u);
    } else {
      EXPECT_LT(AlphaOf(Frame(skin, 5, 5)), 200u);
    }
  }
}

TEST_F(FrameTest, MaximisedWindowHasNoMarginAndNoShadow) {
  SkinWindow skin;
  TestHostWindow host(289, 206, WS_POPUP | WS_MAXIMIZEBOX);
  ShowWindow(host, SW_MAXIMIZE);
  skin.Create(host, {.ThemeColour = kTheme, .CaptionFlags = 0, .LayerAlpha = 255, .FrameStyle = 0, .FixedSize = 1});
  const int h = skin.WindowSize.Height;
  const std::uint32_t edge = Frame(skin, 0, h / 2);
  EXPECT_EQ(AlphaOf(edge), 255u) << "the border lies on the outermost pixels";
  EXPECT_NEAR(Red(edge), 0x20 * 145 / 255, 3);
  EXPECT_EQ(Frame(skin, 5, h / 2), kThemeArgb) << "no margin ring";

  // The border zone is three pixels wide: a redraw four pixels in leaves the edge alone.
  Mark(skin, 0, h / 2, 0xFFFF00FF);
  RedrawRect(skin.WindowIndex, MakeRectF(4, static_cast<float>(h / 2 - 10), 20, 20));
  EXPECT_EQ(Frame(skin, 0, h / 2), 0xFFFF00FFu);
}

TEST_F(FrameTest, RedrawInsideTheClientAreaLeavesTheEdges) {
  SkinWindow skin;
  TestHostWindow host;
  skin.Create(host, {.ThemeColour = kTheme, .CaptionFlags = 0, .LayerAlpha = 255, .FixedSize = 1});
  const std::uint32_t shadow = Frame(skin, 3, 100);
  Mark(skin, 5, 100, 0xFF00FF00);   // border
  Mark(skin, 110, 110, 0xFFFF0000);  // inside the dirty rectangle
  Mark(skin, 130, 110, 0xFFFF0000);  // outside it
  RedrawRect(skin.WindowIndex, MakeRectF(100, 100, 20, 20));
  EXPECT_EQ(Frame(skin, 110, 110), kThemeArgb) << "restored from the background";
  EXPECT_EQ(Frame(skin, 130, 110), 0xFFFF0000u) << "only the rectangle is touched";
  EXPECT_EQ(Frame(skin, 5, 100), 0xFF00FF00u);
  EXPECT_EQ(Frame(skin, 3, 100), shadow);

  // Without restoring the background the old content stays under the controls.
  Mark(skin, 110, 110, 0xFFFF0000);
  RedrawRect(skin.WindowIndex, MakeRectF(100, 100, 20, 20), 1, 0);
  EXPECT_EQ(Frame(skin, 110, 110), 0xFFFF0000u);
}

TEST_F(FrameTest, RedrawInTheBorderZoneClearsTheShadowRingUntilEdgesAreRedrawn) {
  SkinWindow skin;
  TestHostWindow host;
  skin.Create(host, {.ThemeColour = kTheme, .CaptionFlags = 0, .LayerAlpha = 255, .FixedSize = 1});
  ASSERT_GT(AlphaOf(Frame(skin, 4, 100)), 0u);
  RedrawRect(skin.WindowIndex, MakeRectF(6, 150, 20, 20));
  EXPECT_EQ(Frame(skin, 4, 100), 0u) << "the whole ring is cleared";
  EXPECT_EQ(Frame(skin, 150, 203), 0u);
  EXPECT_EQ(Frame(skin, 150, 100), kThemeArgb);

  DrawFrameEdges(skin.WindowIndex, MakeRectF(6, 150, 20, 20), 1);
  EXPECT_NEAR(static_cast<int>(AlphaOf(Frame(skin, 4, 100))), 75, 3) << "a control that shows itself brings it back";
}

TEST_F(FrameTest, RedrawPaintsOverlappingVisibleControlsOnly) {
  SkinWindow skin;
  RecordingControl overlapping(0xFF0000FF), beside, hidden;
  TestHostWindow host;
  skin.Create(host, {.ThemeColour = kTheme, .CaptionFlags = 0, .LayerAlpha = 255, .FixedSize = 1});
  overlapping.Register(host, MakeRectF(110, 110, 30, 30), ControlKind::Button);
  beside.Register(host, MakeRectF(120, 100, 20, 20), ControlKind::Button);  // touches the right edge
  hidden.Register(host, MakeRectF(100, 100, 10, 10), ControlKind::Button, 0);
  RedrawRect(skin.WindowIndex, MakeRectF(100, 100, 20, 20));
  ASSERT_EQ(overlapping.Count(WM_PAINT), 1);
  EXPECT_EQ(overlapping.Log.back().LParam, -1);
  EXPECT_EQ(overlapping.Log.back().Present, 0) << "controls draw into the frame only";
  EXPECT_EQ(beside.Count(WM_PAINT), 0);
  EXPECT_EQ(hidden.Count(WM_PAINT), 0);
  EXPECT_EQ(Frame(skin, 115, 115), 0xFF0000FFu);

  skin.Busy = 1;
  RedrawRect(skin.WindowIndex, MakeRectF(100, 100, 20, 20));
  EXPECT_EQ(overlapping.Count(WM_PAINT), 1) << "dropped while busy";
  skin.Busy = 0;
}

TEST_F(FrameTest, RepaintLayersAndHandlers) {
  SkinWindow skin;
  RecordingControl control;
  std::vector<std::string> calls;
  TestHostWindow host;
  skin.Create(host, {.ThemeColour = kTheme, .LayerAlpha = 255, .FixedSize = 1});
  control.Register(host, MakeRectF(100, 100, 20, 20), ControlKind::Label);
  WindowRecord& record = RecordOf(skin.WindowIndex);
  skin.OnBackgroundPainted = [&](HWND window, GpGraphics* graphics, HDC dc, int w, int h) {
    EXPECT_EQ(window, host.Handle());
    EXPECT_EQ(graphics, record.BackgroundSurface.Graphics);
    EXPECT_EQ(dc, record.BackgroundSurface.Dc);
    EXPECT_EQ(w, 289);
    EXPECT_EQ(h, 206);
    EXPECT_EQ(skin.Busy, 1);
    calls.push_back("background");
  };
  int paintsAtFrameHandler = -1;
  skin.OnFramePainted = [&](HWND, GpGraphics* graphics, HDC, int, int) {
    EXPECT_EQ(graphics, record.BackgroundSurface.Graphics);
    paintsAtFrameHandler = control.Count(WM_PAINT);
    calls.push_back("frame");
  };
  EXPECT_EQ(skin.Repaint(), 1);
  EXPECT_EQ(calls, (std::vector<std::string>{"background", "frame"}));
  EXPECT_EQ(paintsAtFrameHandler, 0) << "the controls are painted after the frame handler";
  EXPECT_EQ(control.Count(WM_PAINT), 1);
  EXPECT_EQ(skin.Busy, 0);

  // The window icon is drawn at (m + 6, m + 6) into the background and the frame.
  const std::uint32_t icon = SurfacePixel(record.BackgroundSurface, 19, 19);
  EXPECT_NE(icon, kThemeArgb);
  EXPECT_EQ(Frame(skin, 19, 19), icon);
  EXPECT_EQ(skin.IconControl.GetBounds().X, 11);

  // Theme colour: a given colour is stored, -1 without a picture keeps it.
  skin.Repaint(std::nullopt, 0x00000080);
  EXPECT_EQ(skin.ThemeColour, 0x00000080u);
  skin.Repaint(std::nullopt, -1);
  EXPECT_EQ(skin.ThemeColour, 0x00000080u);
  EXPECT_EQ(SendMessageA(host, SKM_GETTHEMECOLOUR, 0, 0), 0x80);
}

TEST_F(FrameTest, PictureShapedWindowGetsNoEdgesButStillItsControlsAndHandlers) {
  SkinWindow skin;
  RecordingControl control;
  int handlers = 0;
  TestHostWindow host;
  skin.Create(host, {.ThemeColour = kTheme, .LayerAlpha = 255, .FrameStyle = 1, .FixedSize = 1,
                     .NineSliceRect = RECT{10, 10, 20, 20}});
  ASSERT_TRUE(skin.NineSliceRect.has_value());
  EXPECT_EQ(skin.NineSliceRect->right, 20);
  control.Register(host, MakeRectF(100, 100, 20, 20), ControlKind::Label);
  skin.OnBackgroundPainted = [&](HWND, GpGraphics*, HDC, int, int) { ++handlers; };
  skin.OnFramePainted = [&](HWND, GpGraphics*, HDC, int, int) { ++handlers; };
  skin.Repaint();
  EXPECT_EQ(handlers, 2);
  EXPECT_EQ(control.Count(WM_PAINT), 1);
  EXPECT_EQ(Frame(skin, 3, 100), 0u) << "no shadow";
  EXPECT_EQ(Frame(skin, 5, 100), kThemeArgb) << "no border";
  EXPECT_EQ(Frame(skin, 19, 19), kThemeArgb) << "no icon";
}

TEST_F(FrameTest, RepaintOfAnUnattachedWindowDoesNothing) {
  SkinWindow skin;
  EXPECT_EQ(skin.Repaint(), 0);
  EXPECT_EQ(skin.Busy, 0);
}

TEST_F(FrameTest, SkinningTwoHundredWindowsLeaksNoGdiObject) {
  auto cycle = [] {
    SkinWindow skin;
    RecordingControl control;
    TestHostWindow host;
    skin.Create(host, {.ThemeColour = kTheme, .LayerAlpha = 200, .FixedSize = 1});
    control.Register(host, MakeRectF(100, 100, 20, 20), ControlKind::Label);
    skin.Repaint();
    RedrawRect(skin.WindowIndex, MakeRectF(0, 0, 50, 50));
    PumpMessages();
  };
  for (int i = 0; i < 3; ++i) cycle();  // let the system's caches settle
  const int before = GdiObjectCount();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 200; ++i) cycle();
  // One object lost per window would add 200; the system may still fill a cache or two
  // of its own on the way.
  EXPECT_LE(GdiObjectCount() - before, 8);
}
