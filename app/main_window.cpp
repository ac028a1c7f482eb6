#include "app/main_window.h"

#include "app/app_globals.h"
#include "res/resource_ids.h"
#include "ui/engine/embedded_resource.h"
#include "ui/window/skin_window.h"

namespace {

// Icon, title, close, minimise and the skin button.
constexpr int kMainCaptionFlags = 87;
constexpr int kMainLayerAlpha = 150;

}  // namespace

void OnMainWindowCreated(HWND window) {
  MainWindowHandle = window;
  MainSkin->Create(window, {.Picture = EmbeddedResourceBytes(IDR_BACKGROUND_JPG),
                            .CaptionFlags = kMainCaptionFlags,
                            .LayerAlpha = kMainLayerAlpha,
                            .StretchPicture = 1,
                            .FixedSize = 1});
}
