#include "ui/engine/font_helpers.h"

#include <cstring>

#include "ui/engine/engine_globals.h"
#include "ui/engine/text_codec.h"

namespace {

constexpr REAL kDefaultFontSize = 12.0f;

GpFontFamily* FamilyFromName(std::string_view face) {
  const std::wstring wide = AnsiToWide(face, CP_ACP);
  GpFontFamily* family = nullptr;
  if (GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family) != Ok) {
    if (family) GdipDeleteFontFamily(family);
    return nullptr;
  }
  return family;
}

GpFont* FontFromFamily(GpFontFamily* family, REAL size, int style) {
  GpFont* font = nullptr;
  if (GdipCreateFont(family, size, style, UnitPixel, &font) != Ok) font = nullptr;
  GdipDeleteFontFamily(family);
  return font;
}

}  // namespace

std::vector<std::string> DefaultFontCandidates() { return {kSongTi, GetSystemUiFontFace(CaptionFont)}; }

GpFont* CreateFirstAvailableFont(const std::vector<std::string>& faces) {
  for (const std::string& face : faces) {
    if (GpFontFamily* family = FamilyFromName(face)) return FontFromFamily(family, kDefaultFontSize, FontStyleRegular);
  }
  return nullptr;
}

GpFont* CreateDefaultFont() { return CreateFirstAvailableFont(DefaultFontCandidates()); }

std::string GetSystemUiFontFace(int kind) {
  // The layout without the padded-border field, which every system since XP accepts.
  constexpr UINT kMetricsSize = 340;
  static_assert(offsetof(NONCLIENTMETRICSA, lfCaptionFont.lfFaceName) == 52);
  static_assert(offsetof(NONCLIENTMETRICSA, lfMenuFont.lfFaceName) == 188);
  static_assert(offsetof(NONCLIENTMETRICSA, lfMessageFont.lfFaceName) == 308);
  NONCLIENTMETRICSA metrics;
  std::memset(&metrics, 0, sizeof metrics);
  metrics.cbSize = kMetricsSize;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0)) return kSongTi;
  const char* face = kind == MenuFont      ? metrics.lfMenuFont.lfFaceName
                     : kind == MessageFont ? metrics.lfMessageFont.lfFaceName
                                           : metrics.lfCaptionFont.lfFaceName;
  return UsableSystemFace(std::string(face, strnlen(face, LF_FACESIZE)));
}

std::string UsableSystemFace(std::string face) {
  if (face == "Tahoma") face = kSongTi;
  GpFont* font = CreateFontWithFallback(face, kDefaultFontSize, FontStyleRegular);
  if (!font) return kSongTi;
  GdipDeleteFont(font);
  return face;
}

GpFont* CreateFontWithFallback(std::string_view face, float size, int style) {
  GpFontFamily* family = FamilyFromName(face);
  if (!family && DefaultFont) family = FamilyFromName(GetFontFamilyName(DefaultFont));
  if (!family) return nullptr;
  return FontFromFamily(family, size, style);
}

std::string GetFontFamilyName(GpFont* font) {
  GpFontFamily* family = nullptr;
  if (!font || GdipGetFamily(font, &family) != Ok || !family) return {};
  WCHAR name[LF_FACESIZE] = {};
  GdipGetFamilyName(family, name, LANG_NEUTRAL);
  GdipDeleteFontFamily(family);
  return WideToAnsi(name, CP_ACP);
}
