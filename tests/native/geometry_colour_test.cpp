// Float and integer rectangles, the overlap test and the colour conversions, under the
// sanitizers: extreme and non-finite inputs must give defined results.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "ui/render/colour.h"
#include "ui/render/geometry.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

}  // namespace

TEST(Geometry, MakeAndAdjust) {
  RectF r = MakeRectF(1.5f, 2.5f, 10, 20);
  AdjustRect(-1, -1, 2, 2, r);
  EXPECT_FLOAT_EQ(r.X, 0.5f);
  EXPECT_FLOAT_EQ(r.Y, 1.5f);
  EXPECT_FLOAT_EQ(r.Width, 12);
  EXPECT_FLOAT_EQ(r.Height, 22);
}

TEST(Geometry, RectFToIntRectTruncatesAndSaturates) {
  struct Case {
    RectF in;
    IntRect expected;
  };
  const Case cases[] = {
      {{1.9f, 2.9f, 10.5f, 3.5f}, {1, 2, 12, 6}},
      {{-1.9f, -0.5f, 0.5f, 0.25f}, {-1, 0, -1, 0}},
      {{0.99999f, 0, 0, 0}, {0, 0, 0, 0}},
      {{2147483520.0f, 0, 1000, 0}, {2147483520, 0, kMax, 0}},  // the sum leaves the range
      {{3e9f, -3e9f, 0, 0}, {kMax, kMin, kMax, kMin}},
      {{-2147483648.0f, 0, 0, 0}, {kMin, 0, kMin, 0}},
      {{kInf, -kInf, 1, 1}, {kMax, kMin, kMax, kMin}},
      {{kNan, 5, kNan, kNan}, {0, 5, 0, 0}},
  };
  for (const Case& c : cases) {
    const IntRect r = RectFToIntRect(c.in);
    EXPECT_EQ(r.Left, c.expected.Left) << c.in.X;
    EXPECT_EQ(r.Top, c.expected.Top) << c.in.Y;
    EXPECT_EQ(r.Right, c.expected.Right) << c.in.X << " + " << c.in.Width;
    EXPECT_EQ(r.Bottom, c.expected.Bottom) << c.in.Y << " + " << c.in.Height;
  }
}

TEST(Geometry, IntRectToRectFWithoutOverflow) {
  struct Case {
    IntRect in;
    RectF expected;
  };
  const Case cases[] = {
      {{10, 20, 110, 70}, {10, 20, 100, 50}},
      {{5, 5, 0, 0}, {5, 5, -5, -5}},
      {{kMin, kMax, kMax, kMin}, {-2147483648.0f, 2147483648.0f, 4294967295.0f, -4294967295.0f}},
  };
  for (const Case& c : cases) {
    const RectF r = IntRectToRectF(c.in);
    EXPECT_FLOAT_EQ(r.X, c.expected.X);
    EXPECT_FLOAT_EQ(r.Y, c.expected.Y);
    EXPECT_FLOAT_EQ(r.Width, c.expected.Width);
    EXPECT_FLOAT_EQ(r.Height, c.expected.Height);
  }
}

TEST(Geometry, RectsOverlapExcludesTouchingWithinTolerance) {
  struct Case {
    RectF a, b;
    bool overlap;
    const char* what;
  };
  const Case cases[] = {
      {{0, 0, 10, 10}, {5, 5, 10, 10}, true, "crossing"},
      {{0, 0, 10, 10}, {2, 2, 1, 1}, true, "contained"},
      {{0, 0, 10, 10}, {10, 0, 10, 10}, false, "side by side"},
      {{0, 0, 10, 10}, {0, 10, 10, 10}, false, "stacked"},
      {{0, 0, 10, 10}, {10, 10, 5, 5}, false, "corners touch"},
      {{0, 0, 0.5f, 0.5f}, {0.5f + 5e-8f, 0, 1, 1}, false, "gap inside the tolerance"},
      {{0, 0, 0.5f, 0.5f}, {0.5f - 5e-8f, 0, 1, 1}, false, "overlap inside the tolerance"},
      {{0, 0, 0.5f, 0.5f}, {0.5f - 1e-6f, 0, 1, 1}, true, "overlap beyond the tolerance"},
      // Adjacent rectangles built by float arithmetic still only touch.
      {{0.1f, 0, 0.2f, 1}, {0.1f + 0.2f, 0, 1, 1}, false, "adjacent by float sum"},
      {{1000.3f, 0, 17.7f, 1}, {1000.3f + 17.7f, 0, 1, 1}, false, "adjacent far from zero"},
      {{0, 0, 10, 10}, {kNan, 0, 1, 1}, false, "NaN"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RectsOverlap(c.a, c.b), c.overlap) << c.what;
    EXPECT_EQ(RectsOverlap(c.b, c.a), c.overlap) << c.what << " (swapped)";
  }
}

TEST(Geometry, FloatComparisonsAllowTheTolerance) {
  EXPECT_TRUE(FloatLess(1.0f, 1.0f + 1e-6f));
  EXPECT_FALSE(FloatLess(1.0f, 1.0f));
  EXPECT_FALSE(FloatLess(0.0f, 5e-8f));
  EXPECT_TRUE(FloatGreater(2e-7f, 0.0f));
  EXPECT_FALSE(FloatGreater(5e-8f, 0.0f));
  EXPECT_FALSE(FloatLess(kNan, 1.0f));
  EXPECT_FALSE(FloatGreater(kNan, 1.0f));
}

TEST(Colour, ColourToArgbTable) {
  struct Case {
    std::uint32_t colour;
    std::optional<int> alpha;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0x000000, 110, 0x6E000000u},
      {0xFF8800, std::nullopt, 0xFE0088FFu},
      {0xFFFFFF, 255, 0xFEFFFFFFu},
      {0xFFFFFF, 70, 0x46FFFFFFu},
      {0x646464, 255, 0xFE646464u},
      {0x010203, 0, 0x00030201u},
      {0xFF010203, 1, 0x01030201u},
      {0x010203, std::numeric_limits<int>::max(), 0xFE030201u},
      {0x010203, std::numeric_limits<int>::min(), 0x00030201u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColourToArgb(c.colour, c.alpha), c.expected) << std::hex << c.colour;
  }
}

TEST(Colour, WithAlphaAndBack) {
  EXPECT_EQ(WithAlpha(0xFE112233u, 0), 0x00112233u);
  EXPECT_EQ(WithAlpha(0x00112233u, 255), 0xFF112233u);
  EXPECT_EQ(WithAlpha(0x00112233u, std::numeric_limits<int>::max()), 0xFF112233u);
  EXPECT_EQ(WithAlpha(0x80112233u, std::numeric_limits<int>::min()), 0x00112233u);

  const ColourAndAlpha split = ArgbToColorRef(0xFE0088FFu);
  EXPECT_EQ(split.Colour, 0xFF8800u);
  EXPECT_EQ(split.Alpha, 254);
  EXPECT_EQ(ArgbToColorRef(0xFFFFFFFFu).Alpha, 255);
  EXPECT_EQ(ArgbToColorRef(0x00123456u).Colour, 0x563412u);
}
