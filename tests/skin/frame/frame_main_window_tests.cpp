// The program's own window, skinned as the program skins it: screenshots at
// rest, with the close button hovered and pressed, and without pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/globals.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "app/transparent_label.h"
#include "platform/files.h"
#include "skin/engine/module_state.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using testing_support::OutputPath;
using testing_support::Pixels;

// The sample class of the source tree, as Wine sees it.
std::string ExamplesFolder() {
  std::string path = "Z:" ROLLCALL_EXAMPLES_DIR;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// A class folder in the test's working folder, made the program's data folder.
class ClassFolder {
 public:
  ClassFolder(const std::string& name, bool withPictures) {
    char cwd[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, cwd);
    path_ = std::string(cwd) + "\\" + name;
    ::CreateDirectoryA(path_.c_str(), nullptr);
    ::DeleteFileA((path_ + "\\pz.ini").c_str());
    ::CopyFileA((ExamplesFolder() + "\\ming.txt").c_str(), (path_ + "\\ming.txt").c_str(), FALSE);
    if (withPictures) {
      ::CreateDirectoryA((path_ + "\\img").c_str(), nullptr);
      for (const char* file : {"背景.jpg", "1.jpg", "2.jpg", "3.jpg"})
        ::CopyFileA((ExamplesFolder() + "\\img\\" + file).c_str(),
                    (path_ + "\\img\\" + file).c_str(), FALSE);
    }
    previous_ = app::DataDirectory();
    app::SetDataDirectory(path_);
  }
  ~ClassFolder() { app::SetDataDirectory(previous_); }
  const std::string& path() const { return path_; }

 private:
  std::string path_, previous_;
};

class SkinnedMainWindow : public ::testing::Test {
 protected:
  void Open(bool withPictures) {
    folder_ =
        std::make_unique<ClassFolder>(withPictures ? "skinned_class" : "no_pictures", withPictures);
    skin::SetModuleDefaults();
    Engine();
    window = app::CreateMainWindow();
    ASSERT_NE(window, nullptr);
    testing_support::PumpFor(300);
    i = skin::FindSkinnedWindow(window);
    ASSERT_GE(i, 1);
  }
  void TearDown() override {
    ::SetCursorPos(5, 5);
    if (::IsWindow(window)) ::DestroyWindow(window);
    DrainMessages();
    folder_.reset();
  }
  POINT OnScreen(LPARAM at) const {
    POINT p{LOWORD(at), HIWORD(at)};
    ::ClientToScreen(window, &p);
    return p;
  }

  std::unique_ptr<ClassFolder> folder_;
  HWND window = nullptr;
  int i = 0;
};

TEST_F(SkinnedMainWindow, RestsWithThePictureUnderTheFrameAndOneCloseButton) {
  Open(true);
  const skin::SkinnedWindow& w = Record(i);
  EXPECT_EQ(w.CaptionHeight, 50);
  EXPECT_TRUE(w.ShowCaption && w.Resizable);
  EXPECT_FALSE(w.ShowTitle || w.CaptionGloss || w.HelpButtonWanted || w.MenuButtonWanted);
  ASSERT_EQ(w.CaptionButtons.count(), 1);
  EXPECT_EQ(w.CaptionButtons.at(1).TipText, "关闭");
  EXPECT_EQ(w.ButtonsWidth, 41);
  EXPECT_EQ(skin::Module.ThemeColour, 0u);
  EXPECT_EQ(skin::Module.AccentColour, 0xFFFFFFu);
  EXPECT_EQ(skin::Module.BackgroundMode, 3);
  EXPECT_EQ(skin::Module.BackgroundImage, platform::ReadWholeFile(app::BackgroundPath()));
  EXPECT_EQ(skin::Module.Translucency, 150);
  EXPECT_TRUE(skin::Module.TranslucencyGiven && skin::Module.SkinChildControls);

  Pixels frame = FramePixels(i);
  frame.SavePng(OutputPath("main_window_frame.png"));
  Pixels shot = testing_support::CaptureWindowFromScreen(window);
  shot.SavePng(OutputPath("main_window_at_rest.png"));
  // Below the group box, around the buttons, the screen shows the frame.
  for (POINT p : {POINT{20, 360}, POINT{256, 370}, POINT{490, 350}})
    EXPECT_EQ(shot.at(p.x, p.y), frame.at(p.x, p.y)) << p.x << "," << p.y;
  // The stretched picture is not the plain black of the frame colour.
  EXPECT_GT(testing_support::ColourDistance(frame.at(256, 200), RGB(0, 0, 0)), 20);

  // The label and the photo box still work as ordinary controls.
  const app::MainWindowControls& c = app::MainWindow();
  ::SetWindowTextA(c.label, "李");
  app::SetLabelTextColour(c.label, RGB(200, 0, 0));
  testing_support::PumpFor(100);
  char text[16] = {};
  ::GetWindowTextA(c.label, text, sizeof text);
  EXPECT_STREQ(text, "李");
  testing_support::CaptureWindowFromScreen(window).SavePng(OutputPath("main_window_renamed.png"));
}

TEST_F(SkinnedMainWindow, CloseButtonLightsUpUnderThePointerAndDarkensWhenPressed) {
  Open(true);
  const LPARAM centre = ButtonCentre(i, 1);
  const Pixels rest = FramePixels(i);
  // Real pointer movement: the platform's hover tracking needs it.
  const POINT p = OnScreen(centre);
  ::SetCursorPos(p.x - 30, p.y + 60);
  testing_support::PumpFor(100);
  ::SetCursorPos(p.x, p.y);
  testing_support::PumpFor(400);
  const skin::SkinnedWindow& w = Record(i);
  EXPECT_EQ(Engine().HotButton, 1);
  EXPECT_TRUE(w.MouseTracking);
  EXPECT_EQ(w.FadeIn.button, 1);
  EXPECT_EQ(w.FadeIn.step, 8);
  Pixels hovered = testing_support::CaptureWindowFromScreen(window);
  hovered.SavePng(OutputPath("main_window_close_hovered.png"));
  const int x = static_cast<int>(w.CaptionButtons.at(1).Rect.X) + 3;
  EXPECT_GT(GetRValue(hovered.at(x, 4)), GetRValue(rest.at(x, 4)) + 40);
  EXPECT_EQ(hovered.at(x, 4), FramePixels(i).at(x, 4));

  ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  Pixels pressed = testing_support::CaptureWindowFromScreen(window);
  pressed.SavePng(OutputPath("main_window_close_pressed.png"));
  EXPECT_GT(GetRValue(pressed.at(x, 4)), 200);
  EXPECT_LT(GetGValue(pressed.at(x, 4)), GetRValue(pressed.at(x, 4)) - 80);

  // Away from the button, onto the frame itself, before letting go: nothing
  // happens. (Over a child control the frame would see no move.)
  const POINT away = OnScreen(MAKELPARAM(20, 390));
  ::SetCursorPos(away.x, away.y);
  testing_support::PumpFor(300);
  EXPECT_EQ(Engine().HotButton, 0);
  ::SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 390));
  ASSERT_TRUE(::IsWindow(window));
  EXPECT_EQ(Record(i).FadeIn.button, 0);
  EXPECT_EQ(Record(i).FadeOut.button, 0);  // faded out: the pointer left the strip
}

TEST_F(SkinnedMainWindow, AfterTheTipShowedTheCloseButtonFadesOutOnTheCaptionAndOutside) {
  Open(true);
  const Pixels rest = FramePixels(i);
  HWND tip = Record(i).Tooltip.GetWindow();
  ASSERT_NE(tip, nullptr);
  const POINT close = OnScreen(ButtonCentre(i, 1));
  const POINT caption = OnScreen(MAKELPARAM(250, 8));  // above the photo, within the caption
  POINT above = close;
  above.y -= 60;
  ::SetCursorPos(above.x, above.y);
  testing_support::PumpFor(60);
  GlidePointer(close, 8, 15);
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, 3000));
  const Pixels lit = FramePixels(i);
  lit.SavePng(OutputPath("main_window_close_with_tip.png"));
  EXPECT_GT(ButtonGlow(i, 1, lit, rest), 40);

  // Off the button, onto the caption, then out: each time the button is back
  // at rest and the tip gone well within a second.
  ExpectButtonRestsAfterLeaving(i, 1, tip, rest, caption, 10);
  FramePixels(i).SavePng(OutputPath("main_window_close_then_caption.png"));
  ExpectButtonRestsAfterLeaving(i, 1, tip, rest, above, 6);
  testing_support::PumpFor(60);
  EXPECT_FALSE(Record(i).FadeTimerOn);
  EXPECT_EQ(Record(i).LastHotButton, 0);
  EXPECT_FALSE(Record(i).MouseTracking);
}

TEST_F(SkinnedMainWindow, WithoutPicturesTheFrameIsBlack) {
  Open(false);
  EXPECT_TRUE(skin::Module.BackgroundImage.empty());
  EXPECT_EQ(skin::Module.ThemeColour, 0u);
  Pixels frame = FramePixels(i);
  frame.SavePng(OutputPath("main_window_no_pictures_frame.png"));
  testing_support::CaptureWindowFromScreen(window).SavePng(
      OutputPath("main_window_no_pictures.png"));
  EXPECT_EQ(frame.at(256, 200), RGB(0, 0, 0));
  EXPECT_EQ(frame.at(256, 370), RGB(0, 0, 0));
  EXPECT_EQ(Record(i).CaptionButtons.count(), 1);
}

TEST_F(SkinnedMainWindow, TheCloseButtonEndsTheWindow) {
  Open(true);
  const LPARAM centre = ButtonCentre(i, 1);
  ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  ::SendMessageA(window, WM_LBUTTONUP, 0, centre);
  EXPECT_FALSE(::IsWindow(window));
  MSG msg;
  bool quit = false;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) quit |= msg.message == WM_QUIT;
  EXPECT_TRUE(quit);  // the program's loop would end here
}

}  // namespace
