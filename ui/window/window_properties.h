// Window property operations of a skinned window.
#pragma once

class SkinWindow;

// Places the caption buttons right-aligned in the caption for frame margin `margin`.
void LayoutCaptionButtons(SkinWindow& skin, int margin);
