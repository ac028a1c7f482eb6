// Fonts of the UI library: the default font, the system's UI face and fallbacks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/engine/gdiplus_api.h"

// Which face of the system's non-client metrics GetSystemUiFontFace reads.
enum SystemFontKind { MenuFont = 1, CaptionFont = 2, MessageFont = 3 };

// The default font: 12 px, regular, from the first usable face of DefaultFontCandidates().
GpFont* CreateDefaultFont();
// "宋体", then the system's caption face.
std::vector<std::string> DefaultFontCandidates();
// A 12 px regular font from the first of `faces` GDI+ knows; none when none does.
GpFont* CreateFirstAvailableFont(const std::vector<std::string>& faces);

// The face of the system's menu, caption or message font; "宋体" when it cannot be read,
// is "Tahoma", or is a face GDI+ cannot use.
std::string GetSystemUiFontFace(int kind = CaptionFont);
// The rule GetSystemUiFontFace applies to the face it read.
std::string UsableSystemFace(std::string face);

// A font of `face`; falls back to the default font's family; none when neither works.
GpFont* CreateFontWithFallback(std::string_view face, float size, int style);
std::string GetFontFamilyName(GpFont* font);

inline constexpr const char* kSongTi = "宋体";
