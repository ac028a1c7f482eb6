#include "ui/window/skin_window.h"

#include <commctrl.h>

#include "ui/render/background.h"
#include "ui/render/frame_composition.h"
#include "ui/window/window_model.h"

namespace {

constexpr int kCloseButtonWidth = 39;
constexpr int kCaptionButtonWidth = 28;
constexpr int kCaptionButtonHeight = 19;
constexpr int kIconSize = 16;

}  // namespace

void AddWindowStyle(HWND window, LONG_PTR bits, bool extended) {
  const int index = extended ? GWL_EXSTYLE : GWL_STYLE;
  const LONG_PTR style = GetWindowLongPtrA(window, index);
  if ((style & bits) == 0) SetWindowLongPtrA(window, index, style | bits);
}

HWND SkinWindow::Create(HWND window, const SkinOptions& options) {
  if (options.Picture) BackgroundImage.LoadFromMemory(*options.Picture);
  else BackgroundImage.Dispose();

  std::uint32_t themeColour = 0;
  if (options.ThemeColour) {
    themeColour = *options.ThemeColour;
  } else {
    themeColour = PictureThemeColour(*this);
  }

  int captionFlags = options.CaptionFlags.value_or(0);
  if (!options.CaptionFlags || *options.CaptionFlags != 0) {
    AddWindowStyle(window, WS_SYSMENU, false);
    if (!options.CaptionFlags || (*options.CaptionFlags & CaptionFlagsAsGiven) == 0) {
      captionFlags |= CaptionIcon | CaptionTitle | CaptionClose;
      const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
      if (style & WS_MAXIMIZEBOX) captionFlags |= CaptionMaximise;
      if (style & WS_MINIMIZEBOX) captionFlags |= CaptionMinimise;
    }
  }

  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  if (options.FixedSize != 0 && (style & WS_THICKFRAME)) SetWindowLongPtrA(window, GWL_STYLE, style & ~WS_THICKFRAME);
  if (options.FixedSize == 0 && !(style & WS_THICKFRAME)) SetWindowLongPtrA(window, GWL_STYLE, style | WS_THICKFRAME);

  CaptionFlags = captionFlags;
  ThemeColour = themeColour;
  FixedSize = options.FixedSize;
  NoDrag = options.NoDrag;
  BlendPictureEdges = options.BlendPictureEdges;
  FrameStyle = options.FrameStyle;
  if (FrameStyle == 1) NineSliceRect = options.NineSliceRect.value_or(RECT{});

  Attach(window, options.StretchPicture, options.AnimateControls, options.LayerAlpha);

  TooltipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, "", TTS_ALWAYSTIP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                  nullptr);
  return TooltipWindow;
}

WNDPROC SkinWindow::BindWindow(HWND window) {
  SetPropA(window, kSkinWindowProperty, this);
  if (IsValidIndex(WindowIndex, 0, false)) RecordOf(WindowIndex).Owner = this;
  return SkinWindowProc;
}

void SkinWindow::Attach(HWND window, int stretchPicture, int animateControls, int layerAlpha) {
  WindowTable.push_back(std::make_unique<WindowRecord>());
  WindowIndex = static_cast<int>(WindowTable.size());
  WindowRecord& record = RecordOf(WindowIndex);
  record.Hwnd = window;
  record.StretchPicture = stretchPicture;
  record.AnimateControls = animateControls;
  record.LayerAlpha = layerAlpha;
  record.WindowProc = BindWindow(window);

  GetWindowRect(window, &record.WindowRect);
  WindowSize = {record.WindowRect.right - record.WindowRect.left, record.WindowRect.bottom - record.WindowRect.top};
  record.WindowDc = GetDC(window);

  // The frame surface is as large as any window can get, so it never grows later.
  record.FrameSurface.Open(record.WindowDc, GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK));
  record.BackgroundSurface.Open(record.WindowDc, WindowSize.Width, WindowSize.Height);
  if (layerAlpha != -1) {
    record.PresentSurface.Open(record.WindowDc, WindowSize.Width, WindowSize.Height);
    AddWindowStyle(window, WS_EX_LAYERED, true);
  }

  OldWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.WindowProc)));

  const int margin = FrameMarginOf(window);
  if (CaptionFlags != 0) CreateCaptionButtons(window, margin);
  if (CaptionFlags & CaptionIcon) IconControl.Create(window, margin + 6, margin + 6, kIconSize, kIconSize, "");
  SystemMenu = GetSystemMenu(window, FALSE);

  Repaint(std::nullopt, std::nullopt, false);
}

void SkinWindow::CreateCaptionButtons(HWND window, int margin) {
  int x = WindowSize.Width - margin - 3;
  std::size_t count = 0;
  auto addButton = [&](int width, int type) {
    x -= width;
    ++count;
    // Buttons left from an earlier attachment of this object are reused in order.
    if (CaptionButtons.size() < count) CaptionButtons.push_back(std::make_unique<SkinCaptionButton>());
    CaptionButtons.resize(count);
    CaptionButtons[count - 1]->Create(window, x, margin + 1, width, kCaptionButtonHeight, type);
  };
  if (CaptionFlags & CaptionClose) addButton(kCloseButtonWidth, CaptionClose);
  for (int type : {CaptionMaximise, CaptionMinimise, CaptionMenu, CaptionSkin, CaptionChat, CaptionSettings}) {
    if (CaptionFlags & type) addButton(kCaptionButtonWidth, type);
  }
}

void SkinWindow::Detach(HWND window) {
  if (!OldWndProc) return;
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldWndProc));
  ShowFocusFrame = 0;
  RemovePropA(window, kSkinWindowProperty);
  Accelerators.clear();

  HoverControl = 0;
  FocusControl = 0;
  if (Pressing) {
    Pressing = 0;
    PressedControl = 0;
    ReleaseCapture();
  }

  if (IsValidIndex(WindowIndex, 0, false)) {
    auto& controls = RecordOf(WindowIndex).ControlTable;
    while (!controls.empty()) UnregisterControl(WindowIndex, controls.back()->ControlId);
  }

  // The record leaves the table; its surfaces are released from it at the end.
  std::unique_ptr<WindowRecord> record;
  if (IsValidIndex(WindowIndex, 0, false) && RecordOf(WindowIndex).Hwnd == window) {
    record = std::move(WindowTable[WindowIndex - 1]);
    WindowTable.erase(WindowTable.begin() + (WindowIndex - 1));
    for (int k = static_cast<int>(WindowTable.size()); k >= 1; --k) {
      for (auto& control : WindowTable[k - 1]->ControlTable) control->Control->WindowIndex = k;
      if (SkinWindow* owner = WindowTable[k - 1]->Owner) owner->WindowIndex = k;
    }
  }

  if (TooltipWindow) DestroyWindow(TooltipWindow);
  TooltipWindow = nullptr;
  BackgroundImage.Dispose();

  if (record) {
    if (record->LayerAlpha != -1) record->PresentSurface.Release();
    record->BackgroundSurface.Release();
    record->FrameSurface.Release();
    ReleaseDC(window, record->WindowDc);
  }
  OldWndProc = nullptr;
}
