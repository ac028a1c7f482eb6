// SkinWindow lifecycle and the window/control data model.
#include <gtest/gtest.h>

#include "tests/support/skin_test_window.h"
#include "tests/support/test_support.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"

namespace {

class SkinWindowTest : public testing::Test {
 protected:
  void SetUp() override { EnsureEngineStarted(); }
};

RectF At(float x, float y) { return MakeRectF(x, y, 20, 20); }

}  // namespace

TEST_F(SkinWindowTest, AttachBuildsTheRecordSurfacesAndSubclass) {
  SkinWindow skin;
  TestHostWindow host;
  auto oldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(host, GWLP_WNDPROC));
  HWND tooltip = skin.Create(host, {.ThemeColour = 0x00804020, .LayerAlpha = 200});
  ASSERT_EQ(skin.WindowIndex, 1);
  ASSERT_EQ(WindowTable.size(), 1u);
  WindowRecord& record = RecordOf(1);
  EXPECT_EQ(record.Hwnd, host.Handle());
  EXPECT_EQ(record.Owner, &skin);
  EXPECT_EQ(record.LayerAlpha, 200);
  EXPECT_EQ(GetPropA(host, "addr_wnd"), &skin);
  EXPECT_EQ(skin.OldWndProc, oldProc);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(host, GWLP_WNDPROC)), SkinWindowProc);
  EXPECT_EQ(skin.WindowSize.Width, 289);
  EXPECT_EQ(skin.WindowSize.Height, 206);
  EXPECT_NE(record.WindowDc, nullptr);
  EXPECT_TRUE(record.FrameSurface && record.BackgroundSurface && record.PresentSurface);
  EXPECT_TRUE(GetWindowLongPtrA(host, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_TRUE(GetWindowLongPtrA(host, GWL_STYLE) & WS_THICKFRAME) << "resizable unless FixedSize";
  EXPECT_TRUE(GetWindowLongPtrA(host, GWL_STYLE) & WS_SYSMENU);
  EXPECT_NE(tooltip, nullptr);
  EXPECT_EQ(skin.TooltipWindow, tooltip);
  EXPECT_EQ(skin.SystemMenu, GetSystemMenu(host, FALSE));
  // The frame surface has the largest size a window can get.
  BITMAP frame{};
  GetObjectA(record.FrameSurface.Bitmap, sizeof frame, &frame);
  EXPECT_EQ(frame.bmWidth, GetSystemMetrics(SM_CXMAXTRACK));
  EXPECT_EQ(frame.bmHeight, GetSystemMetrics(SM_CYMAXTRACK));
  EXPECT_EQ(frame.bmBitsPixel, 32);

  host.Destroy();
  EXPECT_TRUE(WindowTable.empty());
  EXPECT_EQ(skin.OldWndProc, nullptr);
  EXPECT_EQ(skin.TooltipWindow, nullptr);
}

TEST_F(SkinWindowTest, CaptionFlagsDecideButtonsIconAndStyles) {
  struct Case {
    const char* name;
    DWORD style;
    std::optional<int> flags;
    int storedFlags;
    std::vector<int> buttonTypes;
    bool icon;
    bool sysMenu;
  };
  const Case cases[] = {
      {"absent, no boxes", WS_POPUP, std::nullopt, 1 | 2 | 4, {4}, true, true},
      {"absent, both boxes", WS_POPUP | WS_MAXIMIZEBOX | WS_MINIMIZEBOX, std::nullopt, 1 | 2 | 4 | 8 | 16, {4, 8, 16}, true, true},
      {"close only, as given", WS_POPUP | WS_MINIMIZEBOX, 0x404, 0x404, {4}, false, true},
      {"main window's set", WS_POPUP | WS_MINIMIZEBOX, 87, 87, {4, 16, 64}, true, true},
      {"none", WS_POPUP | WS_MINIMIZEBOX, 0, 0, {}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SkinWindow skin;
    TestHostWindow host(289, 206, c.style);
    skin.Create(host, {.CaptionFlags = c.flags, .FixedSize = 1});
    EXPECT_EQ(skin.CaptionFlags, c.storedFlags);
    std::vector<int> types;
    for (const auto& button : skin.CaptionButtons) types.push_back(button->GetButtonType());
    EXPECT_EQ(types, c.buttonTypes);
    EXPECT_EQ(skin.IconControl.IsRegistered(), c.icon);
    EXPECT_EQ((GetWindowLongPtrA(host, GWL_STYLE) & WS_SYSMENU) != 0, c.sysMenu);
    EXPECT_FALSE(GetWindowLongPtrA(host, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongPtrA(host, GWL_EXSTYLE) & WS_EX_LAYERED) << "LayerAlpha -1";
    EXPECT_FALSE(RecordOf(skin.WindowIndex).PresentSurface);
    // Buttons stand right-aligned in one row, the close button rightmost.
    int right = 289 - 5 - 3;
    for (const auto& button : skin.CaptionButtons) {
      const RectF b = button->GetBounds();
      EXPECT_EQ(b.X + b.Width, right);
      EXPECT_EQ(b.Y, 6);
      EXPECT_EQ(b.Width, button->GetButtonType() == 4 ? 39 : 28);
      EXPECT_EQ(b.Height, 19);
      right = static_cast<int>(b.X);
    }
    if (c.icon) {
      EXPECT_EQ(skin.IconControl.GetBounds().X, 11);
      EXPECT_EQ(skin.IconControl.GetBounds().Width, 16);
    }
  }
}

TEST_F(SkinWindowTest, ZoomedWindowUsesNoMargin) {
  SkinWindow skin;
  TestHostWindow host(289, 206, WS_POPUP | WS_MAXIMIZEBOX);
  ShowWindow(host, SW_MAXIMIZE);
  ASSERT_TRUE(IsZoomed(host));
  RECT rect;
  GetWindowRect(host, &rect);
  skin.Create(host, {.CaptionFlags = 0x404});
  ASSERT_EQ(skin.CaptionButtons.size(), 1u);
  const RectF close = skin.CaptionButtons[0]->GetBounds();
  EXPECT_EQ(close.X, (rect.right - rect.left) - 3 - 39);
  EXPECT_EQ(close.Y, 1);
}

TEST_F(SkinWindowTest, ReattachingReusesCaptionButtonObjects) {
  SkinWindow skin;
  SkinCaptionButton* first = nullptr;
  {
    TestHostWindow host(289, 206, WS_POPUP | WS_MAXIMIZEBOX | WS_MINIMIZEBOX);
    skin.Create(host);
    ASSERT_EQ(skin.CaptionButtons.size(), 3u);
    first = skin.CaptionButtons[0].get();
  }
  TestHostWindow host(289, 206, WS_POPUP);
  skin.Create(host);
  ASSERT_EQ(skin.CaptionButtons.size(), 1u) << "surplus buttons are released";
  EXPECT_EQ(skin.CaptionButtons[0].get(), first);
  EXPECT_EQ(skin.CaptionButtons[0]->GetWindowIndex(), 1);
  EXPECT_TRUE(skin.CaptionButtons[0]->IsRegistered());
}

TEST_F(SkinWindowTest, DetachingTheFirstWindowRenumbersTheSecond) {
  // Objects first, windows last: a window is destroyed before what it refers to.
  SkinWindow first;
  SkinWindow second;
  RecordingControl a;
  RecordingControl b;
  TestHostWindow firstHost;
  TestHostWindow secondHost;
  first.Create(firstHost, {.CaptionFlags = 0x404});
  second.Create(secondHost, {.CaptionFlags = 0x404});
  a.Register(secondHost, At(40, 40), ControlKind::Button);
  b.Register(secondHost, At(80, 40), ControlKind::Label);
  ASSERT_EQ(second.WindowIndex, 2);
  ASSERT_EQ(a.GetWindowIndex(), 2);

  firstHost.Destroy();
  ASSERT_EQ(WindowTable.size(), 1u);
  EXPECT_EQ(second.WindowIndex, 1);
  EXPECT_EQ(a.GetWindowIndex(), 1);
  EXPECT_EQ(b.GetWindowIndex(), 1);
  EXPECT_EQ(second.CaptionButtons[0]->GetWindowIndex(), 1);
  EXPECT_EQ(WindowIndexOf(secondHost), 1);
  EXPECT_EQ(SkinOf(1), &second);
  EXPECT_EQ(FindControl(1, b.GetId()), 3);
}

TEST_F(SkinWindowTest, DetachUnregistersControlsLastFirstAndClearsState) {
  SkinWindow skin;
  std::vector<int> order;
  RecordingControl controls[3];
  TestHostWindow host;
  skin.Create(host, {.CaptionFlags = 0});
  for (int i = 0; i < 3; ++i) {
    controls[i].DestroyOrder = &order;
    controls[i].Register(host, At(20.0f + 30 * i, 40), ControlKind::Button);
  }
  skin.FocusControl = 2;
  skin.HoverControl = 3;
  host.Destroy();
  EXPECT_EQ(order, (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(skin.FocusControl, 0);
  EXPECT_EQ(skin.HoverControl, 0);
  EXPECT_EQ(skin.PressedControl, 0);
  for (const auto& control : controls) EXPECT_FALSE(control.IsRegistered());
  EXPECT_TRUE(WindowTable.empty());
}

TEST_F(SkinWindowTest, ControlIdsAreSmallestFreeAndReused) {
  SkinWindow skin;
  RecordingControl a, b, c, d;
  TestHostWindow host;
  skin.Create(host, {.CaptionFlags = 0});
  a.Register(host, At(0, 0), ControlKind::Button);
  b.Register(host, At(0, 0), ControlKind::Button);
  c.Register(host, At(0, 0), ControlKind::Button);
  EXPECT_EQ(a.GetId(), 1);
  EXPECT_EQ(c.GetId(), 3);
  EXPECT_EQ(a.Destroy(), 1);
  EXPECT_EQ(NextControlId(host), 1);
  d.Register(host, At(0, 0), ControlKind::Label);
  EXPECT_EQ(d.GetId(), 1);
  EXPECT_EQ(FindControl(1, 1), 3) << "the new control is appended at the end";
  b.Register(host, At(0, 0), ControlKind::Button);  // registered already: nothing changes
  EXPECT_EQ(RecordOf(1).ControlTable.size(), 3u);
  EXPECT_EQ(UnregisterControl(1, 99), 0);
  EXPECT_EQ(UnregisterControl(7, 1), 0);
  EXPECT_EQ(RecordOf(1).ControlTable.size(), 3u);

  RecordingControl orphan;
  orphan.Register(GetDesktopWindow(), At(0, 0), ControlKind::Button);
  EXPECT_FALSE(orphan.IsRegistered()) << "a window that is not skinned takes no controls";
}

TEST_F(SkinWindowTest, StateIndicesFollowRemovedControls) {
  struct Row {
    int index, removed, expected;
  };
  for (const Row& row : {Row{0, 1, 0}, Row{4, 2, 3}, Row{2, 2, 0}, Row{1, 2, 1}, Row{3, 1, 2}}) {
    EXPECT_EQ(ShiftStateIndex(row.index, row.removed), row.expected) << row.index << " remove " << row.removed;
  }

  SkinWindow skin;
  RecordingControl controls[4];
  TestHostWindow host;
  skin.Create(host, {.CaptionFlags = 0});
  for (auto& control : controls) control.Register(host, At(0, 0), ControlKind::Button);
  skin.FocusControl = 4;
  skin.HoverControl = 2;
  skin.PressedControl = 1;
  ASSERT_EQ(controls[1].Destroy(), 1);
  EXPECT_EQ(skin.FocusControl, 3);
  EXPECT_EQ(ControlOf(1, skin.FocusControl), &controls[3]);
  EXPECT_EQ(skin.HoverControl, 0);
  EXPECT_EQ(skin.PressedControl, 1);
  ASSERT_EQ(controls[3].Destroy(), 1);
  EXPECT_EQ(skin.FocusControl, 0);
}

TEST_F(SkinWindowTest, SendToControlRespectsVisibilityLiveAndForce) {
  SkinWindow skin;
  RecordingControl control;
  TestHostWindow host;
  skin.Create(host, {.CaptionFlags = 0});
  control.Register(host, At(10, 10), ControlKind::Button);
  std::vector<std::pair<UINT, int>> hookCalls;
  control.SetEventHandler(MsgClick, [&](int, int controlIndex, WPARAM, LPARAM, int) {
    hookCalls.emplace_back(MsgClick, controlIndex);
  });

  SendToControl(1, 1, host, MsgClick, 0, 0, 1, 0);
  EXPECT_EQ(control.Count(MsgClick), 1);
  EXPECT_EQ(hookCalls.size(), 1u) << "the hook runs after the handler";

  ControlRecordOf(1, 1).Visible = 0;
  SendToControl(1, 1, host, MsgClick, 0, 0, 1, 0);
  EXPECT_EQ(control.Count(MsgClick), 1) << "hidden controls get nothing";
  SendToControl(1, 1, host, MsgClick, 0, 0, 1, 1);
  EXPECT_EQ(control.Count(MsgClick), 2) << "unless forced";

  ControlRecordOf(1, 1).Visible = 1;
  control.Freeze();
  SendToControl(1, 1, host, MsgClick, 0, 0, 1, 0);
  EXPECT_EQ(control.Count(MsgClick), 2);
  control.Thaw();
  EXPECT_EQ(SendToControl(1, 2, host, MsgClick, 0, 0, 1, 1), 0) << "invalid index";
  EXPECT_EQ(SendToControl(2, 1, host, MsgClick, 0, 0, 1, 1), 0);
  EXPECT_EQ(ControlOf(1, 2), nullptr);
  EXPECT_EQ(SkinOf(0), nullptr);
}
