// The window class under which the UI library creates its own top-level windows.
#pragma once

#include <windows.h>

inline constexpr const char* kSkinHostClass = "Ko_SkinHost";

// Passes every message to DefWindowProcA: a skinned window gets its real behaviour from
// the SkinWindow attached to it.
LRESULT CALLBACK PassThroughWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct SkinClassOptions {
  const char* ClassName = kSkinHostClass;
  HICON Icon = nullptr;           // null: icon resource 129 of the program, if it has one
  UINT ClassStyle = CS_DBLCLKS;
  HCURSOR Cursor = nullptr;       // null: the standard arrow
};

// True when the class was registered.
bool RegisterSkinClass(WNDPROC procedure, const SkinClassOptions& options = {});
