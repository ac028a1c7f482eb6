// The GDI+ drawing routines every painter of the UI library stands on: pens and brushes,
// clipping, solid and gradient fills, lines, rectangle outlines and rounded rectangles.
// Each routine creates and releases the GDI+ objects it needs within the call; nothing is
// kept between calls. Colours are ARGB (see ColourToArgb), widths are pixels.
#pragma once

#include <optional>

#include "ui/engine/gdiplus_api.h"
#include "ui/render/geometry.h"

namespace draw {

// Preset looks of DrawOutline. Any other value of its third argument is an ARGB colour.
inline constexpr ARGB OutlineSunken = 1;  // dark top and left, light bottom and right
inline constexpr ARGB OutlineRaised = 2;  // light top and left, dark bottom and right
inline constexpr ARGB OutlineGrey = 3;    // plain grey, or the given colour
inline constexpr ARGB OutlineDashed = 4;  // dashed focus frame, black alpha 90 by default

// Gradient directions of FillGradientRect (GDI+ linear gradient modes).
inline constexpr int GradientHorizontal = 0;  // left to right
inline constexpr int GradientVertical = 1;    // top to bottom

// A new pen or solid brush; the caller deletes it. Null when GDI+ refuses.
GpPen* CreatePen(ARGB colour, float width = 1.0f, Unit unit = UnitWorld);
GpSolidFill* CreateSolidBrush(ARGB colour);

// Sets the clip of `graphics` to `rect` or `path`, combined with the present clip by
// `mode` (CombineModeReplace, CombineModeExclude, ...).
void SetClipRect(GpGraphics* graphics, const RectF& rect, CombineMode mode);
void SetClipPath(GpGraphics* graphics, GpPath* path, CombineMode mode);
void ResetClip(GpGraphics* graphics);

// Fill {x, y, width - 1, height - 1}: the last column and row of `rect` stay untouched.
void FillRect(GpGraphics* graphics, const RectF& rect, ARGB colour);
// The gradient runs over the whole of `rect` from `start` to `end`, tiled and flipped
// beyond it; `direction` is GradientHorizontal or GradientVertical.
void FillGradientRect(GpGraphics* graphics, const RectF& rect, ARGB start, ARGB end,
                      int direction = GradientVertical);

void DrawLine(GpGraphics* graphics, ARGB colour, float x1, float y1, float x2, float y2, float width = 1.0f);

// A rectangle outline whose right column is x + width - 1 and bottom row y + height - 1.
// `kindOrColour` is one of the Outline* presets or, for any other value, the ARGB colour
// of a plain outline (then `colour` is ignored). `colour` replaces the default colour of
// OutlineGrey and OutlineDashed. The sunken and raised looks draw their light edges with
// half of `width`.
void DrawOutline(GpGraphics* graphics, const RectF& rect, ARGB kindOrColour, std::optional<ARGB> colour = std::nullopt,
                 float width = 1.0f);

// A new closed path (caller deletes it) of the rectangle spanning x .. x + width - 1 and
// y .. y + height - 1 whose corners are quarter ellipses in a cornerSize square, i.e. of
// radius cornerSize / 2. A corner size of 0 or less gives square corners.
GpPath* BuildRoundRectPath(const RectF& rect, float cornerSize);

// Fills the rounded rectangle when `fill` is given, then strokes it when `line` is given.
void DrawRoundRect(GpGraphics* graphics, const RectF& rect, float cornerSize, std::optional<ARGB> fill = std::nullopt,
                   std::optional<ARGB> line = std::nullopt, float lineWidth = 1.0f);

// A new closed path (caller deletes it) for clipping a picture or a button face to
// rounded corners: it reaches x + width on the right and y + height at the bottom, one
// pixel beyond the stroking path, and its arcs sit on fixed half-pixel offsets. A corner
// size of 0 or less gives square corners.
GpPath* BuildClipRoundRectPath(const RectF& rect, int cornerSize);

}  // namespace draw
