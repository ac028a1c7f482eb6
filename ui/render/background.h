// The background layer of a skinned window: theme colour, picture, and the window's shape.
#pragma once

#include <cstdint>
#include <optional>

class SkinWindow;

// A given colour other than -1 becomes the theme colour; otherwise a picture's colour is
// taken; otherwise the colour stays.
void DecideThemeColour(SkinWindow& skin, std::optional<int> themeColour);
// The colour sampled from a picture: its pixel at 85 % of its width and height.
std::uint32_t PictureThemeColour(const SkinWindow& skin);
// Builds the BackgroundSurface for frame margin `margin`.
void BuildBackgroundSurface(SkinWindow& skin, int margin);
// Gives a window that is not layered its rounded outline.
void SetWindowShape(SkinWindow& skin);
