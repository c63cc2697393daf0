// Slots 0 to 2 and 4 to 9 and 40: the engine object's life, the frame
// procedure's entry, skinning a window, the per-window title, background and
// custom buttons, and the global theme and switches.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/gdiplus_session.h"
#include "skin/controls/buttons/button_record.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/engine/slot_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace slot_test;
using skin::GetIntProp;
namespace prop = skin::prop;

class EngineLifecycleAndTheme : public SlotTest {};

// What the frame answers for WM_GETMINMAXINFO: the record's minimum track size.
POINT MinTrackOf(HWND window) {
  MINMAXINFO info{};
  ::SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info.ptMinTrackSize;
}

TEST_F(EngineLifecycleAndTheme, DestroyReleasesIconAndGdiplusOnceAndLeavesWindowsWithTheEngine) {
  // Slot 0 on a copy: the test program's GDI+ runs under its own token, and
  // the engine's shutdown may only end the one the engine started.
  const HICON programIcon = skin::ModuleIcon;
  skin::ModuleIcon = ::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION));
  ASSERT_NE(skin::ModuleIcon, nullptr);
  platform::StartGdiplus();
  ASSERT_NE(platform::GdiplusToken(), 0u);

  std::unique_ptr<skin::SkinEngine> copy = Engine().Copy();
  copy->Destroy();
  EXPECT_EQ(skin::ModuleIcon, nullptr);
  EXPECT_EQ(platform::GdiplusToken(), 0u);
  EXPECT_EQ(copy->FrameProcEntry, nullptr);
  // Twice is harmless: nothing is left to release.
  copy->Destroy();
  copy.reset();

  // The windows still reach the engine, which still draws.
  EXPECT_NE(Engine().FrameProcEntry, nullptr);
  const POINT track = MinTrackOf(target_);
  EXPECT_EQ(track.x, 200);
  EXPECT_EQ(track.y, 150);
  const RECT all{0, 0, 300, 200};
  ::FillRect(Record(i_).FrameDC.get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  Engine().RenderFrame(i_);
  EXPECT_TRUE(Near(FramePixels(i_).at(150, 100), 0x808080, 8));
  skin::ModuleIcon = programIcon;
}

TEST_F(EngineLifecycleAndTheme, CopyKeepsTheFieldsAndDroppingItLeavesWindowsWithTheEngine) {
  Engine().HotButton = 2;
  {
    std::unique_ptr<skin::SkinEngine> copy = Engine().Copy();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->FrameProcEntry, Engine().FrameProcEntry);
    EXPECT_EQ(copy->FrameMargin, Engine().FrameMargin);
    EXPECT_EQ(copy->HotButton, 2);
  }
  Engine().HotButton = 0;
  const POINT track = MinTrackOf(target_);
  EXPECT_EQ(track.x, 200) << "the frame procedure lost the engine with the copy";
  EXPECT_EQ(track.y, 150);
}

TEST_F(EngineLifecycleAndTheme, FrameProcedureAnswersOnlyForItsOwnWindows) {
  MINMAXINFO info{};
  Engine().FrameWndProc(target_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  // Anything else is forwarded: the plain window's own answer, nothing
  // taken from a record; a destroyed or null handle answers 0.
  EXPECT_EQ(Engine().FrameWndProc(plain_, WM_GETTEXTLENGTH, 0, 0), 5);
  for (HWND window : NotSkinnedWindows()) {
    MINMAXINFO untouched{};
    Engine().FrameWndProc(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&untouched));
    EXPECT_EQ(untouched.ptMinTrackSize.x, 0);
    EXPECT_EQ(untouched.ptMinTrackSize.y, 0);
  }
  EXPECT_EQ(Engine().FrameWndProc(gone_, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(Engine().FrameWndProc(nullptr, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(skin::WindowCount(), 2);
  ExpectBystanderUntouched("frame procedure calls for other windows");
}

TEST_F(EngineLifecycleAndTheme, SkinWindowRefusesNullDestroyedRepeatedAndChildWindows) {
  EXPECT_FALSE(Engine().SkinWindow(nullptr));
  EXPECT_FALSE(Engine().SkinWindow(gone_));
  EXPECT_FALSE(Engine().SkinWindow(target_));
  // A control is no top-level window: taking it over would break the
  // record it already has in its window's list.
  const LONG_PTR buttonProc = ::GetWindowLongPtrA(bystanderButton_, GWLP_WNDPROC);
  EXPECT_FALSE(Engine().SkinWindow(bystanderButton_));
  EXPECT_EQ(::GetWindowLongPtrA(bystanderButton_, GWLP_WNDPROC), buttonProc);
  EXPECT_EQ(GetIntProp(bystanderButton_, prop::Hw_lbID), 1);
  const LONG_PTR childProc = ::GetWindowLongPtrA(plainChild_, GWLP_WNDPROC);
  EXPECT_FALSE(Engine().SkinWindow(plainChild_));
  EXPECT_EQ(::GetWindowLongPtrA(plainChild_, GWLP_WNDPROC), childProc);
  EXPECT_EQ(GetIntProp(plainChild_, prop::Hw_lbID), 0);
  EXPECT_EQ(skin::WindowCount(), 2);
  ExpectBystanderUntouched("refused SkinWindow calls");

  // The plain window itself is taken and numbered next.
  EXPECT_TRUE(Engine().SkinWindow(plain_));
  EXPECT_EQ(skin::FindSkinnedWindow(plain_), 3);
  EXPECT_EQ(skin::WindowNumberOf(plain_), 3);
}

TEST_F(EngineLifecycleAndTheme, AddCaptionButtonPutsACustomButtonFirstAndRefusesTheRest) {
  const auto image = SolidPng(26, 18, 0x0000FF);
  for (HWND window : NotSkinnedWindows())
    EXPECT_FALSE(Engine().AddCaptionButton(window, image, "tip", CountingHandler));
  ExpectBystanderUntouched("refused AddCaptionButton calls");
  EXPECT_EQ(GetIntProp(plain_, prop::Hw_lbID), 0);

  const skin::SkinnedWindow& w = Record(i_);
  const int count = w.CaptionButtons.count(), width = w.ButtonsWidth;
  ASSERT_TRUE(Engine().AddCaptionButton(target_, image, "mine", CountingHandler));
  ASSERT_EQ(w.CaptionButtons.count(), count + 1);
  EXPECT_EQ(w.CaptionButtons.at(1).Kind, skin::kCustomButton);
  EXPECT_EQ(w.CaptionButtons.at(1).TipText, "mine");
  EXPECT_EQ(w.CaptionButtons.at(1).ButtonImage, image);
  EXPECT_EQ(w.ButtonsWidth, width + 27);
  EXPECT_EQ(w.CaptionButtons.at(2).Kind, skin::kHelpButton);
  // Laid out at once: the new button stands left of the help button.
  EXPECT_LT(w.CaptionButtons.at(1).Rect.X, w.CaptionButtons.at(2).Rect.X);
  Engine().DoCaptionButton(i_, 1);
  EXPECT_EQ(CountCalls(), 1);
  ExpectBystanderUntouched("AddCaptionButton on the target");
}

TEST_F(EngineLifecycleAndTheme, SetTitleFontRestylesTheTitleAndRefusesTheRest) {
  for (HWND window : NotSkinnedWindows())
    EXPECT_FALSE(Engine().SetTitleFont(window, std::string("Arial"), 20, 0x0000FF));
  ExpectBystanderUntouched("refused SetTitleFont calls");

  const testing_support::Pixels before = FramePixels(i_);
  ASSERT_TRUE(Engine().SetTitleFont(target_, {}, 16, 0x0000FF, {}, {}));
  const skin::SkinnedWindow& w = Record(i_);
  EXPECT_EQ(w.TitleFontName, "宋体");  // not given: kept
  EXPECT_EQ(w.TitleFontSize, 16);
  EXPECT_EQ(w.TitleColour, 0x0000FFu);
  EXPECT_EQ(w.TitleShadowColour, 0x808080u);
  // The title is drawn again at once, and only the caption changes.
  const testing_support::Pixels after = FramePixels(i_);
  EXPECT_GT(ChangedPixels(before, after), 0);
  int below = 0;
  for (int y = w.CaptionHeight; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (before.raw(x, y) != after.raw(x, y)) ++below;
  EXPECT_EQ(below, 0);
}

TEST_F(EngineLifecycleAndTheme, SetWindowBackgroundTakesAPictureAndRefusesEmptyOnesAndTheRest) {
  const auto green = SolidPng(40, 30, 0x00C000);
  for (HWND window : NotSkinnedWindows())
    EXPECT_FALSE(Engine().SetWindowBackground(window, green, 3));
  ExpectBystanderUntouched("refused SetWindowBackground calls");

  skin::SkinnedWindow& w = Record(i_);
  EXPECT_FALSE(Engine().SetWindowBackground(target_, {}, 3));
  EXPECT_TRUE(w.BackImage.empty());
  ASSERT_TRUE(Engine().SetWindowBackground(target_, green, 3));
  EXPECT_FALSE(w.BackImage.empty());
  EXPECT_EQ(w.BackMode, 3);
  EXPECT_TRUE(Near(w.BackColour, 0x00C000, 8));
  EXPECT_TRUE(w.Dirty);
  Engine().RenderFrame(i_);
  EXPECT_TRUE(Near(FramePixels(i_).at(150, 100), 0x00C000, 8));
  ExpectBystanderUntouched("SetWindowBackground on the target");
}

TEST_F(EngineLifecycleAndTheme, SetThemeColoursEveryFrameAndGetThemeColourReadsIt) {
  Engine().SetTheme({}, {}, 0x204060);
  EXPECT_EQ(Engine().GetThemeColour(), 0x204060u);
  EXPECT_EQ(skin::Module.AccentColour, 0xDDCA22u);
  EXPECT_TRUE(skin::Module.BackgroundImage.empty());
  Engine().RenderFrame(i_);
  EXPECT_TRUE(Near(FramePixels(i_).at(150, 100), 0x204060, 4));

  // An empty picture, nothing given, or a picture that does not decode:
  // nothing breaks; only the accent goes back to its default.
  skin::Module.AccentColour = 0x123456;
  Engine().SetTheme({}, skin::Bytes{});
  EXPECT_EQ(Engine().GetThemeColour(), 0x204060u);
  EXPECT_EQ(skin::Module.AccentColour, 0xDDCA22u);
  Engine().SetTheme();
  EXPECT_EQ(Engine().GetThemeColour(), 0x204060u);
  Engine().SetTheme({}, skin::Bytes{1, 2, 3, 4}, 0x204060, {}, 3);
  Engine().RenderFrame(i_);
  EXPECT_TRUE(Near(FramePixels(i_).at(150, 100), 0x204060, 4));
  // The accent follows the theme colour when asked.
  Engine().SetTheme({}, {}, 0x0A0B0C, skin::kAccentFollowsTheme);
  EXPECT_EQ(skin::Module.AccentColour, 0x0A0B0Cu);

  // The theme reaches skinned windows only.
  EXPECT_EQ(GetIntProp(plain_, prop::Hw_lbID), 0);
  EXPECT_EQ(skin::WindowCount(), 2);
}

TEST_F(EngineLifecycleAndTheme, SetOptionsStoresTheSwitchesThatChildSkinningObeys) {
  Engine().SetOptions(false, 90, false);
  EXPECT_FALSE(skin::Module.SkinChildControls);
  EXPECT_EQ(skin::Module.Translucency, 90);
  EXPECT_TRUE(skin::Module.TranslucencyGiven);
  EXPECT_FALSE(skin::Module.TrackOption);
  // Frame only: a window skinned now keeps its button unskinned.
  HWND frameOnly = MakeWindow(240, 160, 0, 300, 300);
  HWND button = control_test::MakeControl(frameOnly, "BUTTON", "b", BS_PUSHBUTTON, 10, 40, 60, 20);
  const LONG_PTR proc = ::GetWindowLongPtrA(button, GWLP_WNDPROC);
  const int n = Skin(frameOnly);
  EXPECT_EQ(skin::FindChild(Record(n).ButtonControls, button), 0);
  EXPECT_EQ(::GetWindowLongPtrA(button, GWLP_WNDPROC), proc);

  Engine().SetOptions(true);
  EXPECT_TRUE(skin::Module.SkinChildControls);
  EXPECT_EQ(skin::Module.Translucency, 160);
  EXPECT_FALSE(skin::Module.TranslucencyGiven);
  EXPECT_TRUE(skin::Module.TrackOption);
}

}  // namespace
