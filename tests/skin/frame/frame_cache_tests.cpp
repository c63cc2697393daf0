// What the renderer keeps between renders never shows a stale frame: after a
// new background, size, theme colour, title, title font, caption-button
// picture or status text, the next render equals the render of a window made
// afresh in that state. The kept layers cost no objects per render and go
// with their window.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;
using testing_support::Pixels;

constexpr int kW = 360, kH = 260;

std::vector<uint8_t> PictureA() {
  return QuadrantPng(160, 120, RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200),
                     RGB(200, 200, 40));
}
std::vector<uint8_t> PictureB() {
  return QuadrantPng(100, 80, RGB(10, 120, 160), RGB(250, 250, 250), RGB(90, 30, 10), RGB(0, 0, 0));
}

class FrameCache : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Engine().SetTheme({}, PictureA(), 0x405060, 0x30A0E0, 3);
  }

  skin::SkinWindowOptions Options() const {
    skin::SkinWindowOptions o;
    o.captionHeight = 40;
    o.captionGloss = true;
    o.statusHeight = 22;
    o.statusPanels = std::vector<skin::StatusPanel>{{100, "一", {}, 0}, {-1, "two", {}, 0}};
    return o;
  }
  // A skinned, rendered window in the common starting state, titled `title`.
  int Make(int width = kW, int height = kH, const char* title = "点名") {
    HWND window = MakeWindow(width, height, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    ::SetWindowTextA(window, title);
    return Skin(window, Options());
  }
  static HWND Hwnd(int i) { return Record(i).Hwnd; }
  static Pixels Render(int i) {
    Engine().RenderFrame(i);
    return FramePixels(i);
  }

  // Renders window `i` (already rendered once), applies `change`, renders
  // again, and expects the result to equal a fresh window after `fresh`
  // and to differ from before.
  void ExpectShownAtOnce(int i, const std::function<void(int)>& change,
                         const std::function<int()>& fresh) {
    const Pixels before = Render(i);
    change(i);
    const Pixels after = Render(i);
    const int j = fresh();
    const Pixels reference = Render(j);
    EXPECT_GT(Differing(before, after), 0) << "the change did not show at all";
    EXPECT_EQ(Differing(after, reference), 0) << "the frame kept something stale";
  }
};

TEST_F(FrameCache, ANewBackgroundThemeOrColourShowsAtOnce) {
  {
    SCOPED_TRACE("the window's own picture");
    const int i = Make();
    ExpectShownAtOnce(
        i, [](int i) { Engine().SetWindowBackground(Hwnd(i), PictureB(), 2); },
        [&] {
          const int j = Make();
          Engine().SetWindowBackground(Hwnd(j), PictureB(), 2);
          return j;
        });
    SCOPED_TRACE("the own picture's mode alone");
    ExpectShownAtOnce(
        i, [](int i) { Engine().SetWindowBackground(Hwnd(i), PictureB(), 3); },
        [&] {
          const int j = Make();
          Engine().SetWindowBackground(Hwnd(j), PictureB(), 3);
          return j;
        });
  }
  DestroyTestWindows();
  {
    SCOPED_TRACE("the theme's picture and mode");
    const int i = Make();
    ExpectShownAtOnce(
        i, [](int) { Engine().SetTheme({}, PictureB(), 0x405060, 0x30A0E0, 1); },
        [&] { return Make(); });
    SCOPED_TRACE("the theme's mode alone");
    ExpectShownAtOnce(
        i, [](int) { Engine().SetTheme({}, PictureB(), 0x405060, 0x30A0E0, 2); },
        [&] { return Make(); });
    SCOPED_TRACE("the theme colour without a picture");
    ExpectShownAtOnce(
        i, [](int) { Engine().SetTheme({}, {}, 0x2080C0); }, [&] { return Make(); });
    SCOPED_TRACE("another theme colour");
    ExpectShownAtOnce(
        i, [](int) { Engine().SetTheme({}, {}, 0x10E040); }, [&] { return Make(); });
  }
}

TEST_F(FrameCache, ANewSizeShowsAtOnceGrowingAndShrinking) {
  const int i = Make();
  for (const SIZE s : {SIZE{500, 380}, SIZE{240, 170}, SIZE{kW, kH}, SIZE{kW + 1, kH}}) {
    SCOPED_TRACE(std::to_string(s.cx) + " x " + std::to_string(s.cy));
    ExpectShownAtOnce(
        i,
        [&](int i) {
          ::SetWindowPos(Hwnd(i), nullptr, 0, 0, s.cx, s.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        },
        [&] { return Make(s.cx, s.cy); });
  }
}

TEST_F(FrameCache, ANewTitleTitleFontButtonPictureOrStatusTextShowsAtOnce) {
  const int i = Make();
  {
    SCOPED_TRACE("title");
    ExpectShownAtOnce(
        i, [](int i) { ::SetWindowTextA(Hwnd(i), "新的标题 title"); },
        [&] { return Make(kW, kH, "新的标题 title"); });
  }
  {
    SCOPED_TRACE("title font and colours");
    auto font = [](int i) {
      Engine().SetTitleFont(Hwnd(i), std::string("宋体"), 16, 0x00FFFF, 0x000080, 0);
    };
    ExpectShownAtOnce(i, font, [&] {
      const int j = Make(kW, kH, "新的标题 title");
      font(j);
      return j;
    });
  }
  {
    SCOPED_TRACE("caption-button pictures");
    auto pictures = [](int i) {
      Engine().SetCaptionButtonImages(Hwnd(i), SolidPng(26, 18, RGB(255, 255, 0)), {}, {},
                                      SolidPng(38, 18, RGB(0, 255, 255)));
    };
    ExpectShownAtOnce(i, pictures, [&] {
      const int j = Make(kW, kH, "新的标题 title");
      Engine().SetTitleFont(Hwnd(j), std::string("宋体"), 16, 0x00FFFF, 0x000080, 0);
      pictures(j);
      return j;
    });
  }
  {
    SCOPED_TRACE("status text and style");
    auto status = [](int i) {
      Engine().SetStatusPanelText(Hwnd(i), 2, "另一段 text");
      Engine().SetStatusStyle(Hwnd(i), {}, true, 0x000000, 0xFFFFFF);
    };
    ExpectShownAtOnce(i, status, [&] {
      const int j = Make(kW, kH, "新的标题 title");
      Engine().SetTitleFont(Hwnd(j), std::string("宋体"), 16, 0x00FFFF, 0x000080, 0);
      Engine().SetCaptionButtonImages(Hwnd(j), SolidPng(26, 18, RGB(255, 255, 0)), {}, {},
                                      SolidPng(38, 18, RGB(0, 255, 255)));
      Engine().SetStatusPanelText(Hwnd(j), 2, "另一段 text");
      Engine().SetStatusStyle(Hwnd(j), {}, true, 0x000000, 0xFFFFFF);
      return j;
    });
  }
}

TEST_F(FrameCache, RendersAndResizesKeepTheCountsFlatAndTheWindowTakesItsLayersAlong) {
  const long gdiBefore = platform::LiveGdiObjects();
  const long nativeBefore = graphics::LiveNativeObjects();
  {
    const int i = Make();
    HWND window = Hwnd(i);
    ExpectCountsStayFlat(300, [&](int n) {
      // A few sizes again and again, a new picture now and then.
      const int w = 300 + (n % 5) * 37, h = 220 + (n % 3) * 29;
      ::SetWindowPos(window, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (n % 50 == 7)
        Engine().SetWindowBackground(window, n % 100 < 50 ? PictureA() : PictureB(), n % 4);
      Engine().RenderFrame(skin::FindSkinnedWindow(window));
      Engine().DrawCaptionButton(skin::FindSkinnedWindow(window), 1, nullptr, false, n % 255);
    });
  }
  DestroyTestWindows();
  EXPECT_EQ(platform::LiveGdiObjects(), gdiBefore);
  EXPECT_EQ(graphics::LiveNativeObjects(), nativeBefore);
}

}  // namespace
