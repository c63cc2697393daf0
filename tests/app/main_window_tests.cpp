#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/draw_loop.h"
#include "app/globals.h"
#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/transparent_label.h"
#include "platform/files.h"
#include "skin/engine/module_state.h"
#include "tests/app/temp_class_folder.h"
#include "tests/support/screen.h"

namespace {

using testing_support::Pixels;

RECT ChildRect(HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string TextOf(HWND w) {
  char buffer[256] = {};
  ::GetWindowTextA(w, buffer, sizeof buffer);
  return buffer;
}

void ExpectRect(HWND w, int x, int y, int width, int height) {
  RECT r = ChildRect(w);
  EXPECT_EQ(r.left, x);
  EXPECT_EQ(r.top, y);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

// Bounding box of pixels that differ from `background` by more than `tolerance`.
RECT InkBounds(const Pixels& p, const RECT& area, COLORREF background, int tolerance = 40) {
  RECT ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (testing_support::ColourDistance(p.at(x, y), background) > tolerance) {
        ink.left = std::min<LONG>(ink.left, x);
        ink.top = std::min<LONG>(ink.top, y);
        ink.right = std::max<LONG>(ink.right, x + 1);
        ink.bottom = std::max<LONG>(ink.bottom, y + 1);
      }
  return ink;
}

void CALLBACK ScreenshotDuringDraw(HWND window, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(window, id);
  testing_support::CaptureWindowFromScreen(window).SavePng(
      testing_support::OutputPath("main_window_during_draw.png"));
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::SetModuleDefaults();
    folder.WriteFile("ming.txt", std::string("张三\r\n李四\r\n王小明\r\n"));
    window = app::CreateMainWindow();
    ASSERT_NE(window, nullptr);
    testing_support::PumpFor(200);
  }
  void TearDown() override {
    if (::IsWindow(window)) ::DestroyWindow(window);
    // Drop the WM_QUIT the window posted when it went.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  const app::MainWindowControls& c() const { return app::MainWindow(); }

  TempClassFolder folder{"main_window"};
  HWND window = nullptr;
};

TEST_F(MainWindowTest, BorderlessCentredWindowWithTheFormLayout) {
  RECT r;
  ::GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 512);
  EXPECT_EQ(r.bottom - r.top, 394);
  EXPECT_EQ(r.left, (::GetSystemMetrics(SM_CXSCREEN) - 512) / 2);
  EXPECT_EQ(r.top, (::GetSystemMetrics(SM_CYSCREEN) - 394) / 2);
  RECT client;
  ::GetClientRect(window, &client);
  EXPECT_EQ(client.right, 512);  // no border: the client area is the whole window
  EXPECT_EQ(client.bottom, 394);
  LONG style = ::GetWindowLongA(window, GWL_STYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER));
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_EQ(TextOf(window), "");

  EXPECT_EQ(::GetParent(c().groupBox), window);
  ExpectRect(c().groupBox, 0, -7, 514, 343);
  EXPECT_EQ(::GetWindowLongA(c().groupBox, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(TextOf(c().groupBox), "");

  EXPECT_EQ(::GetParent(c().pictureBox), c().groupBox);
  ExpectRect(c().pictureBox, 32, 17, 440, 272);
  EXPECT_EQ(::GetParent(c().label), c().groupBox);
  ExpectRect(c().label, 144, 288, 216, 48);
  EXPECT_TRUE(::GetWindowLongA(c().label, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  EXPECT_EQ(TextOf(c().label), "青禾");
  EXPECT_EQ(app::GetLabelTextColour(c().label), RGB(0, 0, 0));

  ExpectRect(c().startButton, 64, 344, 176, 40);
  ExpectRect(c().stopButton, 272, 344, 176, 40);
  EXPECT_EQ(TextOf(c().startButton), "开始");
  EXPECT_EQ(TextOf(c().stopButton), "停止");
  for (HWND b : {c().startButton, c().stopButton}) {
    LONG s = ::GetWindowLongA(b, GWL_STYLE);
    EXPECT_EQ(s & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(s & (BS_CENTER | BS_VCENTER), BS_CENTER | BS_VCENTER);
  }
}

TEST_F(MainWindowTest, LabelFontIsA48PixelGb2312DefaultFace) {
  LOGFONTA lf{};
  ASSERT_NE(::GetObjectA(app::GetLabelFont(c().label), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfHeight, -48);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_FALSE(lf.lfItalic);
  EXPECT_FALSE(lf.lfUnderline);
  EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
  EXPECT_STREQ(lf.lfFaceName, "");
}

TEST_F(MainWindowTest, PhotoBoxIsRoundedAndTilesTheBuiltInPicture) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(c().pictureBox, region), ERROR);
  RECT box;
  ::GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  // A rounded region leaves out its right and bottom edge lines.
  EXPECT_GE(box.right, 439);
  EXPECT_LE(box.right, 440);
  EXPECT_GE(box.bottom, 271);
  EXPECT_LE(box.bottom, 272);
  EXPECT_FALSE(::PtInRegion(region, 1, 1));  // cut by the 50 x 75 corner ellipse
  EXPECT_FALSE(::PtInRegion(region, 438, 270));
  EXPECT_TRUE(::PtInRegion(region, 25, 37));  // the ellipse's centre row
  EXPECT_TRUE(::PtInRegion(region, 220, 136));
  ::DeleteObject(region);

  EXPECT_TRUE(app::HasPicture(c().pictureBox));
  Pixels shot = testing_support::CaptureWindowFromScreen(window);
  shot.SavePng(testing_support::OutputPath("main_window_at_start.png"));
  // The 186 x 279 picture repeats every 186 pixels across the 440 x 272 box.
  const int bx = 32, by = 17 - 7;  // the box inside the group box, in window coordinates
  int same = 0, checked = 0;
  for (int y = 40; y < 240; y += 13)
    for (int x = 30; x < 180; x += 11) {
      ++checked;
      if (testing_support::ColourDistance(shot.at(bx + x, by + y), shot.at(bx + x + 186, by + y)) <
          8)
        ++same;
    }
  EXPECT_GT(same, checked * 9 / 10);
}

TEST_F(MainWindowTest, LabelTextIsCentredAndANewNameLeavesNoTrace) {
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  RECT label = ChildRect(c().label);
  ::MapWindowPoints(c().groupBox, window, reinterpret_cast<POINT*>(&label), 2);

  ::SetWindowTextA(c().label, "欧阳青禾禾禾");
  app::SetLabelTextColour(c().label, RGB(200, 0, 0));
  testing_support::PumpFor(100);
  Pixels wide = testing_support::CaptureWindowFromScreen(window);
  RECT wideInk = InkBounds(wide, label, face);

  ::SetWindowTextA(c().label, "李");
  testing_support::PumpFor(100);
  Pixels narrow = testing_support::CaptureWindowFromScreen(window);
  narrow.SavePng(testing_support::OutputPath("label_after_rename.png"));
  RECT ink = InkBounds(narrow, label, face);

  ASSERT_LT(ink.left, ink.right) << "no text drawn";
  EXPECT_LT(ink.right - ink.left, wideInk.right - wideInk.left);
  // Centred: equal margins left and right within a few pixels.
  const int left = ink.left - label.left, right = label.right - ink.right;
  EXPECT_LE(std::abs(left - right), 4);
  EXPECT_GT(ink.right - ink.left, 30);  // 48-pixel characters
  // Red text: the new colour is used.
  bool red = false;
  for (int y = ink.top; y < ink.bottom && !red; ++y)
    for (int x = ink.left; x < ink.right && !red; ++x)
      red = GetRValue(narrow.at(x, y)) > 150 && GetGValue(narrow.at(x, y)) < 60;
  EXPECT_TRUE(red);
}

TEST_F(MainWindowTest, DoubleClickOnThePhotoOrTheWindowCloses) {
  ::SendMessageA(c().pictureBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
  ::SendMessageA(c().pictureBox, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
  testing_support::PumpFor(50);
  EXPECT_TRUE(::IsWindow(window));  // a single click does nothing

  ::SendMessageA(c().pictureBox, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 50));
  EXPECT_TRUE(::IsWindow(window));  // posted: destroyed when handled
  MSG msg;
  bool quit = false;
  for (int i = 0; i < 100 && !quit; ++i) {
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) quit = true;
      ::DispatchMessageA(&msg);
    }
    ::Sleep(5);
  }
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_TRUE(quit);
}

TEST_F(MainWindowTest, DoubleClickOnTheWindowSurfaceCloses) {
  ::SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 390));
  testing_support::PumpFor(50);
  EXPECT_FALSE(::IsWindow(window));
}

TEST_F(MainWindowTest, CreationMadeTheSettingsAndLoadedTheRoster) {
  EXPECT_TRUE(platform::FileExists(folder.path() + "\\pz.ini"));
  EXPECT_EQ(app::RosterCount, 3);
  EXPECT_EQ(app::TotalCount, 15);
  EXPECT_EQ(app::Phase2IntervalMs, 1000);
}

TEST_F(MainWindowTest, ADrawShowsNamesPhotosAndRedShades) {
  // Photos 1 and 3 exist, 2 is missing: the box then shows no picture.
  folder.WriteFile("img\\1.jpg", testing_support::SolidJpeg(100, 60, RGB(0, 120, 255)));
  folder.WriteFile("img\\3.jpg", testing_support::SolidJpeg(100, 60, RGB(0, 200, 0)));
  app::TotalCount = 15;
  app::Phase1Count = 1;
  app::Phase2Count = 4;
  app::Phase1IntervalMs = 60;
  app::Phase2IntervalMs = 60;
  // One screenshot in the middle of the draw.
  ::SetTimer(window, 77, 150, ScreenshotDuringDraw);
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(app::kStartButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(c().startButton));
  const std::string last = TextOf(c().label);
  EXPECT_TRUE(last == "张三" || last == "李四" || last == "王小明") << last;
  EXPECT_EQ(app::HasPicture(c().pictureBox), last != "李四");
  EXPECT_EQ(app::GetLabelTextColour(c().label) & 0xFFFF00, 0u);  // a shade of red
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
  EXPECT_EQ(app::RunningCount, 6);
}

TEST_F(MainWindowTest, BrokenOrHugePhotosShowNoPictureAndNeverCrash) {
  HWND box = c().pictureBox;
  std::vector<uint8_t> good = testing_support::SolidJpeg(64, 48, RGB(250, 10, 10));
  EXPECT_TRUE(app::SetPicture(box, good));
  EXPECT_FALSE(app::SetPicture(box, {}));
  EXPECT_FALSE(app::HasPicture(box));
  EXPECT_FALSE(app::SetPicture(box, {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}));
  std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 3);
  app::SetPicture(box, truncated);  // a partial picture or none: either is fine
  std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 20);
  EXPECT_FALSE(app::SetPicture(box, headerOnly));
  // A JPEG that claims 8000 x 8000 pixels.
  std::vector<uint8_t> huge = testing_support::WithJpegSize(good, 8000, 8000);
  EXPECT_FALSE(app::SetPicture(box, huge));
  EXPECT_TRUE(app::SetPicture(box, good));
  testing_support::PumpFor(30);
}

}  // namespace
