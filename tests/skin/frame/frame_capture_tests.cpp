// What lies behind a control: captured surfaces, the veiled child
// background and the brushes answered to colour messages.
#include <windows.h>

#include <gtest/gtest.h>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using testing_support::Pixels;
namespace prop = skin::prop;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
                   kYellow = RGB(255, 255, 0);

class FrameCapture : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::SetModuleDefaults();
    Engine().SetOptions(true, 150);
    Engine().SetTheme({}, QuadrantPng(64, 48, kRed, kGreen, kBlue, kYellow), 0x000000, 0xFFFFFF, 3);
    window = MakeWindow(300, 200);
    skin::SkinWindowOptions o;
    o.showCaption = false;
    i = Skin(window, o);
    Engine().RenderFrame(i);
  }
  void TearDown() override {
    DestroyTestWindows();
    Engine().SetTheme({}, {}, 0x808080);
  }
  HWND Child(const char* cls, int x, int y, int w, int h, HWND parent = nullptr, DWORD style = 0,
             DWORD exStyle = 0) {
    return ::CreateWindowExA(exStyle, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                             parent ? parent : window, nullptr, nullptr, nullptr);
  }
  HWND window = nullptr;
  int i = 0;
};

TEST_F(FrameCapture, ASurfaceHoldsTheFrameBehindTheControlUntilReleased) {
  HWND control = Child("STATIC", 100, 60, 100, 80);
  ASSERT_TRUE(skin::Surfaces().empty());
  HDC surface = skin::CaptureParentBackground(control, RECT{0, 0, 100, 80});
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(skin::Surfaces().size(), 1u);
  Pixels behind = testing_support::CaptureDC(surface, 0, 0, 100, 80);
  Pixels frame = FramePixels(i);
  for (POINT p : {POINT{0, 0}, POINT{49, 39}, POINT{51, 41}, POINT{99, 79}})
    EXPECT_EQ(behind.at(p.x, p.y), frame.at(100 + p.x, 60 + p.y)) << p.x << "," << p.y;
  EXPECT_TRUE(Near(behind.at(10, 10), kRed, 8));
  EXPECT_TRUE(Near(behind.at(90, 70), kYellow, 8));

  HDC stranger = ::CreateCompatibleDC(nullptr);
  EXPECT_FALSE(skin::ReleaseSurface(stranger));
  ::DeleteDC(stranger);
  EXPECT_TRUE(skin::ReleaseSurface(surface));
  EXPECT_FALSE(skin::ReleaseSurface(surface));
  EXPECT_TRUE(skin::Surfaces().empty());

  const auto source = skin::LocateBackgroundSource(control, true);
  EXPECT_EQ(source.kind, skin::BackgroundSource::Kind::TopLevel);
  EXPECT_EQ(source.window, i);
}

TEST_F(FrameCapture, AControlOutsideEverySkinnedWindowGetsNoSurface) {
  HWND plain = MakeWindow(100, 100, 0, 500, 300);
  HWND control = Child("STATIC", 10, 10, 30, 30, plain);
  EXPECT_EQ(skin::CaptureParentBackground(control, RECT{0, 0, 30, 30}), nullptr);
  EXPECT_TRUE(skin::Surfaces().empty());
  EXPECT_EQ(skin::LocateBackgroundSource(control, true).kind, skin::BackgroundSource::Kind::None);
  EXPECT_FALSE(skin::ChildBackgroundBitmap(control));
}

TEST_F(FrameCapture, AMarkedWindowLendsTheDrawingInItsDeviceContext) {
  HWND host = Child("STATIC", 100, 50, 120, 100);
  HWND control = Child("STATIC", 10, 10, 40, 30, host);
  // Another program's drawing: left 30 pixels green, the rest blue.
  HDC screen = ::GetDC(nullptr);
  platform::MemorySurface drawing(
      screen, platform::UniqueBitmap(::CreateCompatibleBitmap(screen, 120, 100)));
  ::ReleaseDC(nullptr, screen);
  RECT left{0, 0, 30, 100}, rest{30, 0, 120, 100};
  platform::UniqueBrush green(::CreateSolidBrush(kGreen)), blue(::CreateSolidBrush(kBlue));
  ::FillRect(drawing.dc(), &left, green.get());
  ::FillRect(drawing.dc(), &rest, blue.get());
  skin::SetIntProp(host, prop::Wxk_Zpf, 1);
  skin::SetHandleProp(host, prop::Wxk_Cj, drawing.dc());

  const auto source = skin::LocateBackgroundSource(control, true);
  EXPECT_EQ(source.kind, skin::BackgroundSource::Kind::Marked);
  EXPECT_EQ(source.marked, host);
  EXPECT_EQ(skin::LocateBackgroundSource(control, false).kind,
            skin::BackgroundSource::Kind::TopLevel);

  HDC surface = skin::CaptureParentBackground(control, RECT{0, 0, 40, 30});
  ASSERT_NE(surface, nullptr);
  Pixels p = testing_support::CaptureDC(surface, 0, 0, 40, 30);
  EXPECT_EQ(p.at(5, 5), kGreen);   // host x 15
  EXPECT_EQ(p.at(19, 5), kGreen);  // host x 29
  EXPECT_EQ(p.at(20, 5), kBlue);   // host x 30
  EXPECT_TRUE(skin::ReleaseSurface(surface));
  ::RemovePropA(host, prop::Wxk_Cj);
}

TEST_F(FrameCapture, TheHoldingContainerTintsTheCapture) {
  HWND box = Child("BUTTON", 20, 20, 200, 150, nullptr, BS_GROUPBOX);
  HWND control = Child("STATIC", 20, 30, 40, 30, box);
  skin::ContainerRecord record;
  record.hwnd = box;
  record.tintColour = 0xFF0000;  // blue
  record.tintAlpha = 128;
  const int k = Record(i).Containers.add(record);
  skin::SetIntProp(box, prop::Hw_lbID, k);
  skin::SetIntProp(box, prop::Hw_FuID, i);

  const auto source = skin::LocateBackgroundSource(control, true);
  EXPECT_EQ(source.kind, skin::BackgroundSource::Kind::Container);
  EXPECT_EQ(source.window, i);
  EXPECT_EQ(source.container, k);

  HDC surface = skin::CaptureParentBackground(control, RECT{0, 0, 40, 30});
  ASSERT_NE(surface, nullptr);
  // Red from the picture, half covered with blue.
  EXPECT_TRUE(
      Near(testing_support::CaptureDC(surface, 0, 0, 40, 30).at(20, 15), RGB(127, 0, 128), 6));
  skin::ReleaseSurface(surface);

  // A group box is tinted inside its rounded frame only.
  Record(i).Containers.at(k).isGroupBox = 1;
  surface = skin::CaptureParentBackground(box, RECT{0, 0, 200, 150});
  Pixels p = testing_support::CaptureDC(surface, 0, 0, 200, 150);
  EXPECT_TRUE(Near(p.at(20, 2), kRed, 8));               // above the frame: untinted
  EXPECT_TRUE(Near(p.at(20, 20), RGB(127, 0, 128), 6));  // inside: tinted
  skin::ReleaseSurface(surface);

  // A container marked for another program's background leads there.
  HWND host = Child("STATIC", 250, 10, 40, 40);
  skin::SetHandleProp(box, prop::Mb_zpf, host);
  EXPECT_EQ(skin::LocateBackgroundSource(control, true).kind, skin::BackgroundSource::Kind::Marked);
  EXPECT_EQ(skin::LocateBackgroundSource(control, true).marked, host);
}

TEST_F(FrameCapture, ChildBackgroundIsTheClientAreaUnderAWhiteVeil) {
  Engine().SetTheme({}, {}, 0x808080);
  Engine().RenderFrame(i);
  HWND edit = Child("Edit", 40, 40, 120, 60, nullptr, WS_BORDER | WS_VSCROLL);
  RECT client;
  ::GetClientRect(edit, &client);
  platform::UniqueBitmap veiled = skin::ChildBackgroundBitmap(edit);
  ASSERT_TRUE(veiled);
  BITMAP info{};
  ::GetObjectA(veiled.get(), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, client.right);
  EXPECT_EQ(info.bmHeight, client.bottom);
  platform::MemorySurface view(nullptr, std::move(veiled));
  // Grey 128 under white at alpha 150.
  EXPECT_TRUE(
      Near(testing_support::CaptureDC(view.dc(), 0, 0, 4, 4).at(2, 2), RGB(203, 203, 203), 3));
  EXPECT_TRUE(skin::Surfaces().empty());
}

TEST_F(FrameCapture, ColourMessagesAreAnsweredWithBrushesThatReplaceEachOther) {
  HWND label = Child("STATIC", 40, 40, 80, 30);
  skin::SetIntProp(label, prop::Kj_Ztys, 0x0000FF);
  platform::WindowDC dc(label);
  auto colour = [&](UINT message, HWND control) {
    return ::SendMessageA(window, message, reinterpret_cast<WPARAM>(dc.get()),
                          reinterpret_cast<LPARAM>(control));
  };
  const long gdi = platform::LiveGdiObjects();
  LRESULT first = colour(WM_CTLCOLORSTATIC, label);
  ASSERT_NE(first, 0);
  EXPECT_EQ(reinterpret_cast<HANDLE>(first), ::GetPropA(label, prop::Kj_dxjb));
  HBITMAP behind = static_cast<HBITMAP>(::GetPropA(label, prop::Kj_wtjb));
  ASSERT_NE(behind, nullptr);
  EXPECT_EQ(::GetTextColor(dc.get()), RGB(255, 0, 0));
  EXPECT_EQ(::GetBkMode(dc.get()), TRANSPARENT);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi + 2);  // one brush and its bitmap
  LRESULT second = colour(WM_CTLCOLORSTATIC, label);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi + 2);
  EXPECT_EQ(::GetObjectType(behind), 0u);  // the first bitmap is gone
  EXPECT_EQ(reinterpret_cast<HANDLE>(second), ::GetPropA(label, prop::Kj_dxjb));

  HWND button = Child("BUTTON", 140, 40, 80, 30);
  EXPECT_EQ(colour(WM_CTLCOLORBTN, button),
            reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(::GetPropA(button, prop::Kj_dxjb), ::GetStockObject(NULL_BRUSH));
  HWND list = Child("ListBox", 40, 100, 80, 60);
  HWND drawnList = Child("ListBox", 140, 100, 80, 60, nullptr, LBS_OWNERDRAWFIXED);
  EXPECT_EQ(colour(WM_CTLCOLORLISTBOX, list),
            reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
  EXPECT_NE(colour(WM_CTLCOLORLISTBOX, drawnList),
            reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
  HWND combo = Child("ComboBox", 230, 40, 60, 100, nullptr, CBS_DROPDOWN);
  HWND comboEdit = ::FindWindowExA(combo, nullptr, "Edit", nullptr);
  colour(WM_CTLCOLOREDIT, comboEdit);
  EXPECT_EQ(::GetPropA(comboEdit, prop::Kj_dxjb), nullptr);  // handed on unchanged

  // Without a translucency the platform's colours stay.
  Engine().SetOptions(true);
  HWND other = Child("STATIC", 40, 150, 40, 20);
  colour(WM_CTLCOLORSTATIC, other);
  EXPECT_EQ(::GetPropA(other, prop::Kj_dxjb), nullptr);

  // The window's going releases what it handed out.
  ::DestroyWindow(window);
  // The brush and its bitmap go with it, and so do the frame's DC and bitmap.
  EXPECT_EQ(platform::LiveGdiObjects(), gdi - 2);
}

}  // namespace
