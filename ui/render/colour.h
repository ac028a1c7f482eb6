// Colour values: the 24-bit colours objects keep (0x00BBGGRR) and the 32-bit ARGB values
// GDI+ takes (0xAARRGGBB). Platform-independent.
#pragma once

#include <cstdint>
#include <optional>

// The alpha a colour gets when none is given, and the highest one ColourToArgb produces.
inline constexpr int DefaultAlpha = 254;

// ARGB from a 0x00BBGGRR colour (its top byte is ignored). Without an alpha the result
// has alpha 254; a given alpha of 255 or more is lowered to 254, a negative one raised
// to 0, and every other alpha is used as it is.
std::uint32_t ColourToArgb(std::uint32_t colour, std::optional<int> alpha = std::nullopt);

// `argb` with its alpha byte replaced by `alpha`, clamped to 0..255.
std::uint32_t WithAlpha(std::uint32_t argb, int alpha);

struct ColourAndAlpha {
  std::uint32_t Colour;  // 0x00BBGGRR
  int Alpha;             // 0..255
};

// The 0x00BBGGRR colour of an ARGB value (red and blue swapped) and its alpha apart.
ColourAndAlpha ArgbToColorRef(std::uint32_t argb);
