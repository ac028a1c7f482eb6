#include "ui/render/background.h"

#include "ui/render/colour.h"
#include "ui/render/drawing_primitives.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"

namespace {

constexpr float kPictureCornerSize = 6.0f;

}  // namespace

std::uint32_t PictureThemeColour(const SkinWindow& skin) {
  const GdipImage& picture = skin.BackgroundImage;
  const int x = static_cast<int>(picture.Width() * 0.85);
  const int y = static_cast<int>(picture.Height() * 0.85);
  return ArgbToColorRef(picture.GetPixel(x, y)).Colour;
}

void DecideThemeColour(SkinWindow& skin, std::optional<int> themeColour) {
  if (themeColour && *themeColour != -1) {
    skin.ThemeColour = static_cast<std::uint32_t>(*themeColour);
  } else if (skin.BackgroundImage.GetHandle()) {
    skin.ThemeColour = PictureThemeColour(skin);
  }
}

void BuildBackgroundSurface(SkinWindow& skin, int margin) {
  WindowRecord& record = RecordOf(skin.WindowIndex);
  GpGraphics* graphics = record.BackgroundSurface.Graphics;
  const float m = static_cast<float>(margin);
  const RectF client = MakeRectF(m, m, static_cast<float>(skin.WindowSize.Width) - 2 * m,
                                 static_cast<float>(skin.WindowSize.Height) - 2 * m);
  const int alpha = record.LayerAlpha == -1 ? 255 : record.LayerAlpha;
  GdipGraphicsClear(graphics, 0);
  const bool rounded = skin.FrameStyle != 0 && skin.FrameStyle != 1;
  const ARGB colour = WithAlpha(ColourToArgb(skin.ThemeColour), alpha);
  if (rounded) {
    draw::DrawRoundRect(graphics, client, kPictureCornerSize, colour);
  } else {
    GpSolidFill* brush = draw::CreateSolidBrush(colour);
    GdipFillRectangle(graphics, brush, client.X, client.Y, client.Width, client.Height);
    GdipDeleteBrush(brush);
  }
  GpImage* picture = skin.BackgroundImage.GetHandle();
  if (!picture) return;
  GpPath* clip = rounded ? draw::BuildClipRoundRectPath(client, static_cast<int>(kPictureCornerSize)) : nullptr;
  if (clip) draw::SetClipPath(graphics, clip, CombineModeReplace);
  else draw::SetClipRect(graphics, client, CombineModeReplace);
  if (record.StretchPicture) {
    GdipDrawImageRect(graphics, picture, client.X, client.Y, client.Width, client.Height);
  } else {
    GdipDrawImageRectI(graphics, picture, margin, margin, skin.BackgroundImage.Width(), skin.BackgroundImage.Height());
  }
  draw::ResetClip(graphics);
  if (clip) GdipDeletePath(clip);
}

void SetWindowShape(SkinWindow& skin) {
  WindowRecord& record = RecordOf(skin.WindowIndex);
  if (skin.FrameStyle == 0) {
    SetWindowRgn(record.Hwnd, nullptr, TRUE);
    return;
  }
  HRGN region = CreateRoundRectRgn(0, 0, skin.WindowSize.Width + 1, skin.WindowSize.Height + 1, 7, 7);
  SetWindowRgn(record.Hwnd, region, TRUE);  // the window owns the region now
}
