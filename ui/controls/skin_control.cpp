#include "ui/controls/skin_control.h"

#include "ui/render/frame_composition.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"

void SkinControl::Register(HWND host, const RectF& bounds, int kind, std::optional<int> visible, int pressable,
                           std::optional<int> cursorId) {
  if (ControlId != 0) return;
  Bounds = bounds;
  const int id = NextControlId(host);
  const int windowIndex = WindowIndexOf(host);
  if (windowIndex > 0) {
    auto record = std::make_unique<ControlRecord>();
    record->HostWindow = host;
    record->Bounds = bounds;
    record->ControlId = id;
    record->Control = this;
    record->Kind = kind;
    record->Visible = visible.value_or(1);
    record->Pressable = pressable;
    WindowTable[windowIndex - 1]->ControlTable.push_back(std::move(record));
    WindowIndex = windowIndex;
    ControlId = id;
  }
  LiveFlag = 1;
  TipText.clear();
  CursorId = cursorId.value_or(kArrowCursor);
}

int SkinControl::Destroy() { return UnregisterControl(WindowIndex, ControlId); }

void SkinControl::Move(std::optional<float> left, std::optional<float> top, std::optional<float> width,
                       std::optional<float> height, int redraw) {
  const RectF oldArea = Bounds;
  const int index = FindControl(WindowIndex, ControlId);
  if (index < 1) return;
  ControlRecord& record = *WindowTable[WindowIndex - 1]->ControlTable[index - 1];
  if (left) record.Bounds.X = *left;
  if (top) record.Bounds.Y = *top;
  if (width) record.Bounds.Width = *width;
  if (height) record.Bounds.Height = *height;
  if (FloatLess(record.Bounds.Width, 0.0f)) record.Bounds.Width = 0.0f;
  if (FloatLess(record.Bounds.Height, 0.0f)) record.Bounds.Height = 0.0f;
  Bounds = record.Bounds;
  if (redraw == 0) return;
  SkinWindow* skin = SkinOf(WindowIndex);
  if (!skin || skin->Busy) return;
  if (record.Visible) {
    record.Visible = 0;
    RedrawRect(WindowIndex, oldArea, 1);
    record.Visible = 1;
    SendToControl(WindowIndex, index, record.HostWindow, WM_PAINT, 0, -1, 1, 0);
  } else {
    RedrawRect(WindowIndex, oldArea, 1);
  }
}

void SkinControl::Redraw() {
  if (LiveFlag == 0 || WindowIndex <= 0) return;
  const int index = FindControl(WindowIndex, ControlId);
  if (index < 1) return;
  SendToControl(WindowIndex, index, WindowTable[WindowIndex - 1]->Hwnd, WM_PAINT, 0, -1, 1, 0);
}

int SkinControl::Live(std::optional<int> value) {
  if (value) LiveFlag = *value;
  return LiveFlag;
}

void SkinControl::SetEventHandler(UINT message, ControlHook routine) {
  for (auto& entry : EventTable) {
    if (entry.first == message) {
      entry.second = std::move(routine);
      return;
    }
  }
  EventTable.emplace_back(message, std::move(routine));
}

void SkinControl::ShowTip(const std::string& text) { TipText = text; }
