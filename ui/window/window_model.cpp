#include "ui/window/window_model.h"

#include <commctrl.h>

#include "ui/controls/skin_control.h"
#include "ui/render/frame_composition.h"
#include "ui/window/skin_window.h"

std::vector<std::unique_ptr<WindowRecord>> WindowTable;

int WindowIndexOf(HWND window) {
  for (std::size_t i = 0; i < WindowTable.size(); ++i) {
    if (WindowTable[i]->Hwnd == window) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool IsValidIndex(int windowIndex, int controlIndex, bool checkControl) {
  if (windowIndex < 1 || windowIndex > static_cast<int>(WindowTable.size())) return false;
  if (!checkControl) return true;
  return controlIndex >= 1 && controlIndex <= static_cast<int>(WindowTable[windowIndex - 1]->ControlTable.size());
}

SkinWindow* SkinOf(int windowIndex) {
  return IsValidIndex(windowIndex, 0, false) ? WindowTable[windowIndex - 1]->Owner : nullptr;
}

int FindControl(int windowIndex, int controlId) {
  if (!IsValidIndex(windowIndex, 0, false)) return 0;
  const auto& controls = WindowTable[windowIndex - 1]->ControlTable;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i]->ControlId == controlId) return static_cast<int>(i) + 1;
  }
  return 0;
}

SkinControl* ControlOf(int windowIndex, int controlIndex) {
  return IsValidIndex(windowIndex, controlIndex, true) ? ControlRecordOf(windowIndex, controlIndex).Control : nullptr;
}

int NextControlId(HWND window) {
  const int windowIndex = WindowIndexOf(window);
  int id = 1;
  while (FindControl(windowIndex, id) != 0) ++id;
  return id;
}

WindowRecord& RecordOf(int windowIndex) { return *WindowTable[windowIndex - 1]; }

ControlRecord& ControlRecordOf(int windowIndex, int controlIndex) {
  return *WindowTable[windowIndex - 1]->ControlTable[controlIndex - 1];
}

LRESULT SendToControl(int windowIndex, int controlIndex, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      int present, int force) {
  if (!IsValidIndex(windowIndex, controlIndex, true)) return 0;
  ControlRecord& record = ControlRecordOf(windowIndex, controlIndex);
  SkinControl* control = record.Control;
  if ((force & 1) == 0 && ((record.Visible & 1) == 0 || control->LiveFlag == 0)) return 0;
  const LRESULT result =
      control->HandleMessage(window, message, wParam, lParam, windowIndex, controlIndex, present);
  for (const auto& [hookMessage, routine] : control->EventTable) {
    if (hookMessage == message) {
      if (routine) routine(windowIndex, controlIndex, wParam, lParam, present);
      break;
    }
  }
  return result;
}

int ShiftStateIndex(int index, int removed) {
  if (index == 0 || index < removed) return index;
  if (index == removed) return 0;
  return index - 1;
}

int UnregisterControl(int windowIndex, int controlId) {
  const int c = FindControl(windowIndex, controlId);
  if (c < 1) return 0;
  WindowRecord& window = RecordOf(windowIndex);
  SkinWindow* skin = window.Owner;
  if (skin) {
    if (skin->Pressing == 1) {
      skin->Pressing = 0;
      ReleaseCapture();
    }
    skin->FocusControl = ShiftStateIndex(skin->FocusControl, c);
    skin->HoverControl = ShiftStateIndex(skin->HoverControl, c);
    skin->PressedControl = ShiftStateIndex(skin->PressedControl, c);
    if (skin->TooltipWindow) {
      TOOLINFOA tool{};
      tool.cbSize = TTTOOLINFOA_V2_SIZE;
      tool.hwnd = window.Hwnd;
      tool.uId = static_cast<UINT_PTR>(controlId);
      SendMessageA(skin->TooltipWindow, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  SendToControl(windowIndex, c, window.Hwnd, WM_DESTROY, 0, 0, 1, 0);
  SkinControl* control = ControlRecordOf(windowIndex, c).Control;
  control->WindowIndex = 0;
  control->ControlId = 0;
  const RectF vacated = ControlRecordOf(windowIndex, c).Bounds;
  window.ControlTable.erase(window.ControlTable.begin() + (c - 1));
  RedrawRect(windowIndex, vacated, 1, 1);
  return 1;
}
