#include "ui/render/drawing_primitives.h"

#include "ui/render/colour.h"

namespace draw {

namespace {

// Owners that release a GDI+ object at the end of the drawing routine, whatever the
// drawing calls returned.
struct PenOwner {
  GpPen* Pen;
  ~PenOwner() {
    if (Pen) GdipDeletePen(Pen);
  }
};

struct BrushOwner {
  GpBrush* Brush;
  ~BrushOwner() {
    if (Brush) GdipDeleteBrush(Brush);
  }
};

struct PathOwner {
  GpPath* Path;
  ~PathOwner() {
    if (Path) GdipDeletePath(Path);
  }
};

GpRectF ToGp(const RectF& rect) { return GpRectF{rect.X, rect.Y, rect.Width, rect.Height}; }

void StrokeRectangle(GpGraphics* graphics, const RectF& rect, ARGB colour, float width, bool dashed) {
  PenOwner pen{CreatePen(colour, width)};
  if (!pen.Pen) return;
  if (dashed) GdipSetPenDashStyle(pen.Pen, DashStyleDash);
  GdipDrawRectangle(graphics, pen.Pen, rect.X, rect.Y, rect.Width - 1, rect.Height - 1);
}

// Light and dark edges of the sunken and raised looks.
const ARGB kSunkenDark = ColourToArgb(0x000000, 160);
const ARGB kRaisedDark = ColourToArgb(0x000000, 168);
const ARGB kLight = ColourToArgb(0xFFFFFF, 245);
const ARGB kGrey = ColourToArgb(0x646464, 255);
const ARGB kFocusBlack = ColourToArgb(0x000000, 90);

void AddSquareCorners(GpPath* path, const RectF& rect, float right, float bottom) {
  GdipAddPathRectangle(path, rect.X, rect.Y, right - rect.X, bottom - rect.Y);
}

}  // namespace

GpPen* CreatePen(ARGB colour, float width, Unit unit) {
  GpPen* pen = nullptr;
  if (GdipCreatePen1(colour, width, unit, &pen) != Ok) return nullptr;
  return pen;
}

GpSolidFill* CreateSolidBrush(ARGB colour) {
  GpSolidFill* brush = nullptr;
  if (GdipCreateSolidFill(colour, &brush) != Ok) return nullptr;
  return brush;
}

void SetClipRect(GpGraphics* graphics, const RectF& rect, CombineMode mode) {
  GdipSetClipRect(graphics, rect.X, rect.Y, rect.Width, rect.Height, mode);
}

void SetClipPath(GpGraphics* graphics, GpPath* path, CombineMode mode) { GdipSetClipPath(graphics, path, mode); }

void ResetClip(GpGraphics* graphics) { GdipResetClip(graphics); }

void FillRect(GpGraphics* graphics, const RectF& rect, ARGB colour) {
  BrushOwner brush{CreateSolidBrush(colour)};
  if (!brush.Brush) return;
  GdipFillRectangle(graphics, brush.Brush, rect.X, rect.Y, rect.Width - 1, rect.Height - 1);
}

void FillGradientRect(GpGraphics* graphics, const RectF& rect, ARGB start, ARGB end, int direction) {
  const GpRectF whole = ToGp(rect);
  GpLineGradient* gradient = nullptr;
  if (GdipCreateLineBrushFromRect(&whole, start, end, static_cast<LinearGradientMode>(direction), WrapModeTileFlipXY,
                                  &gradient) != Ok) {
    gradient = nullptr;
  }
  BrushOwner brush{gradient};
  if (!brush.Brush) return;
  GdipFillRectangle(graphics, brush.Brush, rect.X, rect.Y, rect.Width - 1, rect.Height - 1);
}

void DrawLine(GpGraphics* graphics, ARGB colour, float x1, float y1, float x2, float y2, float width) {
  PenOwner pen{CreatePen(colour, width)};
  if (!pen.Pen) return;
  GdipDrawLine(graphics, pen.Pen, x1, y1, x2, y2);
}

void DrawOutline(GpGraphics* graphics, const RectF& rect, ARGB kindOrColour, std::optional<ARGB> colour, float width) {
  const float x = rect.X;
  const float y = rect.Y;
  const float right = rect.X + rect.Width - 1;
  const float bottom = rect.Y + rect.Height - 1;
  switch (kindOrColour) {
    case OutlineSunken: {
      PenOwner dark{CreatePen(kSunkenDark, width)};
      if (dark.Pen) {
        GdipDrawLine(graphics, dark.Pen, x, y, right, y);
        GdipDrawLine(graphics, dark.Pen, x, y, x, bottom);
      }
      PenOwner light{CreatePen(kLight, width / 2)};
      if (light.Pen) {
        GdipDrawLine(graphics, light.Pen, x, bottom, right, bottom);
        GdipDrawLine(graphics, light.Pen, right, y, right, bottom);
      }
      return;
    }
    case OutlineRaised: {
      // The light edges stop short of the far corners, which the dark edges own.
      PenOwner light{CreatePen(kLight, width / 2)};
      if (light.Pen) {
        GdipDrawLine(graphics, light.Pen, x, y, rect.X + rect.Width - 2, y);
        GdipDrawLine(graphics, light.Pen, x, y, x, rect.Y + rect.Height - 2);
      }
      PenOwner dark{CreatePen(kRaisedDark, width)};
      if (dark.Pen) {
        GdipDrawLine(graphics, dark.Pen, x, bottom, right, bottom);
        GdipDrawLine(graphics, dark.Pen, right, y, right, rect.Y + rect.Height - 2);
      }
      return;
    }
    case OutlineGrey:
      StrokeRectangle(graphics, rect, colour.value_or(kGrey), width, false);
      return;
    case OutlineDashed:
      StrokeRectangle(graphics, rect, colour.value_or(kFocusBlack), width, true);
      return;
    default:
      StrokeRectangle(graphics, rect, kindOrColour, width, false);
      return;
  }
}

GpPath* BuildRoundRectPath(const RectF& rect, float cornerSize) {
  GpPath* path = nullptr;
  if (GdipCreatePath(FillModeAlternate, &path) != Ok) return nullptr;
  const float s = cornerSize;
  if (!(s > 0)) {
    AddSquareCorners(path, rect, rect.X + rect.Width - 1, rect.Y + rect.Height - 1);
    GdipClosePathFigure(path);
    return path;
  }
  // Top-left corners of the arcs' boxes.
  const float right = rect.X + rect.Width - s - 1;
  const float bottom = rect.Y + rect.Height - s - 1;
  GdipAddPathArc(path, rect.X, rect.Y, s, s, 180, 90);
  GdipAddPathArc(path, right, rect.Y, s, s, 270, 90);
  GdipAddPathArc(path, right, bottom, s, s, 0, 90);
  GdipAddPathArc(path, rect.X, bottom, s, s, 90, 90);
  GdipClosePathFigure(path);
  return path;
}

void DrawRoundRect(GpGraphics* graphics, const RectF& rect, float cornerSize, std::optional<ARGB> fill,
                   std::optional<ARGB> line, float lineWidth) {
  PathOwner path{BuildRoundRectPath(rect, cornerSize)};
  if (!path.Path) return;
  if (fill) {
    BrushOwner brush{CreateSolidBrush(*fill)};
    if (brush.Brush) GdipFillPath(graphics, brush.Brush, path.Path);
  }
  if (line) {
    PenOwner pen{CreatePen(*line, lineWidth)};
    if (pen.Pen) GdipDrawPath(graphics, pen.Pen, path.Path);
  }
}

GpPath* BuildClipRoundRectPath(const RectF& rect, int cornerSize) {
  GpPath* path = nullptr;
  if (GdipCreatePath(FillModeAlternate, &path) != Ok) return nullptr;
  const float s = static_cast<float>(cornerSize);
  const float right = rect.X + rect.Width;
  const float bottom = rect.Y + rect.Height;
  if (cornerSize <= 0) {
    AddSquareCorners(path, rect, right, bottom);
    GdipClosePathFigure(path);
    return path;
  }
  // Starts at the top right. The arcs' boxes keep their fixed offsets (the left ones half
  // a pixel up, the bottom-right one a whole pixel up): the pictures and button faces
  // clipped with this path are laid out against exactly this shape.
  GdipAddPathArc(path, right - s, rect.Y, s, s, 270, 90);
  GdipAddPathArc(path, right - s, bottom - s - 1, s, s, 0, 90);
  GdipAddPathArc(path, rect.X, bottom - s - 0.5f, s, s, 90, 90);
  GdipAddPathArc(path, rect.X, rect.Y - 0.5f, s, s, 180, 90);
  GdipClosePathFigure(path);
  return path;
}

}  // namespace draw
