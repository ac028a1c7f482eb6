// Engine start-up: texts, fonts, the library's window class, the sprite, string formats.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/test_support.h"
#include "ui/engine/engine_globals.h"
#include "ui/engine/font_helpers.h"
#include "ui/engine/gdip_string_format.h"
#include "ui/engine/skin_class.h"
#include "ui/engine/text_codec.h"

namespace {

std::string Hex(std::string_view bytes) {
  std::string out;
  char buffer[4];
  for (unsigned char c : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X ", c);
    out += buffer;
  }
  return out;
}

// Sets DefaultFont to none for the scope, as during start-up before the default font exists.
class NoDefaultFont {
 public:
  NoDefaultFont() : saved_(std::exchange(DefaultFont, nullptr)) {}
  ~NoDefaultFont() { DefaultFont = saved_; }
  GpFont* Saved() const { return saved_; }

 private:
  GpFont* saved_;
};

}  // namespace

TEST(Texts, ProgramTextsAreGbkBytes) {
  EXPECT_EQ(Hex("一键定位"), "D2 BB BC FC B6 A8 CE BB ");
  EXPECT_EQ(GetACP(), 936u) << "tests expect the Chinese ANSI code page";
}

TEST(Texts, AnsiWideRoundTrip) {
  const std::string samples[] = {"一键定位", "Morvane", "提示：", "C:\\易语言\\e.exe", ""};
  for (const std::string& text : samples) {
    const std::wstring wide = AnsiToWide(text, CP_ACP);
    EXPECT_EQ(WideToAnsi(wide, CP_ACP), text);
  }
  EXPECT_EQ(AnsiToWide("一键定位", CP_ACP), L"一键定位");
  EXPECT_EQ(WideToAnsi(L"一键定位", CP_ACP), "一键定位");
  // The block handed to GDI+ is terminated.
  const std::wstring wide = AnsiToWide("ab", CP_ACP);
  EXPECT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide.c_str()[2], L'\0');
}

TEST(Engine, StartupFillsTheGlobals) {
  EnsureEngineStarted();
  EXPECT_NE(GdiplusToken, 0u);
  EXPECT_EQ(DefaultTimerInterval, 80);
  ASSERT_NE(DefaultFont, nullptr);
  REAL size = 0;
  GdipGetFontSize(DefaultFont, &size);
  EXPECT_FLOAT_EQ(size, 12.0f);
  Unit unit = UnitWorld;
  GdipGetFontUnit(DefaultFont, &unit);
  EXPECT_EQ(unit, UnitPixel);
  INT style = -1;
  GdipGetFontStyle(DefaultFont, &style);
  EXPECT_EQ(style, FontStyleRegular);

  ASSERT_NE(CaptionButtonSprite, nullptr);
  EXPECT_EQ(CaptionButtonSprite->Width(), 729);
  EXPECT_EQ(CaptionButtonSprite->Height(), 20);
}

TEST(Engine, OsMajorVersionIsTheRealOne) {
  EnsureEngineStarted();
  // The kernel's shared page holds the version no compatibility shim rewrites.
  const auto sharedMajor = *reinterpret_cast<const volatile ULONG*>(0x7FFE026C);
  EXPECT_EQ(static_cast<ULONG>(OsMajorVersion), sharedMajor);
  EXPECT_GE(OsMajorVersion, 5);
}

TEST(Fonts, CandidateListStartsWithSongTi) {
  EnsureEngineStarted();
  const std::vector<std::string> candidates = DefaultFontCandidates();
  ASSERT_EQ(candidates.size(), 2u);
  EXPECT_EQ(candidates[0], "宋体");
  EXPECT_EQ(candidates[1], GetSystemUiFontFace());
}

TEST(Fonts, SystemFaceRule) {
  EnsureEngineStarted();
  NoDefaultFont startup;  // the rule runs while the default font is being made
  EXPECT_EQ(UsableSystemFace("Tahoma"), "宋体");
  EXPECT_EQ(UsableSystemFace("No Such Face 4711"), "宋体");
  const std::string installed = GetFontFamilyName(startup.Saved());
  EXPECT_EQ(UsableSystemFace(installed), installed) << "a face GDI+ can use is kept";
  EXPECT_EQ(UsableSystemFace("宋体"), "宋体");
  for (int kind : {MenuFont, CaptionFont, MessageFont}) EXPECT_FALSE(GetSystemUiFontFace(kind).empty());
}

TEST(Fonts, FirstUsableCandidateWinsAndNoneGivesNoFont) {
  EnsureEngineStarted();
  NoDefaultFont startup;
  EXPECT_EQ(CreateFirstAvailableFont({"No Such Face A", "No Such Face B"}), nullptr);
  GpFont* font = CreateFirstAvailableFont({"No Such Face A", "宋体"});
  ASSERT_NE(font, nullptr);
  EXPECT_FALSE(GetFontFamilyName(font).empty());
  GdipDeleteFont(font);
}

TEST(Fonts, FallbackUsesTheDefaultFontFamily) {
  EnsureEngineStarted();
  GpFont* font = CreateFontWithFallback("No Such Face 4711", 20.0f, FontStyleBold);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetFontFamilyName(font), GetFontFamilyName(DefaultFont));
  REAL size = 0;
  GdipGetFontSize(font, &size);
  EXPECT_FLOAT_EQ(size, 20.0f);
  INT style = 0;
  GdipGetFontStyle(font, &style);
  EXPECT_EQ(style, FontStyleBold);
  GdipDeleteFont(font);

  NoDefaultFont startup;
  EXPECT_EQ(CreateFontWithFallback("No Such Face 4711", 12.0f, 0), nullptr);
}

TEST(SkinClass, ArrowCursorDoubleClicksAndDefaultHandling) {
  EnsureEngineStarted();
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kSkinHostClass, &info));
  EXPECT_TRUE(info.style & CS_DBLCLKS);
  EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
  EXPECT_EQ(info.hIcon, nullptr) << "the program has no icon resource 129";
  EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  EXPECT_EQ(info.cbClsExtra, 0);
  EXPECT_EQ(info.cbWndExtra, 0);

  HWND window = CreateWindowExA(0, kSkinHostClass, "probe", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetClassLongPtrA(window, GCLP_HCURSOR), reinterpret_cast<LONG_PTR>(info.hCursor));
  EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(10, 10)), HTCLIENT);
  DestroyWindow(window);

  EXPECT_FALSE(RegisterSkinClass(PassThroughWindowProc)) << "a second registration is refused";
}

TEST(StringFormat, EmptyObjectRefusesEverything) {
  EnsureEngineStarted();
  GdipStringFormat format;
  EXPECT_EQ(format.GetHandle(), nullptr);
  EXPECT_FALSE(format.SetAlign(StringAlignmentCenter));
  EXPECT_FALSE(format.SetTrimming(StringTrimmingEllipsisCharacter));
  EXPECT_FALSE(format.SetHotkeyPrefix(HotkeyPrefixShow));
  EXPECT_FALSE(format.SetFlags(StringFormatFlagsNoWrap));
  EXPECT_EQ(format.GetAlign(), 0);
  format.Delete();  // nothing to delete
  EXPECT_EQ(format.GetHandle(), nullptr);
}

TEST(StringFormat, OwnsAPrivateTypographicFormat) {
  EnsureEngineStarted();
  GdipStringFormat format;
  format.FromGenericTypographic();
  ASSERT_NE(format.GetHandle(), nullptr);
  EXPECT_TRUE(format.SetAlign(StringAlignmentFar));
  EXPECT_EQ(format.GetAlign(), StringAlignmentFar);
  EXPECT_TRUE(format.SetTrimming(StringTrimmingEllipsisCharacter));
  EXPECT_TRUE(format.SetHotkeyPrefix(HotkeyPrefixShow));
  EXPECT_TRUE(format.SetFlags(StringFormatFlagsNoWrap));
  INT flags = 0;
  GdipGetStringFormatFlags(format.GetHandle(), &flags);
  EXPECT_EQ(flags, StringFormatFlagsNoWrap);

  // The shared generic format is left as it was.
  GpStringFormat* generic = nullptr;
  GdipStringFormatGetGenericTypographic(&generic);
  StringAlignment genericAlign = StringAlignmentFar;
  GdipGetStringFormatAlign(generic, &genericAlign);
  EXPECT_EQ(genericAlign, StringAlignmentNear);

  // A copy is independent of the original.
  GdipStringFormat copy = format.Clone();
  ASSERT_NE(copy.GetHandle(), nullptr);
  EXPECT_NE(copy.GetHandle(), format.GetHandle());
  EXPECT_EQ(copy.GetAlign(), StringAlignmentFar);
  format.Delete();
  EXPECT_EQ(format.GetHandle(), nullptr);
  EXPECT_TRUE(copy.SetAlign(StringAlignmentCenter));

  // Taking a new format releases the one held.
  copy.FromGenericTypographic();
  EXPECT_EQ(copy.GetAlign(), StringAlignmentNear);
}
