#include "ui/engine/skin_class.h"

LRESULT CALLBACK PassThroughWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterSkinClass(WNDPROC procedure, const SkinClassOptions& options) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = options.ClassStyle;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = options.Icon ? options.Icon : LoadIconA(instance, MAKEINTRESOURCEA(129));
  windowClass.hCursor = options.Cursor ? options.Cursor : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = options.ClassName;
  return RegisterClassExA(&windowClass) != 0;
}
