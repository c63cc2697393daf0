// The engine's registry, window properties, theme and per-window settings.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using skin::GetIntProp;
namespace prop = skin::prop;

class FrameRegistry : public FrameTest {};

TEST_F(FrameRegistry, SkinningRegistersSubclassesAndNumbersTheWindow) {
  HWND window = MakeWindow(300, 200);
  const LONG_PTR before = ::GetWindowLongPtrA(window, GWLP_WNDPROC);
  ASSERT_TRUE(Engine().SkinWindow(window));
  const int i = skin::FindSkinnedWindow(window);
  ASSERT_GE(i, 1);
  EXPECT_EQ(GetIntProp(window, prop::Hw_lbID), i);
  EXPECT_EQ(skin::WindowNumberOf(window), i);
  // The procedure saved is the one in place just before (the caption
  // tooltip has put its own in front of the window's by then), and messages
  // the frame does not take still reach the window's own.
  EXPECT_NE(GetIntProp(window, prop::Hw_hProc), 0);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(Record(i).OldWndProc), GetIntProp(window, prop::Hw_hProc));
  EXPECT_NE(before, 0);
  SeenMessages().clear();
  SwallowFrameCommands(true);
  ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  SwallowFrameCommands(false);
  ASSERT_EQ(SeenMessages().size(), 1u);
  EXPECT_EQ(SeenMessages()[0].wParam, static_cast<WPARAM>(SC_CLOSE));
  EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(Engine().FrameProcEntry));
  EXPECT_TRUE(::GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(Engine().FrameMargin, 3);
  // Defaults of the record.
  const skin::SkinnedWindow& w = Record(i);
  EXPECT_EQ(w.CaptionHeight, 25);
  EXPECT_TRUE(w.ShowCaption && w.Resizable && w.ShowTitle);
  EXPECT_FALSE(w.CaptionGloss || w.HelpButtonWanted || w.MenuButtonWanted);
  EXPECT_EQ(w.MinTrackWidth, 200);
  EXPECT_EQ(w.MinTrackHeight, 150);
  EXPECT_EQ(w.MaxTrackWidth, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(w.TitleColour, 0xFFFFFFu);
  EXPECT_EQ(w.TitleShadowColour, 0x808080u);
  EXPECT_EQ(w.TitleFontName, "宋体");
  EXPECT_EQ(w.TitleFontSize, 12);
  EXPECT_TRUE(w.Dirty);
  // Family lists start with one free record.
  EXPECT_EQ(w.ButtonControls.count(), 1);
  EXPECT_EQ(w.ButtonControls.at(1).hwnd, nullptr);

  // A second call changes nothing; a short caption is 25 high.
  skin::SkinWindowOptions again;
  again.captionHeight = 40;
  EXPECT_FALSE(Engine().SkinWindow(window, again));
  EXPECT_EQ(Record(i).CaptionHeight, 25);
  EXPECT_EQ(skin::WindowCount(), i);
  HWND other = MakeWindow(300, 200);
  skin::SkinWindowOptions o;
  o.captionHeight = 10;
  Engine().SkinWindow(other, o);
  EXPECT_EQ(Record(skin::FindSkinnedWindow(other)).CaptionHeight, 25);
}

TEST_F(FrameRegistry, DestroyingAWindowRenumbersTheOthersAndTheirChildren) {
  HWND first = MakeWindow(300, 200, 0, 20, 20);
  HWND second = MakeWindow(320, 220, 0, 360, 20);
  const int base = skin::WindowCount();
  Skin(first);
  const int i2 = Skin(second);
  ASSERT_EQ(i2, base + 2);

  // Children registered in the second window's lists, as the family skinners do.
  HWND button = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 10, 40, 60, 24, second,
                                  nullptr, nullptr, nullptr);
  HWND panel = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 80, 40, 60, 60, second,
                                 nullptr, nullptr, nullptr);
  HWND tab = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 150, 40, 60, 60, second,
                               nullptr, nullptr, nullptr);
  skin::ButtonRecord pushButton;
  pushButton.hwnd = button;
  Record(i2).ButtonControls.add(std::move(pushButton));
  skin::ContainerRecord container;
  container.hwnd = panel;
  Record(i2).Containers.add(container);
  Record(i2).TransparentChildren.add({tab});
  skin::SetIntProp(button, prop::Hw_FuID, i2);
  skin::SetIntProp(panel, prop::Hw_FuID, i2);
  skin::SetIntProp(tab, prop::Kj_FuID, i2);

  ::DestroyWindow(first);
  EXPECT_EQ(skin::FindSkinnedWindow(first), 0);
  EXPECT_EQ(skin::WindowCount(), base + 1);
  EXPECT_EQ(GetIntProp(second, prop::Hw_lbID), base + 1);
  EXPECT_EQ(skin::WindowNumberOf(second), base + 1);
  EXPECT_EQ(GetIntProp(button, prop::Hw_FuID), base + 1);
  EXPECT_EQ(GetIntProp(panel, prop::Hw_FuID), base + 1);
  EXPECT_EQ(GetIntProp(tab, prop::Kj_FuID), base + 1);

  // The second window's frame keeps working under its new number.
  const int i = base + 1;
  Record(i).Dirty = true;
  ::SendMessageA(second, WM_PAINT, 0, 0);
  EXPECT_FALSE(Record(i).Dirty);
  EXPECT_TRUE(Engine().SetWindowBackground(second, SolidPng(8, 8, RGB(0, 0, 200)), 3));
  Engine().RenderFrame(i);
  EXPECT_TRUE(Near(FramePixels(i).at(160, 110), RGB(0, 0, 200), 8));
}

TEST_F(FrameRegistry, AWindowAlreadyOutOfTheRegistryStillRenumbersTheRest) {
  HWND first = MakeWindow(200, 160, 0, 20, 20);
  HWND second = MakeWindow(200, 160, 0, 300, 20);
  Skin(first);
  Skin(second);
  skin::UnregisterWindow(first);  // its record goes early
  skin::SetIntProp(second, prop::Hw_lbID, 99);
  ::DestroyWindow(first);  // WM_NCDESTROY finds no record
  EXPECT_EQ(GetIntProp(second, prop::Hw_lbID), skin::FindSkinnedWindow(second));
  EXPECT_GE(skin::WindowNumberOf(second), 1);
}

TEST_F(FrameRegistry, OperationsOnAWindowThatIsNotSkinnedRefuse) {
  HWND plain = MakeWindow(200, 160);
  RECT r{};
  const auto before = skin::WindowCount();
  EXPECT_FALSE(Engine().AddCaptionButton(plain, SolidPng(26, 18, RGB(1, 2, 3)), "x", nullptr));
  EXPECT_FALSE(Engine().SetTitleFont(plain, std::string("Arial")));
  EXPECT_FALSE(Engine().SetWindowBackground(plain, SolidPng(4, 4, 0)));
  EXPECT_FALSE(Engine().GetCaptionButtonsRect(plain, r));
  Engine().SetHelpHandler(plain, [] {});
  EXPECT_EQ(skin::WindowCount(), before);
  EXPECT_EQ(skin::WindowNumberOf(plain), 0);
  // A number out of the registry is no window.
  skin::SetIntProp(plain, prop::Hw_lbID, 1000);
  EXPECT_EQ(skin::WindowNumberOf(plain), 0);
  // Later families refuse without harm.
  EXPECT_FALSE(Engine().SetStatusPanelText(plain, 1, "x"));
  EXPECT_FALSE(Engine().SetCaptionButtonImages(plain));
  Engine().SkinChildren(plain, 1, 0xFFFFFF, 0);
}

TEST_F(FrameRegistry, OwningWindowIsTheNearestSkinnedAncestor) {
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window);
  HWND box = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 200, 150,
                               window, nullptr, nullptr, nullptr);
  HWND inner = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, box,
                                 nullptr, nullptr, nullptr);
  EXPECT_EQ(skin::FindOwningSkinnedWindow(inner), i);
  EXPECT_EQ(skin::FindOwningSkinnedWindow(window), 0);  // the window itself does not count
}

TEST_F(FrameRegistry, ControlTextColourGoesToTheComboEditOrNowhere) {
  HWND window = MakeWindow(300, 200);
  HWND edit =
      ::CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 80, 20, window, nullptr, nullptr, nullptr);
  HWND combo = ::CreateWindowExA(0, "ComboBox", "", WS_CHILD | CBS_DROPDOWN, 0, 30, 80, 100, window,
                                 nullptr, nullptr, nullptr);
  HWND list = ::CreateWindowExA(0, "ComboBox", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 60, 80, 100,
                                window, nullptr, nullptr, nullptr);
  HWND comboEdit = ::FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(comboEdit, nullptr);
  Engine().SetControlTextColour(edit, 0x123456);
  Engine().SetControlTextColour(combo, 0x0000FF);
  Engine().SetControlTextColour(list, 0x00FF00);
  Engine().SetControlTextColour(nullptr, 0x00FF00);
  EXPECT_EQ(GetIntProp(edit, prop::Kj_Ztys), 0x123456);
  EXPECT_EQ(GetIntProp(comboEdit, prop::Kj_Ztys), 0x0000FF);
  EXPECT_EQ(::GetPropA(combo, prop::Kj_Ztys), nullptr);
  EXPECT_EQ(::GetPropA(list, prop::Kj_Ztys), nullptr);
  EXPECT_EQ(skin::GetClassText(combo), "ComboBox");
}

TEST_F(FrameRegistry, ThemeAccentAndOptionRules) {
  using skin::Module;
  const std::vector<uint8_t> picture = SolidPng(40, 30, RGB(200, 100, 50));

  Module.AccentColour = 0x010203;
  const skin::Colour theme = Module.ThemeColour;
  Engine().SetTheme();  // nothing given: only the accent goes back to its default
  EXPECT_EQ(Module.AccentColour, 0xDDCA22u);
  EXPECT_EQ(Module.ThemeColour, theme);

  Module.AccentColour = 0x010203;
  Engine().SetTheme({}, {}, {}, skin::kAccentFollowsTheme);  // nothing changes at all
  EXPECT_EQ(Module.AccentColour, 0x010203u);
  EXPECT_EQ(Module.ThemeColour, theme);

  // A picture without a frame colour: the theme takes its average colour,
  // and an accent of -1 follows it.
  Engine().SetTheme({}, picture, {}, skin::kAccentFollowsTheme, 2);
  EXPECT_EQ(Module.ThemeColour & 0xFFFFFF, 0x3264C8u);  // #C86432
  EXPECT_EQ(Module.AccentColour, Module.ThemeColour);
  EXPECT_EQ(Module.BackgroundMode, 2);
  EXPECT_EQ(Module.BackgroundImage, picture);  // kept as given
  EXPECT_EQ(Engine().GetThemeColour(), Module.ThemeColour);

  // Mode by default 4; modes 0 and 1 keep a faded copy.
  Engine().SetTheme({}, picture, 0x000000, 0xFFFFFF);
  EXPECT_EQ(Module.BackgroundMode, 4);
  EXPECT_EQ(Module.ThemeColour, 0u);
  EXPECT_EQ(Module.AccentColour, 0xFFFFFFu);
  Engine().SetTheme({}, picture, 0x000000, {}, 1);
  EXPECT_NE(Module.BackgroundImage, picture);
  EXPECT_FALSE(Module.BackgroundImage.empty());

  // An empty picture with a frame colour: no picture, that colour.
  Engine().SetTheme({}, std::vector<uint8_t>{}, 0x00FF00, 0xFFFFFF, 3);
  EXPECT_TRUE(Module.BackgroundImage.empty());
  EXPECT_EQ(Module.ThemeColour, 0x00FF00u);

  Engine().SetOptions(true);
  EXPECT_EQ(Module.Translucency, 160);
  EXPECT_FALSE(Module.TranslucencyGiven);
  EXPECT_TRUE(Module.TrackOption);
  Engine().SetOptions(false, 150, false);
  EXPECT_FALSE(Module.SkinChildControls);
  EXPECT_EQ(Module.Translucency, 150);
  EXPECT_TRUE(Module.TranslucencyGiven);
  EXPECT_FALSE(Module.TrackOption);
}

TEST_F(FrameRegistry, CustomButtonsStandLeftAndTitleAndBackgroundAreKept) {
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window);
  static int pressed = 0;
  ASSERT_TRUE(Engine().AddCaptionButton(window, SolidPng(26, 18, RGB(0, 255, 0)), "自定义",
                                        [] { ++pressed; }));
  skin::SkinnedWindow& w = Record(i);
  ASSERT_EQ(w.CaptionButtons.count(), 2);
  EXPECT_EQ(w.CaptionButtons.at(1).Kind, skin::kCustomButton);
  EXPECT_EQ(w.CaptionButtons.at(1).TipText, "自定义");
  EXPECT_EQ(w.CaptionButtons.at(2).Kind, skin::kCloseButton);
  EXPECT_EQ(w.ButtonsWidth, 41 + 27);
  EXPECT_EQ(w.ToolCount, 2);
  Engine().DoCaptionButton(i, 1);
  EXPECT_EQ(pressed, 1);

  EXPECT_TRUE(Engine().SetTitleFont(window, {}, 14, 0x00FFFF));
  EXPECT_EQ(w.TitleFontName, "宋体");
  EXPECT_EQ(w.TitleFontSize, 14);
  EXPECT_EQ(w.TitleColour, 0x00FFFFu);
  EXPECT_EQ(w.TitleShadowColour, 0x808080u);

  EXPECT_FALSE(Engine().SetWindowBackground(window, {}));
  EXPECT_TRUE(Engine().SetWindowBackground(window, SolidPng(20, 20, RGB(10, 20, 30)), 2));
  EXPECT_EQ(w.BackMode, 2);
  EXPECT_EQ(w.BackColour & 0xFFFFFF, 0x1E140Au);
  EXPECT_TRUE(w.Dirty);
}

}  // namespace
