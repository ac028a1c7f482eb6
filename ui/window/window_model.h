// The shared data model of skinned windows: the table of windows, each with its control
// table, and the accessors through which controls and renderers reach them. Window and
// control indices are 1-based; 0 means none.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/render/geometry.h"
#include "ui/window/surface.h"

class SkinWindow;
class SkinControl;

// Control messages of the library's own.
inline constexpr UINT MsgClick = 444660;
inline constexpr UINT MsgHidden = 444662;
inline constexpr UINT MsgShown = 444663;
inline constexpr UINT MsgCtrlTab = 444664;

struct ControlRecord {
  HWND HostWindow = nullptr;
  RectF Bounds{};              // client coordinates; replaced when the control moves
  int ControlId = 0;           // unique within the window
  SkinControl* Control = nullptr;  // receives HandleMessage and ShowTip; passed to events
  int Kind = 0;                // ControlKind
  int Visible = 1;             // bit 0: shown, painted, hit-tested, receives messages
  int Pressable = 0;           // a press captures the mouse and focuses; Tab can reach it
};

struct WindowRecord {
  RECT WindowRect{};           // screen rectangle, refreshed on move and size
  WNDPROC WindowProc = nullptr;  // the library procedure installed on the window
  SkinWindow* Owner = nullptr;
  int AnimateControls = 0;
  int StretchPicture = 0;
  int LayerAlpha = 0;          // -1: not layered; else layered with this background opacity
  HWND Hwnd = nullptr;
  HDC WindowDc = nullptr;      // GetDC of the window for its whole skinned life
  Surface PresentSurface;      // source of layered updates (layered windows, or after a fade)
  Surface BackgroundSurface;   // background colour, picture and icon
  Surface FrameSurface;        // maximal track size; every frame is composed here
  std::vector<std::unique_ptr<ControlRecord>> ControlTable;  // paint order
};

// Every skinned window of the process, in attach order.
extern std::vector<std::unique_ptr<WindowRecord>> WindowTable;

int WindowIndexOf(HWND window);
bool IsValidIndex(int windowIndex, int controlIndex, bool checkControl);
SkinWindow* SkinOf(int windowIndex);
int FindControl(int windowIndex, int controlId);
SkinControl* ControlOf(int windowIndex, int controlIndex);
// The smallest positive id no control of the window uses.
int NextControlId(HWND window);
// The record of a valid window / control index.
WindowRecord& RecordOf(int windowIndex);
ControlRecord& ControlRecordOf(int windowIndex, int controlIndex);

// Delivers one message to one control: its HandleMessage, then its hook for the message.
// Unless bit 0 of force is set, hidden controls and controls whose delivery is switched
// off get nothing. Returns the handler's result, or 0 when nothing was delivered.
LRESULT SendToControl(int windowIndex, int controlIndex, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      int present, int force);

// Removes a control from its window: state indices shift, its tip goes, it receives
// WM_DESTROY, and its area is repainted. Returns 1, or 0 for an unknown id.
int UnregisterControl(int windowIndex, int controlId);

// The index a focus/hover/pressed index becomes when control `removed` leaves the table.
int ShiftStateIndex(int index, int removed);
