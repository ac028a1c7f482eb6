#include "ui/engine/engine_startup.h"

#include <windows.h>

#include <commctrl.h>

#include "res/resource_ids.h"
#include "ui/engine/embedded_resource.h"
#include "ui/engine/engine_globals.h"
#include "ui/engine/font_helpers.h"
#include "ui/engine/skin_class.h"

int EngineStartup() {
  EngineInitialise(1);
  return 0;
}

void EngineInitialise(int gdiplusVersion) {
  GdiplusStartupInput input;
  input.GdiplusVersion = static_cast<UINT32>(gdiplusVersion);
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  GdiplusStartup(&GdiplusToken, &input, nullptr);

  OsMajorVersion = ReadOsMajorVersion();
  DefaultFont = CreateDefaultFont();
  DefaultTimerInterval = 80;

  if (!CaptionButtonSprite) CaptionButtonSprite = std::make_unique<GdipImage>();
  CaptionButtonSprite->LoadFromMemory(EmbeddedResourceBytes(IDR_CAPTION_SPRITE_PNG));

  RegisterSkinClass(PassThroughWindowProc);

  // The tooltip windows of skinned windows are common controls.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

int ReadOsMajorVersion() {
  // RtlGetVersion is not subject to the manifest-based version lie of GetVersionEx.
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  if (HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
    auto getVersion = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (getVersion && getVersion(&info) == 0) return static_cast<int>(info.dwMajorVersion);
  }
  return 0;
}
