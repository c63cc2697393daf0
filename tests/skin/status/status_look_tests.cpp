// How panels look: glowing text, text in the theme's inverse, and a panel
// whose text changes while its picture and colour stay, shown at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/graphics.h"
#include "skin/frame/status_bar.h"
#include "tests/skin/support/control_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class StatusLook : public FrameTest {};

int Brightest(const testing_support::Pixels& p, const RECT& r) {
  int best = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = p.at(x, y);
      best = std::max({best, int(GetRValue(c)), int(GetGValue(c)), int(GetBValue(c))});
    }
  return best;
}

int CountNear(const testing_support::Pixels& p, const RECT& r, COLORREF colour, int tolerance) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (Near(p.at(x, y), colour, tolerance)) ++n;
  return n;
}

RECT RectOf(const skin::IntRect& r) { return RECT{r.x, r.y, r.x + r.width, r.y + r.height}; }

skin::SkinWindowOptions OnePanel(const char* text, skin::Colour colour,
                                 std::vector<uint8_t> image = {}) {
  skin::StatusPanel p;
  p.width = -1;
  p.text = text;
  p.colour = colour;
  p.image = std::move(image);
  skin::SkinWindowOptions o;
  o.statusHeight = 22;
  o.statusPanels = std::vector<skin::StatusPanel>{p};
  return o;
}

TEST_F(StatusLook, GlowLightsThePixelsAroundTheTextAndNothingFarFromIt) {
  // Red text with a white glow on black.
  const testing_support::Pixels glowing =
      control_test::DrawOnBitmap(160, 40, RGB(0, 0, 0), [](graphics::Graphics& g) {
        skin::DrawGlowText(g, "状态文字", Gdiplus::RectF(10, 12, 140, 22), 0x0000FF, 0xFFFFFF);
      });
  const RECT text{8, 8, 80, 34};
  EXPECT_GT(CountNear(glowing, text, RGB(255, 0, 0), 90), 5) << "the text itself";
  // Glow: light grey pixels (all channels up) where the text is not.
  int lit = 0;
  for (int y = text.top; y < text.bottom; ++y)
    for (int x = text.left; x < text.right; ++x) {
      const COLORREF c = glowing.at(x, y);
      if (GetGValue(c) > 40 && GetBValue(c) > 40) ++lit;
    }
  EXPECT_GT(lit, 20) << "a glow around the text";
  EXPECT_LT(Brightest(glowing, RECT{120, 0, 160, 40}), 10) << "far right of the text";
  EXPECT_LT(Brightest(glowing, RECT{0, 36, 160, 40}), 10) << "below the text";

  // The engine draws it when the style asks for it, and not otherwise.
  Engine().SetTheme({}, {}, 0x000000);
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window, OnePanel("发光的状态", 0x000000));
  const RECT panel = RectOf(Record(i).StatusPanelRects.at(1));
  ASSERT_TRUE(Engine().SetStatusStyle(window, false, false));
  Engine().RenderFrame(i);
  const int plain = Brightest(FramePixels(i), panel);
  ASSERT_TRUE(Engine().SetStatusStyle(window, false, true, 0x000000, 0xFFFFFF));
  Engine().RenderFrame(i);
  const int glow = Brightest(FramePixels(i), panel);
  EXPECT_LE(plain, 62) << "black text on the faint gradient over black";
  // The gradient: white at alpha 60 at the top, fading towards alpha 10.
  const testing_support::Pixels frame = FramePixels(i);
  const int edge = panel.right - 5;
  EXPECT_NEAR(GetRValue(frame.at(edge, panel.top)), 60, 4);
  EXPECT_NEAR(GetRValue(frame.at(edge, panel.bottom - 1)), 12, 5);
  EXPECT_GT(glow, 150) << "the white glow";
}

TEST_F(StatusLook, ThemeTextIsTheInverseOfTheThemeColourElseThePanelsOwn) {
  Engine().SetTheme({}, {}, 0x000000);
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window, OnePanel("主题文字颜色", 0x0000FF));
  const RECT panel = RectOf(Record(i).StatusPanelRects.at(1));
  // Until the style is set the panel's own red is used.
  EXPECT_GT(CountNear(FramePixels(i), panel, RGB(255, 0, 0), 60), 5);
  EXPECT_EQ(CountNear(FramePixels(i), panel, RGB(255, 255, 255), 40), 0);

  ASSERT_TRUE(Engine().SetStatusStyle(window));  // themeText defaults to 1
  EXPECT_TRUE(Record(i).StatusThemeText);
  EXPECT_FALSE(Record(i).StatusGlow);
  Engine().RenderFrame(i);
  EXPECT_GT(CountNear(FramePixels(i), panel, RGB(255, 255, 255), 40), 5) << "white on black";
  EXPECT_EQ(CountNear(FramePixels(i), panel, RGB(255, 0, 0), 60), 0);

  HWND plain = MakeWindow(100, 100);
  EXPECT_FALSE(Engine().SetStatusStyle(plain));
  EXPECT_FALSE(Engine().SetStatusPanelText(plain, 1, "x"));
}

TEST_F(StatusLook, NewTextKeepsThePictureAndColourAndShowsAtOnce) {
  const std::vector<uint8_t> green = SolidPng(12, 12, RGB(0, 200, 0));
  HWND window = MakeWindow(320, 200, 0, 80, 90);
  const int i = SkinAndShow(window, OnePanel("旧", 0x0000FF, green));
  Engine().RenderFrame(i);
  const skin::IntRect box = Record(i).StatusPanelRects.at(1);
  const POINT picture{box.x + 2 + 6, box.y + (box.height - 12) / 2 + 6};
  ASSERT_TRUE(Near(FramePixels(i).at(picture.x, picture.y), RGB(0, 200, 0), 10));
  ::ValidateRect(window, nullptr);

  ASSERT_TRUE(Engine().SetStatusPanelText(window, 1, "新的状态文字"));
  const skin::StatusPanel& p = Record(i).StatusPanels.at(1);
  EXPECT_EQ(p.text, "新的状态文字");
  EXPECT_EQ(p.image, green);
  EXPECT_EQ(p.colour, 0x0000FFu);
  const testing_support::Pixels frame = FramePixels(i);
  EXPECT_TRUE(Near(frame.at(picture.x, picture.y), RGB(0, 200, 0), 10));
  // The longer text reaches where the old one did not.
  const RECT beyondOld{box.x + 30, box.y, box.x + 90, box.y + box.height};
  EXPECT_GT(CountNear(frame, beyondOld, RGB(255, 0, 0), 60), 5);
  // Shown without waiting for a paint: nothing is left to repaint, and the
  // window's own DC holds the new panel.
  EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));
  const testing_support::Pixels shown = testing_support::CaptureClient(window);
  int same = 0, total = 0;
  for (int y = box.y; y < box.y + box.height; ++y)
    for (int x = box.x; x < box.x + 100; ++x, ++total)
      if (Near(shown.at(x, y), frame.at(x, y), 8)) ++same;
  EXPECT_GT(same, total * 9 / 10);

  // A picture and a colour given replace the old ones.
  const std::vector<uint8_t> blue = SolidPng(10, 10, RGB(0, 0, 230));
  ASSERT_TRUE(Engine().SetStatusPanelText(window, 1, "蓝", blue, 0x00FF00));
  EXPECT_EQ(Record(i).StatusPanels.at(1).image, blue);
  EXPECT_EQ(Record(i).StatusPanels.at(1).colour, 0x00FF00u);
  EXPECT_TRUE(Near(FramePixels(i).at(box.x + 2 + 5, box.y + (box.height - 10) / 2 + 5),
                   RGB(0, 0, 230), 10));
}

// Pixels that differ between two drawings of the same size.
int Differing(const testing_support::Pixels& a, const testing_support::Pixels& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.raw(x, y) != b.raw(x, y)) ++n;
  return n;
}

TEST_F(StatusLook, AKeptGlowDrawsAsTheFirstAndAnythingItIsMadeFromShowsAtTheNextDraw) {
  struct Glow {
    const char* text;
    skin::Colour glow;
    float size;
    float width;
  };
  auto draw = [](const Glow& c) {
    return control_test::DrawOnBitmap(170, 40, RGB(0, 0, 0), [&](graphics::Graphics& g) {
      skin::DrawGlowText(g, c.text, Gdiplus::RectF(10, 10, c.width, 22), 0x0000FF, c.glow, 4.0f,
                         "宋体", 0, c.size);
    });
  };
  const Glow first{"状态文字", 0xFFFFFF, 12.0f, 140.0f};
  const testing_support::Pixels once = draw(first);
  EXPECT_EQ(Differing(draw(first), once), 0) << "drawn again from what was kept";
  EXPECT_GT(Differing(draw(Glow{"别的文字", 0xFFFFFF, 12.0f, 140.0f}), once), 20) << "text";
  EXPECT_GT(Differing(draw(Glow{"状态文字", 0x00FF00, 12.0f, 140.0f}), once), 20) << "colour";
  EXPECT_GT(Differing(draw(Glow{"状态文字", 0xFFFFFF, 16.0f, 140.0f}), once), 20) << "size";
  EXPECT_EQ(Differing(draw(first), once), 0) << "and back";
  // A wider box draws a glow of its own, not a narrower one's stretched.
  draw(Glow{"方框文字", 0xFFFFFF, 12.0f, 60.0f});
  const testing_support::Pixels wide = draw(Glow{"方框文字", 0xFFFFFF, 12.0f, 140.0f});
  EXPECT_LT(Brightest(wide, RECT{92, 0, 170, 40}), 10) << "box";

  // Through the engine: a new glow colour shows at the next redraw.
  Engine().SetTheme({}, {}, 0x000000);
  HWND window = MakeWindow(300, 200);
  const int i = Skin(window, OnePanel("发光的状态", 0x000000));
  const RECT panel = RectOf(Record(i).StatusPanelRects.at(1));
  ASSERT_TRUE(Engine().SetStatusStyle(window, false, true, 0x000000, 0xFFFFFF));
  auto greenish = [&] {
    const testing_support::Pixels p = FramePixels(i);
    int n = 0;
    for (int y = panel.top; y < panel.bottom; ++y)
      for (int x = panel.left; x < panel.right; ++x) {
        const COLORREF c = p.at(x, y);
        if (GetGValue(c) > 100 && GetGValue(c) > GetRValue(c) + 40 &&
            GetGValue(c) > GetBValue(c) + 40)
          ++n;
      }
    return n;
  };
  Engine().DrawStatusBar(i, nullptr, 1);
  EXPECT_EQ(greenish(), 0);
  ASSERT_TRUE(Engine().SetStatusStyle(window, false, true, 0x000000, 0x00FF00));
  Engine().DrawStatusBar(i, nullptr, 1);
  EXPECT_GT(greenish(), 5) << "a green glow";
}

}  // namespace
