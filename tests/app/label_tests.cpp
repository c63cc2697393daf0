// The name label on the real main window: names wider than its box are shown
// whole, centred on the box, over the group box around it; names wider than
// the window shrink to fit; a new name leaves nothing of the old one.
// Pixels are read from what the display shows.
#include <windows.h>
#include <objbase.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "app/globals.h"
#include "app/main_window.h"
#include "app/transparent_label.h"
#include "platform/handles.h"
#include "skin/engine/module_state.h"
#include "skin/engine/skin_engine.h"
#include "tests/app/temp_class_folder.h"
#include "tests/support/display_capture.h"
#include "tests/support/screen.h"

namespace {

using testing_support::Pixels;

constexpr char kTenCharacters[] = "阿卜杜热合曼·买买提";
constexpr char kWiderThanTheWindow[] = "阿卜杜热合曼·买买提·艾合麦提江·阿不都热西提";
constexpr RECT kLabelBox = {144, 281, 360, 329};  // the label's own box, in window coordinates
constexpr int kBoxCentre2 = kLabelBox.left + kLabelBox.right;  // twice its centre

using testing_support::CaptureShown;

// The rows of the label's box, a few more above and below, the window's full
// width: every place a name can reach.
RECT NameBand(const Pixels& shot) {
  return {0, kLabelBox.top - 6, shot.width(), std::min<LONG>(shot.height(), kLabelBox.bottom + 6)};
}

// Bounding box of the pixels in `area` that differ from `reference`.
RECT Changed(const Pixels& shot, const Pixels& reference, const RECT& area, int tolerance = 60) {
  RECT ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (testing_support::ColourDistance(shot.at(x, y), reference.at(x, y)) > tolerance) {
        ink.left = std::min<LONG>(ink.left, x);
        ink.top = std::min<LONG>(ink.top, y);
        ink.right = std::max<LONG>(ink.right, x + 1);
        ink.bottom = std::max<LONG>(ink.bottom, y + 1);
      }
  return ink;
}

int CountChanged(const Pixels& shot, const Pixels& reference, const RECT& area, int tolerance) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (testing_support::ColourDistance(shot.at(x, y), reference.at(x, y)) > tolerance) ++count;
  return count;
}

RECT LabelInWindow(HWND label, HWND window) {
  RECT r;
  ::GetWindowRect(label, &r);
  ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class LongNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::SetModuleDefaults();
    folder.WriteFile("ming.txt", std::string("张三\r\n李四\r\n"));
    // A background picture, as a class folder has: the skinned window draws
    // it under the group box, and the label must let it show through.
    folder.WriteFile("img\\背景.jpg", testing_support::SolidJpeg(512, 394, RGB(40, 120, 200)));
    // Skinned as the program skins it: the frame draws the background picture
    // the label shows over.
    app::SkinEngine = std::make_unique<skin::SkinEngine>();
    window = app::CreateMainWindow();
    ASSERT_NE(window, nullptr);
    label = app::MainWindow().label;
    testing_support::PumpFor(200);
  }
  void TearDown() override {
    if (::IsWindow(window)) ::DestroyWindow(window);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    app::SkinEngine.reset();  // the other tests' windows stay unskinned
    skin::InitSkinModule();
  }
  Pixels Show(const char* name, const std::string& file) {
    ::SetWindowTextA(label, name);
    return CaptureShown(window, file);
  }

  TempClassFolder folder{"long_names"};
  HWND window = nullptr;
  HWND label = nullptr;
};

TEST_F(LongNameTest, ATenCharacterNameIsShownWholeCentredOnTheBox) {
  const Pixels blank = Show("", "label_blank.png");
  const Pixels shot = Show(kTenCharacters, "label_ten_characters.png");
  ASSERT_FALSE(blank.empty()) << "no picture from the display";
  ASSERT_FALSE(shot.empty()) << "no picture from the display";
  char text[128] = {};
  ::GetWindowTextA(label, text, sizeof text);
  EXPECT_STREQ(text, kTenCharacters);

  const RECT ink = Changed(shot, blank, NameBand(shot));
  ASSERT_LT(ink.left, ink.right) << "no text drawn";
  // Beyond both ends of the 216-pixel box, symmetric about its centre, and
  // inside the window.
  EXPECT_LT(ink.left, kLabelBox.left - 60);
  EXPECT_GT(ink.right, kLabelBox.right + 60);
  EXPECT_LE(std::abs(int(ink.left + ink.right) - kBoxCentre2), 4)
      << "ink from " << ink.left << " to " << ink.right;
  EXPECT_GE(ink.left, 0);
  EXPECT_LE(ink.right, shot.width());
  // Full-size characters: ten of them (one a narrow dot) fit in the window.
  EXPECT_GT(ink.bottom - ink.top, 36);

  // The label's window grew about the box's centre and stays transparent:
  // away from the strokes the group box and window behind show unchanged.
  const RECT grown = LabelInWindow(label, window);
  EXPECT_EQ(grown.left + grown.right, kBoxCentre2);
  EXPECT_EQ(grown.top, kLabelBox.top);
  EXPECT_EQ(grown.bottom, kLabelBox.bottom);
  const int area = (grown.right - grown.left) * (grown.bottom - grown.top);
  EXPECT_LT(CountChanged(shot, blank, grown, 24), area / 2);
}

TEST_F(LongNameTest, ANameWiderThanTheWindowShrinksToFitInsideIt) {
  const Pixels blank = Show("", "label_blank.png");
  const Pixels ten = Show(kTenCharacters, "label_ten_characters.png");
  const Pixels shot = Show(kWiderThanTheWindow, "label_wider_than_window.png");
  ASSERT_FALSE(shot.empty()) << "no picture from the display";

  const RECT tenInk = Changed(ten, blank, NameBand(ten));
  const RECT ink = Changed(shot, blank, NameBand(shot));
  ASSERT_LT(ink.left, ink.right) << "no text drawn";
  EXPECT_GE(ink.left, 0);
  EXPECT_LE(ink.right, app::kMainWindowWidth);
  EXPECT_GT(ink.right - ink.left, app::kMainWindowWidth * 3 / 4);  // as large as fits
  EXPECT_LE(std::abs(int(ink.left + ink.right) - kBoxCentre2), 4)
      << "ink from " << ink.left << " to " << ink.right;
  EXPECT_LT(ink.bottom - ink.top, tenInk.bottom - tenInk.top);  // a smaller font

  const RECT grown = LabelInWindow(label, window);
  EXPECT_GE(grown.left, 0);
  EXPECT_LE(grown.right, app::kMainWindowWidth);
  // The label's own font is unchanged; only the drawing is smaller.
  LOGFONTA lf{};
  ASSERT_NE(::GetObjectA(app::GetLabelFont(label), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfHeight, -48);
}

TEST_F(LongNameTest, AShortNameAfterALongOneLeavesNothingOfIt) {
  const Pixels reference = Show("李", "label_short_before.png");
  ASSERT_FALSE(reference.empty()) << "no picture from the display";
  const RECT band = NameBand(reference);
  for (const char* longName : {kTenCharacters, kWiderThanTheWindow}) {
    const Pixels shown = Show(longName, "label_long_between.png");
    EXPECT_GT(CountChanged(shown, reference, band, 60), 500) << "the long name was not drawn";
    const Pixels after = Show("李", "label_short_after.png");
    ASSERT_FALSE(after.empty());
    // Every pixel where a name can reach is as it was before the long name.
    EXPECT_EQ(CountChanged(after, reference, band, 24), 0) << longName;
    const RECT changed = Changed(after, reference, band, 24);
    EXPECT_GE(changed.left, changed.right)
        << "stale pixels from x " << changed.left << " to " << changed.right;
    EXPECT_EQ(LabelInWindow(label, window).left, kLabelBox.left);
    EXPECT_EQ(LabelInWindow(label, window).right, kLabelBox.right);
  }
}

// Without reading pixels: the label's messages behave as before, its own
// box is the narrowest it gets, and fitting leaks no font.
TEST_F(LongNameTest, FontColourAndTextMessagesStillWorkAndNoFontLeaks) {
  const long fontsBefore = platform::LiveCount(platform::GdiKind::Font);
  ::SetWindowTextA(label, kWiderThanTheWindow);
  ::SetWindowTextA(label, kTenCharacters);
  const RECT wide = LabelInWindow(label, window);

  platform::UniqueFont small(::CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                           GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ""));
  HFONT own = app::GetLabelFont(label);
  ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(small.get()), TRUE);
  EXPECT_EQ(app::GetLabelFont(label), small.get());
  RECT r = LabelInWindow(label, window);  // 16-pixel characters fit in the box
  EXPECT_EQ(r.left, kLabelBox.left);
  EXPECT_EQ(r.right, kLabelBox.right);
  ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(own), TRUE);
  small.reset();
  r = LabelInWindow(label, window);
  EXPECT_EQ(r.left, wide.left);
  EXPECT_EQ(r.right, wide.right);
  EXPECT_LT(wide.left, kLabelBox.left);

  app::SetLabelTextColour(label, RGB(180, 0, 0));
  EXPECT_EQ(app::GetLabelTextColour(label), RGB(180, 0, 0));
  char text[128] = {};
  ::GetWindowTextA(label, text, sizeof text);
  EXPECT_STREQ(text, kTenCharacters);

  // The smaller drawing font of a too-wide name goes when a name fits again.
  ::SetWindowTextA(label, kWiderThanTheWindow);
  ::SetWindowTextA(label, "李");
  EXPECT_EQ(platform::LiveCount(platform::GdiKind::Font), fontsBefore);
}

}  // namespace
