// The skinned window's procedure: message table, sizing, fade-in and close effects.
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/skin_test_window.h"
#include "tests/support/test_support.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"
#include "ui/window/window_proc.h"

namespace {

struct BlendCall {
  HDC Target;
  int X, Y, Width, Height;
  int Alpha;
};

// Records every blend and layered update the library makes while in scope.
class GraphicsRecorder {
 public:
  GraphicsRecorder() {
    current_ = this;
    AlphaBlendCall = [](HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                        BLENDFUNCTION blend) -> BOOL {
      current_->Blends.push_back({target, x, y, w, h, blend.SourceConstantAlpha});
      return AlphaBlend(target, x, y, w, h, source, sx, sy, sw, sh, blend);
    };
    UpdateLayeredWindowCall = [](HWND window, const UPDATELAYEREDWINDOWINFO* info) -> BOOL {
      current_->Updates.push_back(info->hdcSrc);
      if (current_->OnUpdate) current_->OnUpdate(info->hdcSrc, info->psize ? *info->psize : SIZE{});
      return UpdateLayeredWindowIndirect(window, info);
    };
  }
  ~GraphicsRecorder() {
    AlphaBlendCall = AlphaBlend;
    UpdateLayeredWindowCall = UpdateLayeredWindowIndirect;
    current_ = nullptr;
  }
  std::vector<int> AlphasInto(HDC target) const {
    std::vector<int> alphas;
    for (const BlendCall& b : Blends) {
      if (b.Target == target) alphas.push_back(b.Alpha);
    }
    return alphas;
  }

  std::vector<BlendCall> Blends;
  std::vector<HDC> Updates;
  std::function<void(HDC, SIZE)> OnUpdate;

 private:
  static inline GraphicsRecorder* current_ = nullptr;
};

// The largest alpha of any pixel of the 32-bit bitmap selected into `dc`.
int MaxAlphaOf(HDC dc, SIZE size) {
  GdiFlush();
  DIBSECTION dib{};
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  if (GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib) return -1;
  const auto* bits = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  int most = 0;
  for (int i = 0; i < size.cx * size.cy; ++i) most = std::max(most, static_cast<int>(bits[i] >> 24));
  return most;
}

class WindowProcTest : public testing::Test {
 protected:
  void SetUp() override { EnsureEngineStarted(); }
};

}  // namespace

TEST_F(WindowProcTest, MessageTable) {
  SkinWindow skin;
  std::vector<UINT> seen;
  LRESULT override = -1;
  TestHostWindow host;
  skin.Create(host, {.ThemeColour = 0x00123456, .CaptionFlags = 0x400 | 4 | 8 | 16, .FixedSize = 1});
  skin.OnMessage = [&](HWND, UINT message, WPARAM, LPARAM) {
    seen.push_back(message);
    return override;
  };
  struct Row {
    const char* name;
    UINT message;
    WPARAM wParam;
    LRESULT result;
    bool onMessage;
    bool previous;
  };
  const Row rows[] = {
      {"NCACTIVATE off", WM_NCACTIVATE, 0, 1, false, false},
      {"NCACTIVATE on", WM_NCACTIVATE, 1, 0, false, false},
      {"theme colour", SKM_GETTHEMECOLOUR, 0, 0x00123456, false, false},
      {"picture", SKM_GETPICTURE, 0, 0, false, false},
      {"NCCALCSIZE 1", WM_NCCALCSIZE, 1, 1, false, false},
      {"own message", WM_USER + 77, 0, 0, true, true},
      {"move", WM_MOVE, 0, 0, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    seen.clear();
    host.Received().clear();
    RECT proposed{0, 0, 100, 100};
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = proposed;
    const LPARAM lParam = row.message == WM_NCCALCSIZE ? reinterpret_cast<LPARAM>(&params) : 0;
    EXPECT_EQ(SendMessageA(host, row.message, row.wParam, lParam), row.result);
    EXPECT_EQ(!seen.empty(), row.onMessage);
    EXPECT_EQ(host.ReceivedMessage(row.message), row.previous);
    if (row.message == WM_NCCALCSIZE) {
      EXPECT_EQ(params.rgrc[0].right, 100) << "the whole window is client area";
    }
  }

  // The application's result wins over the library's and the previous procedure's.
  override = 42;
  host.Received().clear();
  EXPECT_EQ(SendMessageA(host, WM_USER + 78, 0, 0), 42);
  EXPECT_FALSE(host.ReceivedMessage(WM_USER + 78));
  EXPECT_EQ(SendMessageA(host, SKM_GETTHEMECOLOUR, 0, 0), 0x00123456) << "bypasses OnMessage";
  override = -1;

  // Three caption buttons, close among them: 28 x 3 + 11 + 40.
  MINMAXINFO limits{};
  host.Received().clear();
  EXPECT_EQ(SendMessageA(host, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits)), 0);
  EXPECT_EQ(limits.ptMinTrackSize.x, 135);
  EXPECT_EQ(limits.ptMinTrackSize.y, 40);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(limits.ptMaxSize.x, work.right - work.left + 1);
  EXPECT_EQ(limits.ptMaxSize.y, work.bottom - work.top);
  EXPECT_EQ(limits.ptMaxPosition.x, work.left);
  EXPECT_FALSE(host.ReceivedMessage(WM_GETMINMAXINFO));
}

TEST_F(WindowProcTest, WindowWithoutItsObjectGetsDefaultHandling) {
  TestHostWindow host;
  EXPECT_EQ(SkinWindowProc(host, WM_NCHITTEST, 0, MAKELPARAM(60, 60)), HTCLIENT);
  char title[32] = {};
  SkinWindowProc(host, WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title));
  EXPECT_STREQ(title, "Skin test");
}

TEST_F(WindowProcTest, SizeRebuildsSurfacesExceptWhenMinimised) {
  SkinWindow skin;
  std::vector<std::pair<int, int>> resized;
  TestHostWindow host;
  skin.Create(host, {.LayerAlpha = 255, .FixedSize = 1});
  skin.OnResized = [&](HWND, int w, int h) { resized.emplace_back(w, h); };
  WindowRecord& record = RecordOf(skin.WindowIndex);
  const HBITMAP background = record.BackgroundSurface.Bitmap;
  const HBITMAP frame = record.FrameSurface.Bitmap;
  host.Received().clear();

  EXPECT_EQ(SendMessageA(host, WM_SIZE, SIZE_MINIMIZED, 0), 0);
  EXPECT_TRUE(resized.empty());
  EXPECT_EQ(record.BackgroundSurface.Bitmap, background);
  EXPECT_EQ(skin.WindowSize.Width, 289);

  SetWindowPos(host, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_EQ(resized.size(), 1u);
  EXPECT_EQ(resized[0], std::make_pair(320, 240));
  EXPECT_EQ(skin.WindowSize.Width, 320);
  BITMAP rebuilt{};
  GetObjectA(record.BackgroundSurface.Bitmap, sizeof rebuilt, &rebuilt);
  EXPECT_EQ(rebuilt.bmWidth, 320);
  EXPECT_EQ(rebuilt.bmHeight, 240);
  GetObjectA(record.PresentSurface.Bitmap, sizeof rebuilt, &rebuilt);
  EXPECT_EQ(rebuilt.bmWidth, 320);
  EXPECT_EQ(record.FrameSurface.Bitmap, frame) << "the frame surface keeps its maximal size";
  EXPECT_EQ(record.WindowRect.right - record.WindowRect.left, 320);
  EXPECT_FALSE(host.ReceivedMessage(WM_SIZE)) << "WM_SIZE is never passed on";
}

TEST_F(WindowProcTest, FadeInDrawsFiveTimesAndStopsOnTheSixthTick) {
  for (int layerAlpha : {-1, 200}) {
    SCOPED_TRACE(layerAlpha);
    SkinWindow skin;
    TestHostWindow host;
    skin.Create(host, {.LayerAlpha = layerAlpha, .FixedSize = 1});
    WindowRecord& record = RecordOf(skin.WindowIndex);
    GraphicsRecorder recorder;
    EXPECT_EQ(skin.Repaint(std::nullopt, std::nullopt, true), 1);
    EXPECT_EQ(skin.Busy, 1);
    EXPECT_TRUE(recorder.Updates.empty()) << "nothing is shown before the timer runs";
    HDC target = layerAlpha == -1 ? record.WindowDc : record.PresentSurface.Dc;
    for (int tick = 1; tick <= 5; ++tick) {
      SendMessageA(host, WM_TIMER, FadeTimerId, 0);
      EXPECT_EQ(skin.Busy, 1);
    }
    EXPECT_EQ(recorder.AlphasInto(target), (std::vector<int>{51, 102, 153, 204, 255}));
    SendMessageA(host, WM_TIMER, FadeTimerId, 0);
    EXPECT_EQ(skin.Busy, 0);
    EXPECT_EQ(skin.FadeLevel, 0);
    EXPECT_EQ(recorder.AlphasInto(target).size(), 5u);
    EXPECT_EQ(recorder.Updates.size(), layerAlpha == -1 ? 0u : 6u) << "a layered window shows each step";
    EXPECT_FALSE(KillTimer(host, FadeTimerId)) << "the timer was stopped";
  }
}

TEST_F(WindowProcTest, ControlTimersReachTheirControlUnlessBusy) {
  SkinWindow skin;
  RecordingControl control;
  TestHostWindow host;
  skin.Create(host, {.CaptionFlags = 0, .FixedSize = 1});
  control.Register(host, MakeRectF(10, 10, 20, 20), ControlKind::Button);
  const WPARAM id = MAKELONG(skin.WindowIndex, 1);
  SendMessageA(host, WM_TIMER, id, 0);
  ASSERT_EQ(control.Count(WM_TIMER), 1);
  EXPECT_EQ(control.Log.back().WParam, id);
  skin.Busy = 1;
  SendMessageA(host, WM_TIMER, id, 0);
  skin.Busy = 0;
  SendMessageA(host, WM_TIMER, MAKELONG(skin.WindowIndex, 5), 0);
  EXPECT_EQ(control.Count(WM_TIMER), 1);
}

TEST_F(WindowProcTest, CloseEffectsRunToTheEndAndLeaveTheWindowTransparent) {
  for (int effect = 1; effect <= 6; ++effect) {
    for (int layerAlpha : {-1, 150}) {
      SCOPED_TRACE(testing::Message() << "effect " << effect << ", LayerAlpha " << layerAlpha);
      SkinWindow skin;
      TestHostWindow host;
      skin.Create(host, {.ThemeColour = 0x0030A0F0, .LayerAlpha = layerAlpha, .FixedSize = 1});
      skin.CloseEffect = effect;
      GraphicsRecorder recorder;
      int lastMaxAlpha = -1;
      int visibleFrames = 0;
      recorder.OnUpdate = [&](HDC source, SIZE size) {
        lastMaxAlpha = MaxAlphaOf(source, size);
        visibleFrames += lastMaxAlpha > 0;
      };
      const int frames = effect == 2 ? 20 : 25;
      PlayCloseEffect(skin.WindowIndex, effect);
      EXPECT_EQ(recorder.Updates.size(), static_cast<std::size_t>(frames + 1));
      EXPECT_GE(visibleFrames, frames - 2);
      EXPECT_EQ(lastMaxAlpha, 0) << "the last frame is fully transparent";
      EXPECT_EQ(skin.Busy, 0);
      EXPECT_TRUE(GetWindowLongPtrA(host, GWL_EXSTYLE) & WS_EX_LAYERED);
      EXPECT_EQ(RecordOf(skin.WindowIndex).LayerAlpha, layerAlpha == -1 ? 255 : layerAlpha);
    }
  }
}

TEST_F(WindowProcTest, CloseRunsTheEffectThenThePreviousProcedureDestroysTheWindow) {
  SkinWindow skin;
  TestHostWindow host;
  skin.Create(host, {.LayerAlpha = 150, .FixedSize = 1});
  skin.CloseEffect = 1;
  GraphicsRecorder recorder;
  SendMessageA(host, WM_CLOSE, 0, 0);
  EXPECT_GE(recorder.Updates.size(), 26u);
  EXPECT_FALSE(IsWindow(host));
  EXPECT_TRUE(WindowTable.empty());
}

TEST_F(WindowProcTest, ZoomEffectFadesInConstantSteps) {
  SkinWindow skin;
  TestHostWindow host;
  skin.Create(host, {.LayerAlpha = 150, .FixedSize = 1});
  skin.CloseEffect = 2;
  GraphicsRecorder recorder;
  PlayCloseEffect(skin.WindowIndex, 2);
  std::vector<int> alphas;
  for (const BlendCall& blend : recorder.Blends) alphas.push_back(blend.Alpha);
  ASSERT_EQ(alphas.size(), 20u);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(alphas[i], 150 - 7 * i);
  // Drawn a few pixels larger at first, then shrinking to 24 pixels smaller.
  EXPECT_EQ(recorder.Blends[0].X, 0);
  EXPECT_EQ(recorder.Blends[0].Width, 289 + 1);
  EXPECT_EQ(recorder.Blends[2].Width, 289 + 4);
  EXPECT_EQ(recorder.Blends[3].X, -4);
  EXPECT_EQ(recorder.Blends[3].Width, 289 + 8);
  EXPECT_EQ(recorder.Blends[19].X, 12);
  EXPECT_EQ(recorder.Blends[19].Width, 289 - 24);
  EXPECT_EQ(skin.Busy, 0);
}

TEST_F(WindowProcTest, WipesMoveTheirEdgeAndKeepTheirFirstLine) {
  struct Row {
    int effect;
    bool columns;
  };
  for (const Row& row : {Row{3, true}, Row{4, true}, Row{5, false}, Row{6, false}}) {
    SCOPED_TRACE(row.effect);
    SkinWindow skin;
    TestHostWindow host;
    skin.Create(host, {.LayerAlpha = 255, .FixedSize = 1});
    GraphicsRecorder recorder;
    PlayCloseEffect(skin.WindowIndex, row.effect);
    const int dimension = row.columns ? 289 : 206;
    int firstStepLines = 0;
    bool touchesZero = false;
    for (const BlendCall& b : recorder.Blends) {
      EXPECT_EQ(row.columns ? b.Width : b.Height, 1);
      const int line = row.columns ? b.X : b.Y;
      if (line == 0 && b.Alpha > 0) touchesZero = true;
      firstStepLines += &b - recorder.Blends.data() < dimension;
    }
    // Step i draws dimension - (i - 1) * (dimension / 25) lines.
    int expected = 0;
    for (int i = 1; i <= 25; ++i) expected += dimension - (i - 1) * (dimension / 25);
    EXPECT_EQ(static_cast<int>(recorder.Blends.size()), expected);
    if (row.effect == 4 || row.effect == 6) {
      EXPECT_FALSE(touchesZero) << "line 0 is never drawn";
    }
    // The lines next to the moving edge fade out.
    const BlendCall& last = recorder.Blends[dimension - 1];
    EXPECT_EQ(last.Alpha, 0);
    EXPECT_EQ(recorder.Blends[0].Alpha, 255);
  }
}

TEST_F(WindowProcTest, DoubleClickOnTheCaptionStripTogglesMaximise) {
  struct Row {
    int y;
    DWORD style;
    bool toggles;
  };
  for (const Row& row : {Row{24, WS_POPUP | WS_MAXIMIZEBOX, true}, Row{25, WS_POPUP | WS_MAXIMIZEBOX, false},
                         Row{10, WS_POPUP, false}}) {
    SCOPED_TRACE(row.y);
    SkinWindow skin;
    TestHostWindow host(289, 206, row.style);
    skin.Create(host, {.FixedSize = 1});
    // The toggle enters the system's caption-drag loop twice; a button release ends each.
    auto doubleClick = [&] {
      PostMessageA(host, WM_LBUTTONUP, 0, MAKELPARAM(100, row.y));
      PostMessageA(host, WM_LBUTTONUP, 0, MAKELPARAM(100, row.y));
      SendMessageA(host, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, row.y));
    };
    doubleClick();
    PumpMessages();
    EXPECT_EQ(IsZoomed(host) != FALSE, row.toggles);
    if (row.toggles) {
      doubleClick();
      PumpMessages();
      EXPECT_FALSE(IsZoomed(host)) << "a second double click restores";
    }
  }
}
