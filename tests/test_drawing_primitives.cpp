// Drawing primitives: colour and rectangle conversions, then fills, outlines, rounded
// rectangles and clipping read back pixel by pixel from a 32-bit surface.
//
// GDI+ stores premultiplied ARGB in the surface, so a translucent colour reads back with
// its red, green and blue scaled by its alpha. Where exact pixels matter the surface draws
// without anti-aliasing, and the cases stay on pixels well inside or outside a shape.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstdint>
#include <optional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_support.h"
#include "tests/support/test_surface.h"
#include "ui/render/colour.h"
#include "ui/render/drawing_primitives.h"
#include "ui/render/geometry.h"
#include "ui/render/rect_conversions.h"

namespace {

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
  return text;
}

int Alpha(std::uint32_t pixel) { return static_cast<int>(pixel >> 24); }
int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }

// Rows of column x (from y0 to y1 exclusive) that hold anything.
int DrawnRowsInColumn(const TestSurface& surface, int x, int y0, int y1) { return surface.CountDrawn(x, y0, x + 1, y1); }

// Bytes in use in all heaps of the process; GDI+ objects live there.
long long HeapBytesInUse() {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  long long total = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    HeapLock(heaps[i]);
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return total;
}

// Near in every channel: GDI+ may round neighbouring gradient pixels differently.
bool NearPixel(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) return false;
  }
  return true;
}

using Points = std::initializer_list<std::pair<int, int>>;

constexpr ARGB kOpaqueRed = 0xFFFF0000;
constexpr ARGB kOpaqueGreen = 0xFF00FF00;
constexpr ARGB kOpaqueBlue = 0xFF0000FF;

// Premultiplied stored values of the outline colours drawn once onto a clear surface.
constexpr std::uint32_t kStoredSunkenDark = 0xA0000000;  // black alpha 160
constexpr std::uint32_t kStoredRaisedDark = 0xA8000000;  // black alpha 168
constexpr std::uint32_t kStoredLight = 0xF5F5F5F5;       // white alpha 245

}  // namespace

// --- Conversions --------------------------------------------------------------------

TEST(Colour, ColourToArgbSwapsToArgbAndCapsAlphaAt254) {
  struct Case {
    std::uint32_t colour;
    std::optional<int> alpha;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0x000000, 110, 0x6E000000},           // black alpha 110
      {0xFF8800, std::nullopt, 0xFE0088FF},  // blue 255, green 136, red 0, default alpha
      {0x112233, 255, 0xFE332211},           // 255 is lowered
      {0x112233, 254, 0xFE332211},
      {0x112233, 0, 0x00332211},
      {0xAB112233, 70, 0x46332211},  // the top byte of the colour is ignored
      {0x646464, 300, 0xFE646464},   // out of range: clamped, never spills into the colour
      {0x646464, -1, 0x00646464},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(ColourToArgb(c.colour, c.alpha)), Hex(c.expected))
        << "colour " << Hex(c.colour) << " alpha " << (c.alpha ? std::to_string(*c.alpha) : "none");
  }
}

TEST(Colour, WithAlphaAndArgbToColorRef) {
  EXPECT_EQ(Hex(WithAlpha(0xFE123456, 0)), "00123456");
  EXPECT_EQ(Hex(WithAlpha(0x00123456, 255)), "FF123456");
  EXPECT_EQ(Hex(WithAlpha(0x80123456, 256)), "FF123456");
  EXPECT_EQ(Hex(WithAlpha(0x80123456, -5)), "00123456");

  const ColourAndAlpha split = ArgbToColorRef(0x6E112233);
  EXPECT_EQ(Hex(split.Colour), "00332211");
  EXPECT_EQ(split.Alpha, 0x6E);
  // Back and forth is the identity on 24-bit colours.
  for (std::uint32_t colour : {0x000000u, 0xFF8800u, 0x123456u, 0xFFFFFFu}) {
    EXPECT_EQ(ArgbToColorRef(ColourToArgb(colour, 17)).Colour, colour) << Hex(colour);
    EXPECT_EQ(ArgbToColorRef(ColourToArgb(colour, 17)).Alpha, 17);
  }
}

TEST(Rectangles, RectFToRectTruncatesTheEdgesTowardZero) {
  struct Case {
    RectF in;
    RECT expected;
  };
  const Case cases[] = {
      {{1.9f, 2.9f, 10.5f, 3.5f}, {1, 2, 12, 6}},  // right and bottom from the float sums
      {{-1.5f, -2.5f, 1.0f, 5.0f}, {-1, -2, 0, 2}},
      {{0, 0, 0, 0}, {0, 0, 0, 0}},
      {{5, 5, -3, -3}, {5, 5, 2, 2}},
      {{3e9f, -3e9f, 1, 1}, {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN}},
      {{std::nanf(""), 1, 2, 3}, {0, 1, 0, 4}},
  };
  for (const Case& c : cases) {
    const RECT r = RectFToRect(c.in);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
  }
}

TEST(Rectangles, RectToRectFTakesWidthAndHeightFromTheEdges) {
  struct Case {
    RECT in;
    RectF expected;
  };
  const Case cases[] = {
      {{10, 20, 110, 70}, {10, 20, 100, 50}},
      {{5, 5, 2, 1}, {5, 5, -3, -4}},
      {{INT32_MIN, 0, INT32_MAX, 0}, {-2147483648.0f, 0, 4294967295.0f, 0}},  // no overflow
  };
  for (const Case& c : cases) {
    const RectF r = RectToRectF(c.in);
    EXPECT_FLOAT_EQ(r.X, c.expected.X);
    EXPECT_FLOAT_EQ(r.Y, c.expected.Y);
    EXPECT_FLOAT_EQ(r.Width, c.expected.Width);
    EXPECT_FLOAT_EQ(r.Height, c.expected.Height);
  }
}

TEST(Rectangles, OverlapNeedsSharedAreaBeyondTheTolerance) {
  const RectF a{10, 10, 20, 20};
  struct Case {
    RectF b;
    bool overlap;
    const char* what;
  };
  const Case cases[] = {
      {{15, 15, 5, 5}, true, "inside"},
      {{0, 0, 100, 100}, true, "around"},
      {{29, 29, 5, 5}, true, "corner overlap"},
      {{30, 10, 5, 20}, false, "touches the right edge"},
      {{-5, 10, 15, 20}, false, "touches the left edge"},
      {{10, 30, 20, 5}, false, "touches the bottom edge"},
      {{10, 0, 20, 10}, false, "touches the top edge"},
      {{30.00001f, 10, 5, 5}, false, "apart"},
      {{29.99999f, 10, 5, 5}, true, "overlaps by 1e-5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RectsOverlap(a, c.b), c.overlap) << c.what;
    EXPECT_EQ(RectsOverlap(c.b, a), c.overlap) << c.what << " (swapped)";
  }
  // Within the tolerance near zero: touching, not overlapping.
  EXPECT_FALSE(RectsOverlap(RectF{0, 0, 1e-8f, 1}, RectF{0, 0, 1, 1}));
  EXPECT_TRUE(RectsOverlap(RectF{0, 0, 1e-6f, 1}, RectF{0, 0, 1, 1}));
}

// --- Drawing ------------------------------------------------------------------------

TEST(DrawingPrimitives, FillRectLeavesTheLastColumnAndRow) {
  TestSurface surface(10, 10, SmoothingModeNone);
  draw::FillRect(surface.Graphics(), RectF{2, 3, 5, 4}, kOpaqueBlue);
  EXPECT_EQ(surface.CountDrawn(0, 0, 10, 10), 4 * 3);
  EXPECT_EQ(Hex(surface.Pixel(2, 3)), "FF0000FF");
  EXPECT_EQ(Hex(surface.Pixel(5, 5)), "FF0000FF");
  EXPECT_EQ(surface.Pixel(6, 4), 0u) << "last column";
  EXPECT_EQ(surface.Pixel(3, 6), 0u) << "last row";

  // A translucent fill reads back premultiplied.
  TestSurface translucent(4, 4, SmoothingModeNone);
  draw::FillRect(translucent.Graphics(), RectF{0, 0, 4, 4}, ColourToArgb(0xFFFFFF, 128));
  EXPECT_EQ(Hex(translucent.Pixel(1, 1)), "80808080");
}

TEST(DrawingPrimitives, SurfacesOfEitherOrientationReadBackTheSame) {
  for (auto orientation : {TestSurface::Orientation::TopDown, TestSurface::Orientation::BottomUp}) {
    TestSurface surface(6, 5, SmoothingModeNone, orientation);
    draw::FillRect(surface.Graphics(), RectF{1, 0, 2, 2}, kOpaqueRed);
    draw::FillRect(surface.Graphics(), RectF{4, 4, 2, 2}, kOpaqueGreen);
    EXPECT_EQ(Hex(surface.Pixel(1, 0)), "FFFF0000");
    EXPECT_EQ(Hex(surface.Pixel(4, 4)), "FF00FF00");
    EXPECT_EQ(surface.CountDrawn(0, 0, 6, 5), 2);
    surface.Clear(0x80FFFFFF);
    EXPECT_EQ(Hex(surface.Pixel(5, 0)), "80808080");
  }
}

TEST(DrawingPrimitives, GradientRunsOverTheWholeRectangleInItsDirection) {
  constexpr int kSize = 12;
  for (int direction : {draw::GradientVertical, draw::GradientHorizontal}) {
    SCOPED_TRACE(direction == draw::GradientVertical ? "vertical" : "horizontal");
    TestSurface surface(kSize + 2, kSize + 2, SmoothingModeNone);
    draw::FillGradientRect(surface.Graphics(), RectF{0, 0, kSize, kSize}, kOpaqueRed, kOpaqueBlue, direction);
    // Position i along the gradient, at a fixed place across it.
    auto along = [&](int i, int across) {
      return direction == draw::GradientVertical ? surface.Pixel(across, i) : surface.Pixel(i, across);
    };
    EXPECT_EQ(Hex(along(0, 5)), "FFFF0000") << "starts at the start colour";
    int previousBlue = -1;
    for (int i = 0; i < kSize - 1; ++i) {
      EXPECT_TRUE(NearPixel(along(i, 0), along(i, kSize - 2), 1))
          << "constant across, at " << i << ": " << Hex(along(i, 0)) << " " << Hex(along(i, kSize - 2));
      EXPECT_EQ(Alpha(along(i, 3)), 255);
      EXPECT_GT(Blue(along(i, 3)), previousBlue) << "towards the end colour, at " << i;
      previousBlue = Blue(along(i, 3));
    }
    // The last drawn step is 10/12 (not 10/11) of the way: the brush spans the full
    // rectangle while the fill leaves its last step out.
    const std::uint32_t last = along(kSize - 2, 3);
    EXPECT_GE(Blue(last), 205) << Hex(last);
    EXPECT_LE(Blue(last), 226) << Hex(last);
    EXPECT_NEAR(Red(last) + Blue(last), 255, 1) << Hex(last);
    EXPECT_EQ(along(kSize - 1, 3), 0u) << "last step left out";
    EXPECT_EQ(surface.CountDrawn(0, 0, kSize + 2, kSize + 2), (kSize - 1) * (kSize - 1));
  }
}

// The sunken and raised looks on R = {2, 2, 10, 8}: right column 11, bottom row 9.
TEST(DrawingPrimitives, SunkenAndRaisedOutlinesShareTheCornersAsDrawn) {
  const RectF rect{2, 2, 10, 8};
  constexpr int kX = 2, kY = 2, kRight = 11, kBottom = 9;
  {
    SCOPED_TRACE("sunken");
    TestSurface surface(14, 12, SmoothingModeNone);
    draw::DrawOutline(surface.Graphics(), rect, draw::OutlineSunken);
    EXPECT_EQ(Hex(surface.Pixel(6, kY)), Hex(kStoredSunkenDark)) << "top";
    EXPECT_EQ(Hex(surface.Pixel(kX, 5)), Hex(kStoredSunkenDark)) << "left";
    EXPECT_EQ(Hex(surface.Pixel(6, kBottom)), Hex(kStoredLight)) << "bottom";
    EXPECT_EQ(Hex(surface.Pixel(kRight, 5)), Hex(kStoredLight)) << "right";
    // The light right edge reaches the bottom row, so the corner is covered twice.
    EXPECT_GT(Alpha(surface.Pixel(kRight, kBottom)), 245) << Hex(surface.Pixel(kRight, kBottom));
    EXPECT_EQ(Red(surface.Pixel(kRight, kBottom)), Alpha(surface.Pixel(kRight, kBottom))) << "white";
    EXPECT_EQ(surface.CountDrawn(kX + 1, kY + 1, kRight, kBottom), 0) << "inside untouched";
    EXPECT_EQ(surface.CountDrawn(0, 0, 14, 12), 2 * 10 + 2 * 6);
  }
  {
    SCOPED_TRACE("raised");
    TestSurface surface(14, 12, SmoothingModeNone);
    draw::DrawOutline(surface.Graphics(), rect, draw::OutlineRaised);
    EXPECT_EQ(Hex(surface.Pixel(6, kY)), Hex(kStoredLight)) << "top";
    EXPECT_EQ(Hex(surface.Pixel(kX, 5)), Hex(kStoredLight)) << "left";
    EXPECT_EQ(Hex(surface.Pixel(6, kBottom)), Hex(kStoredRaisedDark)) << "bottom";
    EXPECT_EQ(Hex(surface.Pixel(kRight, 5)), Hex(kStoredRaisedDark)) << "right";
    // The light edges stop one short of the far corners, and the dark right edge stops
    // one above the bottom row: each of these corners is drawn once, in the dark colour.
    EXPECT_EQ(Hex(surface.Pixel(kRight, kY)), Hex(kStoredRaisedDark)) << "top right";
    EXPECT_EQ(Hex(surface.Pixel(kX, kBottom)), Hex(kStoredRaisedDark)) << "bottom left";
    EXPECT_EQ(Hex(surface.Pixel(kRight, kBottom)), Hex(kStoredRaisedDark)) << "bottom right";
    EXPECT_EQ(surface.CountDrawn(kX + 1, kY + 1, kRight, kBottom), 0) << "inside untouched";
    EXPECT_EQ(surface.CountDrawn(0, 0, 14, 12), 2 * 10 + 2 * 6);
  }
}

TEST(DrawingPrimitives, SunkenAndRaisedDrawTheirLightEdgesAtHalfTheWidth) {
  for (ARGB kind : {draw::OutlineSunken, draw::OutlineRaised}) {
    SCOPED_TRACE(kind == draw::OutlineSunken ? "sunken" : "raised");
    TestSurface surface(40, 40, SmoothingModeNone);
    draw::DrawOutline(surface.Graphics(), RectF{8, 8, 24, 24}, kind, std::nullopt, 4.0f);
    const int top = DrawnRowsInColumn(surface, 20, 0, 20);
    const int bottom = DrawnRowsInColumn(surface, 20, 20, 40);
    const int dark = kind == draw::OutlineSunken ? top : bottom;
    const int light = kind == draw::OutlineSunken ? bottom : top;
    EXPECT_EQ(dark, 4);
    EXPECT_EQ(light, 2);
  }
}

TEST(DrawingPrimitives, PlainOutlinesStrokeTheRectangleInsideItsLastColumnAndRow) {
  struct Case {
    const char* what;
    ARGB kind;
    std::optional<ARGB> colour;
    std::uint32_t stored;  // premultiplied; 0 when checked separately
  };
  const Case cases[] = {
      {"ARGB black alpha 110, colour argument ignored", ColourToArgb(0x000000, 110), kOpaqueRed, 0x6E000000},
      {"ARGB opaque green", kOpaqueGreen, std::nullopt, 0xFF00FF00},
      {"grey preset with a colour", draw::OutlineGrey, kOpaqueBlue, 0xFF0000FF},
      {"grey preset", draw::OutlineGrey, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestSurface surface(14, 12, SmoothingModeNone);
    draw::DrawOutline(surface.Graphics(), RectF{2, 2, 10, 8}, c.kind, c.colour);
    const std::uint32_t edge = surface.Pixel(6, 2);
    for (auto [x, y] : Points{{2, 2}, {11, 2}, {2, 9}, {11, 9}, {6, 9}, {2, 5}, {11, 5}}) {
      EXPECT_EQ(Hex(surface.Pixel(x, y)), Hex(edge)) << "at " << x << "," << y;
    }
    EXPECT_EQ(surface.CountDrawn(0, 0, 14, 12), 2 * 10 + 2 * 6) << "one pixel wide, nothing outside";
    if (c.stored != 0) {
      EXPECT_EQ(Hex(edge), Hex(c.stored));
    } else {
      // Grey 0x646464 at alpha 254 (never 255), stored premultiplied.
      EXPECT_EQ(Alpha(edge), 254) << Hex(edge);
      for (int channel : {Red(edge), Green(edge), Blue(edge)}) {
        EXPECT_NEAR(channel, 0x64 * 254 / 255.0, 1.0) << Hex(edge);
      }
    }
  }
}

TEST(DrawingPrimitives, DashedOutlineHasGapsAndDefaultsToBlackAlpha90) {
  for (std::optional<ARGB> colour : {std::optional<ARGB>{}, std::optional<ARGB>{kOpaqueRed}}) {
    TestSurface surface(40, 8, SmoothingModeNone);
    draw::DrawOutline(surface.Graphics(), RectF{1, 1, 36, 5}, draw::OutlineDashed, colour);
    const std::uint32_t expected = colour ? 0xFFFF0000 : 0x5A000000;
    int drawn = 0, gaps = 0;
    for (int x = 1; x <= 36; ++x) {
      const std::uint32_t pixel = surface.Pixel(x, 1);
      if (pixel == 0) {
        ++gaps;
      } else {
        ++drawn;
        EXPECT_EQ(Hex(pixel), Hex(expected)) << "x " << x;
      }
    }
    EXPECT_GE(gaps, 5) << "dashes along the top edge";
    EXPECT_GE(drawn, 2 * gaps);
    EXPECT_EQ(surface.CountDrawn(0, 7, 40, 8) + surface.CountDrawn(37, 0, 40, 8), 0) << "nothing outside";
  }
}

// A rounded rectangle of corner size 6 on {0, 0, 20, 16}: arcs of radius 3 centred 3
// pixels in from the top-left corner.
TEST(DrawingPrimitives, RoundRectCornerSizeSixHasRadiusThree) {
  TestSurface surface(24, 20, SmoothingModeNone);
  draw::DrawRoundRect(surface.Graphics(), RectF{0, 0, 20, 16}, 6, kOpaqueBlue);
  // Pixel centres more than 3 from (3, 3) lie outside; those within, inside. A radius of
  // 6 would clear (1, 1); a radius of 1.5 would fill (2, 0) and (0, 2).
  for (auto [x, y] : Points{{0, 0}, {1, 0}, {0, 1}, {2, 0}, {0, 2}}) {
    EXPECT_EQ(surface.Pixel(x, y), 0u) << "outside the arc at " << x << "," << y;
  }
  for (auto [x, y] : Points{{1, 1}, {2, 1}, {1, 2}, {3, 0}, {0, 3}, {10, 0}, {0, 8}, {10, 8}}) {
    EXPECT_EQ(Hex(surface.Pixel(x, y)), "FF0000FF") << "inside at " << x << "," << y;
  }
  // The other corners are cut as well, and nothing reaches past x + width - 1 or
  // y + height - 1.
  for (auto [x, y] : Points{{19, 0}, {0, 15}, {19, 15}, {18, 0}, {0, 14}}) {
    EXPECT_EQ(surface.Pixel(x, y), 0u) << "corner at " << x << "," << y;
  }
  EXPECT_EQ(surface.CountDrawn(20, 0, 24, 20) + surface.CountDrawn(0, 16, 24, 20), 0);
}

// Where the arcs of both paths begin and end, in drawing order, on {10, 20, 40, 30} with
// corner size 6. The stroking path spans 10..49 x 20..49; the clipping path reaches 50
// on the right and carries its half-pixel offsets on the left and at the bottom.
TEST(DrawingPrimitives, RoundRectPathsRunThroughTheirArcEnds) {
  struct Case {
    const char* what;
    GpPath* path;
    std::vector<GpPointF> anchors;
  };
  const RectF rect{10, 20, 40, 30};
  const Case cases[] = {
      {"stroking path",
       draw::BuildRoundRectPath(rect, 6.0f),
       {{10, 23}, {13, 20}, {46, 20}, {49, 23}, {49, 46}, {46, 49}, {13, 49}, {10, 46}}},
      {"clipping path",
       draw::BuildClipRoundRectPath(rect, 6),
       {{47, 20}, {50, 23}, {50, 46}, {47, 49}, {13, 49.5f}, {10, 46.5f}, {10, 22.5f}, {13, 19.5f}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_NE(c.path, nullptr);
    INT count = 0;
    GdipGetPointCount(c.path, &count);
    std::vector<GpPointF> points(count);
    std::vector<BYTE> types(count);
    GdipGetPathPoints(c.path, points.data(), count);
    GdipGetPathTypes(c.path, types.data(), count);
    FillMode fillMode = FillModeWinding;
    GdipGetPathFillMode(c.path, &fillMode);
    GdipDeletePath(c.path);

    EXPECT_EQ(fillMode, FillModeAlternate);
    ASSERT_GT(count, 0);
    EXPECT_EQ(types.back() & 0x80, 0x80) << "closed figure";
    // Each anchor in turn, as one of the path's points after the previous anchor.
    int next = 0;
    for (const GpPointF& anchor : c.anchors) {
      while (next < count && (std::abs(points[next].X - anchor.X) > 1e-3f || std::abs(points[next].Y - anchor.Y) > 1e-3f)) {
        ++next;
      }
      EXPECT_LT(next, count) << "no point at " << anchor.X << "," << anchor.Y;
      ++next;
    }
    float minX = points[0].X, maxX = points[0].X, minY = points[0].Y, maxY = points[0].Y;
    for (const GpPointF& p : points) {
      minX = std::min(minX, p.X);
      maxX = std::max(maxX, p.X);
      minY = std::min(minY, p.Y);
      maxY = std::max(maxY, p.Y);
    }
    const bool clip = c.anchors.front().X == 47;
    EXPECT_FLOAT_EQ(minX, 10);
    EXPECT_FLOAT_EQ(maxX, clip ? 50 : 49);
    EXPECT_FLOAT_EQ(minY, clip ? 19.5f : 20);
    EXPECT_FLOAT_EQ(maxY, clip ? 49.5f : 49);
  }
}

TEST(DrawingPrimitives, RoundRectFillsBeforeItStrokesAndNeedsFillOrLine) {
  TestSurface surface(24, 20, SmoothingModeNone);
  draw::DrawRoundRect(surface.Graphics(), RectF{0, 0, 20, 16}, 6, kOpaqueRed, kOpaqueGreen);
  EXPECT_EQ(Hex(surface.Pixel(10, 0)), "FF00FF00") << "the line lies on top of the fill";
  EXPECT_EQ(Hex(surface.Pixel(0, 8)), "FF00FF00");
  EXPECT_EQ(Hex(surface.Pixel(10, 8)), "FFFF0000");

  TestSurface lineOnly(24, 20, SmoothingModeNone);
  draw::DrawRoundRect(lineOnly.Graphics(), RectF{0, 0, 20, 16}, 6, std::nullopt, kOpaqueGreen, 1.0f);
  EXPECT_EQ(Hex(lineOnly.Pixel(10, 0)), "FF00FF00");
  EXPECT_EQ(Hex(lineOnly.Pixel(19, 8)), "FF00FF00") << "x + width - 1";
  EXPECT_EQ(Hex(lineOnly.Pixel(10, 15)), "FF00FF00") << "y + height - 1";
  EXPECT_EQ(lineOnly.CountDrawn(20, 0, 24, 20) + lineOnly.CountDrawn(0, 16, 24, 20), 0);
  EXPECT_EQ(lineOnly.Pixel(10, 8), 0u) << "not filled";

  TestSurface nothing(24, 20, SmoothingModeNone);
  draw::DrawRoundRect(nothing.Graphics(), RectF{0, 0, 20, 16}, 6);
  EXPECT_EQ(nothing.CountDrawn(0, 0, 24, 20), 0);
}

TEST(DrawingPrimitives, ZeroCornerSizeGivesSquareCorners) {
  TestSurface surface(24, 20, SmoothingModeNone);
  draw::DrawRoundRect(surface.Graphics(), RectF{2, 2, 10, 8}, 0, kOpaqueBlue);
  EXPECT_EQ(Hex(surface.Pixel(2, 2)), "FF0000FF");
  EXPECT_EQ(Hex(surface.Pixel(10, 8)), "FF0000FF");

  TestSurface clipped(24, 20, SmoothingModeNone);
  GpPath* path = draw::BuildClipRoundRectPath(RectF{2, 2, 10, 8}, 0);
  ASSERT_NE(path, nullptr);
  draw::SetClipPath(clipped.Graphics(), path, CombineModeReplace);
  GdipDeletePath(path);
  draw::FillRect(clipped.Graphics(), RectF{0, 0, 24, 20}, kOpaqueBlue);
  EXPECT_EQ(clipped.CountDrawn(0, 0, 24, 20), 10 * 8);
}

TEST(DrawingPrimitives, ClipPathKeepsAFillInsideRoundedCorners) {
  TestSurface surface(24, 20, SmoothingModeNone);
  GpPath* path = draw::BuildClipRoundRectPath(RectF{0, 0, 20, 16}, 6);
  ASSERT_NE(path, nullptr);
  draw::SetClipPath(surface.Graphics(), path, CombineModeReplace);
  GdipDeletePath(path);
  draw::FillRect(surface.Graphics(), RectF{0, 0, 25, 21}, kOpaqueBlue);
  for (auto [x, y] : Points{{0, 0}, {1, 0}, {0, 1}, {19, 0}, {0, 15}, {19, 15}}) {
    EXPECT_EQ(surface.Pixel(x, y), 0u) << "corner at " << x << "," << y;
  }
  // Unlike the stroking path, the clip reaches x + width and y + height: the last column
  // and row of the rectangle are kept, the ones beyond are not.
  EXPECT_EQ(Hex(surface.Pixel(19, 8)), "FF0000FF");
  EXPECT_EQ(Hex(surface.Pixel(10, 15)), "FF0000FF");
  EXPECT_EQ(Hex(surface.Pixel(10, 0)), "FF0000FF");
  EXPECT_EQ(Hex(surface.Pixel(0, 8)), "FF0000FF");
  EXPECT_EQ(surface.Pixel(20, 8), 0u);
  EXPECT_EQ(surface.Pixel(10, 16), 0u);

  draw::ResetClip(surface.Graphics());
  draw::FillRect(surface.Graphics(), RectF{0, 0, 2, 2}, kOpaqueRed);
  EXPECT_EQ(Hex(surface.Pixel(0, 0)), "FFFF0000") << "no clip after ResetClip";
}

TEST(DrawingPrimitives, ClipRectReplacesOrExcludes) {
  TestSurface surface(12, 12, SmoothingModeNone);
  draw::SetClipRect(surface.Graphics(), RectF{2, 2, 8, 8}, CombineModeReplace);
  draw::SetClipRect(surface.Graphics(), RectF{4, 4, 2, 2}, CombineModeExclude);
  draw::FillRect(surface.Graphics(), RectF{0, 0, 13, 13}, kOpaqueBlue);
  EXPECT_EQ(surface.CountDrawn(0, 0, 12, 12), 8 * 8 - 2 * 2);
  EXPECT_EQ(surface.Pixel(4, 4), 0u);
  EXPECT_EQ(surface.Pixel(1, 1), 0u);
  EXPECT_EQ(Hex(surface.Pixel(2, 2)), "FF0000FF");

  draw::SetClipRect(surface.Graphics(), RectF{0, 0, 1, 1}, CombineModeReplace);
  draw::FillRect(surface.Graphics(), RectF{0, 0, 13, 13}, kOpaqueRed);
  EXPECT_EQ(Hex(surface.Pixel(0, 0)), "FFFF0000");
  EXPECT_EQ(Hex(surface.Pixel(4, 4)), "00000000") << "replace drops the earlier clip";
}

TEST(DrawingPrimitives, LineRunsBetweenItsEndpointsAtItsWidth) {
  TestSurface surface(20, 20, SmoothingModeNone);
  draw::DrawLine(surface.Graphics(), kOpaqueGreen, 3, 5, 14, 5);
  EXPECT_EQ(surface.CountDrawn(0, 0, 20, 20), 12) << "both endpoints included";
  EXPECT_EQ(Hex(surface.Pixel(3, 5)), "FF00FF00");
  EXPECT_EQ(Hex(surface.Pixel(14, 5)), "FF00FF00");
  draw::DrawLine(surface.Graphics(), kOpaqueRed, 10, 8, 10, 18, 3.0f);
  EXPECT_EQ(surface.CountDrawn(8, 12, 13, 13), 3);
}

TEST(DrawingPrimitives, HandlesAreReleasedAndMissingOnesAreHarmless) {
  // Nothing to draw on: every routine returns quietly.
  const RectF rect{1, 1, 30, 20};
  draw::FillRect(nullptr, rect, kOpaqueRed);
  draw::FillGradientRect(nullptr, rect, kOpaqueRed, kOpaqueBlue);
  draw::DrawLine(nullptr, kOpaqueRed, 0, 0, 5, 5);
  draw::DrawOutline(nullptr, rect, draw::OutlineSunken);
  draw::DrawRoundRect(nullptr, rect, 6, kOpaqueRed, kOpaqueBlue);
  draw::SetClipRect(nullptr, rect, CombineModeReplace);
  draw::SetClipPath(nullptr, nullptr, CombineModeReplace);
  draw::ResetClip(nullptr);

  // Every pen, brush and path made inside a routine is freed: rounds of all of them leave
  // the heaps as they were. (One forgotten brush a round would show as a few kilobytes.)
  TestSurface surface(40, 30);
  auto round = [&] {
    GpGraphics* g = surface.Graphics();
    draw::FillRect(g, rect, kOpaqueRed);
    draw::FillGradientRect(g, rect, kOpaqueRed, kOpaqueBlue, draw::GradientHorizontal);
    draw::FillGradientRect(g, RectF{0, 0, 0, 0}, kOpaqueRed, kOpaqueBlue);  // no brush possible
    draw::DrawLine(g, kOpaqueGreen, 0, 0, 10, 10, 2.0f);
    for (ARGB kind : {draw::OutlineSunken, draw::OutlineRaised, draw::OutlineGrey, draw::OutlineDashed, kOpaqueBlue}) {
      draw::DrawOutline(g, rect, kind);
    }
    draw::DrawRoundRect(g, rect, 6, kOpaqueRed, kOpaqueBlue);
    draw::DrawRoundRect(g, rect, 6);
  };
  for (int i = 0; i < 50; ++i) round();  // first-use allocations of GDI+
  const long long before = HeapBytesInUse();
  for (int i = 0; i < 500; ++i) round();
  EXPECT_LT(HeapBytesInUse() - before, 1000);
}
