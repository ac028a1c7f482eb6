#include "ui/render/colour.h"

#include <algorithm>

namespace {

std::uint32_t SwapRedBlue(std::uint32_t value) {
  const std::uint32_t low = value & 0xFFu;
  const std::uint32_t middle = value & 0xFF00u;
  const std::uint32_t high = (value >> 16) & 0xFFu;
  return (low << 16) | middle | high;
}

}  // namespace

std::uint32_t ColourToArgb(std::uint32_t colour, std::optional<int> alpha) {
  const int a = std::clamp(alpha.value_or(DefaultAlpha), 0, DefaultAlpha);
  return (static_cast<std::uint32_t>(a) << 24) | SwapRedBlue(colour & 0x00FFFFFFu);
}

std::uint32_t WithAlpha(std::uint32_t argb, int alpha) {
  return (static_cast<std::uint32_t>(std::clamp(alpha, 0, 255)) << 24) | (argb & 0x00FFFFFFu);
}

ColourAndAlpha ArgbToColorRef(std::uint32_t argb) {
  return ColourAndAlpha{SwapRedBlue(argb & 0x00FFFFFFu), static_cast<int>(argb >> 24)};
}
