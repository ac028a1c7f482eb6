// SkinControl: the base of the windowless controls a skinned window hosts. A control has
// no window handle: it registers a record in its host window's control table, and the
// window hit-tests it, routes messages to HandleMessage and paints it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/render/geometry.h"

// Control kinds, carried in the control record and with every control event.
enum ControlKind : int { CaptionButton = 1, Button = 2, Label = 3, Picture = 4 };

inline constexpr int kArrowCursor = 32512;

// A per-control message hook: (window index, control index, wParam, lParam, present).
using ControlHook = std::function<void(int, int, WPARAM, LPARAM, int)>;

class SkinControl {
 public:
  SkinControl() = default;
  SkinControl(const SkinControl&) = default;
  SkinControl& operator=(const SkinControl&) = default;
  // Releases the object's own storage; it does not unregister (the window does that
  // when it is destroyed, or Destroy does).
  virtual ~SkinControl() = default;

  // Adds the control to the window's control table; nothing is drawn. A control that is
  // registered already, or a window that is not skinned, leaves it unregistered.
  void Register(HWND host, const RectF& bounds, int kind, std::optional<int> visible = std::nullopt,
                int pressable = 0, std::optional<int> cursorId = std::nullopt);
  // Unregisters the control; returns 1 when it was registered.
  int Destroy();

  int GetWindowIndex() const { return WindowIndex; }
  int GetId() const { return ControlId; }
  RectF GetBounds() const { return Bounds; }
  bool IsRegistered() const { return WindowIndex > 0 && ControlId > 0; }

  // Moves and/or resizes the control; with redraw, the old and the new area are refreshed.
  void Move(std::optional<float> left, std::optional<float> top, std::optional<float> width = std::nullopt,
            std::optional<float> height = std::nullopt, int redraw = 1);
  // Repaints and shows the control's current state.
  void Redraw();

  int Live(std::optional<int> value = std::nullopt);
  void Freeze() { LiveFlag = 0; }
  void Thaw() { LiveFlag = 1; }
  void SetEventHandler(UINT message, ControlHook routine);

  // The message handler every control class provides.
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int windowIndex,
                                int controlIndex, int present) = 0;
  // Shows `text` in the host window's tooltip.
  virtual void ShowTip(const std::string& text);

  // Read and written by the host window.
  int Disabled = 0;
  int WindowIndex = 0;
  int ControlId = 0;
  std::string TipText;
  int CursorId = kArrowCursor;
  std::string Tag;
  RectF Bounds{};
  std::vector<std::pair<UINT, ControlHook>> EventTable;
  int LiveFlag = 0;
};
