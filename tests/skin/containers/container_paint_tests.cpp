// What containers paint, read back from surfaces the test owns: the
// group-box frame and caption gap, the double border, the tints laid over
// what lies behind a container's children; and when a paint is a full one.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin/controls/buttons/buttons.h"
#include "skin/controls/containers/container_looks.h"
#include "skin/controls/containers/containers.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/properties.h"
#include "tests/skin/containers/container_test_support.h"

namespace {

using namespace container_test;
using frame_test::Engine;
namespace prop = skin::prop;

// Columns of row y, between x0 and x1, that do not show `line`.
struct Gap {
  int left = -1, right = -1;  // [left, right)
  int width() const { return right - left; }
};
Gap GapIn(const Pixels& p, int y, COLORREF line, int x0, int x1) {
  Gap gap;
  for (int x = x0; x < x1; ++x)
    if (!Near(p.at(x, y), line)) {
      if (gap.left < 0) gap.left = x;
      gap.right = x + 1;
    }
  return gap;
}

using ContainerPaint = ContainerTest;

TEST_F(ContainerPaint, GroupBoxFramesLieFiveAndSixPixelsDownWithAOnePixelGapForNoCaption) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX | BS_LEFT, 40, 40, 200, 150);
  Engine().SkinChildren(box);
  const Pixels p = FullPaint(box);
  p.SavePng(testing_support::OutputPath("group_box_empty_caption.png"));
  struct Spot {
    int x, y;
    COLORREF colour;
  };
  const Spot spots[] = {
      {100, 4, kGrey},
      {100, 5, kOuterLine},
      {100, 6, kInnerLine},
      {100, 7, kGrey},
      {0, 75, kOuterLine},
      {1, 75, kInnerLine},
      {2, 75, kGrey},
      {199, 75, kOuterLine},
      {198, 75, kInnerLine},
      {197, 75, kGrey},
      {100, 149, kOuterLine},
      {100, 148, kInnerLine},
      {100, 147, kGrey},
      {100, 75, kGrey},
      // The empty caption: one column of each line left out at x 10.
      {9, 5, kOuterLine},
      {10, 5, kGrey},
      {11, 5, kOuterLine},
      {9, 6, kInnerLine},
      {10, 6, kGrey},
      {11, 6, kInnerLine},
  };
  for (const Spot& s : spots)
    EXPECT_TRUE(Near(p.at(s.x, s.y), s.colour))
        << s.x << "," << s.y << " is " << Rgb(p.at(s.x, s.y)) << ", not " << Rgb(s.colour);
}

TEST_F(ContainerPaint, ThePanelBorderIsTwoLinesAtTheEdgesOnlyWhenAsked) {
  HWND bordered = Child("STATIC", "", 0, 40, 40, 120, 80);
  HWND plain = Child("STATIC", "", 0, 200, 40, 120, 80);
  Engine().SkinChildren(bordered, 1, 0, 255, 1);
  Engine().SkinChildren(plain, 1, 0, 255, 0);
  const Pixels p = FullPaint(bordered);
  for (POINT at : {POINT{60, 0}, POINT{0, 40}, POINT{119, 40}, POINT{60, 79}})
    EXPECT_TRUE(Near(p.at(at.x, at.y), kOuterLine)) << at.x << "," << at.y;
  for (POINT at : {POINT{60, 1}, POINT{1, 40}, POINT{118, 40}, POINT{60, 78}})
    EXPECT_TRUE(Near(p.at(at.x, at.y), kBorderInner)) << at.x << "," << at.y;
  for (POINT at : {POINT{60, 2}, POINT{2, 40}, POINT{60, 40}})
    EXPECT_TRUE(Near(p.at(at.x, at.y), kGrey)) << at.x << "," << at.y;
  const Pixels q = FullPaint(plain);
  for (POINT at : {POINT{60, 0}, POINT{0, 40}, POINT{60, 1}})
    EXPECT_TRUE(Near(q.at(at.x, at.y), kGrey)) << at.x << "," << at.y;
}

// One row per alignment of a 200-pixel-wide group box's caption. The text is
// drawn in the background's own grey, so row 5 shows exactly where the
// frame lines were left out; then in red, to see where it is drawn.
TEST_F(ContainerPaint, TheCaptionSitsByItsAlignmentAndTheFrameBreaksExactlyUnderIt) {
  struct Row {
    DWORD align;
    const char* name;
  };
  const Row rows[] = {{BS_LEFT, "left"}, {0, "none"}, {BS_RIGHT, "right"}, {BS_CENTER, "centre"}};
  int y = 10;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HWND box = Child("BUTTON", "分组框", BS_GROUPBOX | row.align, 40, y, 200, 60);
    y += 70;
    Engine().SkinChildren(box);
    const skin::ContainerRecord* c = Container(box);
    ASSERT_NE(c, nullptr);
    skin::GroupBoxCaption caption;
    caption.text = "分组框";
    caption.fontName = c->fontName;
    caption.fontSize = c->fontSize;
    caption.fontStyle = c->fontStyle;
    const int tw = skin::MeasureCaption(caption);
    ASSERT_GT(tw, 20);

    skin::SetIntProp(box, prop::Kj_Ztys, 0x808080);
    const Pixels p = FullPaint(box);
    const Gap outer = GapIn(p, 5, kOuterLine, 6, 194), inner = GapIn(p, 6, kInnerLine, 6, 194);
    EXPECT_EQ(outer.width(), tw);
    EXPECT_EQ(inner.left, outer.left);
    EXPECT_EQ(inner.right, outer.right);
    if (row.align == BS_LEFT) {
      EXPECT_EQ(outer.left, 10);
    } else if (row.align == BS_CENTER) {
      EXPECT_LE(std::abs(outer.left + outer.right - 200), 1);
    } else {
      EXPECT_EQ(outer.right, 190);
    }

    skin::SetIntProp(box, prop::Kj_Ztys, 0x0000FF);
    const Pixels red = FullPaint(box);
    red.SavePng(testing_support::OutputPath(std::string("group_box_caption_") + row.name + ".png"));
    RECT ink{200, 60, -1, -1};
    for (int py = 0; py < 60; ++py)
      for (int px = 0; px < 200; ++px) {
        const COLORREF v = red.at(px, py);
        if (GetRValue(v) > GetGValue(v) + 60) {
          ink.left = std::min<LONG>(ink.left, px);
          ink.top = std::min<LONG>(ink.top, py);
          ink.right = std::max<LONG>(ink.right, px + 1);
          ink.bottom = std::max<LONG>(ink.bottom, py + 1);
        }
      }
    ASSERT_GT(ink.right, ink.left) << "no caption drawn";
    EXPECT_GE(ink.left, outer.left);
    EXPECT_LE(ink.right, outer.right);
    EXPECT_GE(ink.top, 1);
  }
}

TEST_F(ContainerPaint, ATintOfColourZeroIsNeverLaidWhateverItsAlpha) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 40, 40, 200, 150);
  HWND panel = Child("STATIC", "", 0, 20, 20, 150, 100, box);
  HWND control = Child("STATIC", "", 0, 10, 10, 40, 30, panel);
  Engine().SkinChildren(box, 1, 0, 200);
  Engine().SkinChildren(panel, 1, 0, 128);
  const Pixels behind = Behind(control);
  for (POINT at : {POINT{0, 0}, POINT{20, 15}, POINT{39, 29}})
    EXPECT_EQ(behind.at(at.x, at.y), kGrey) << at.x << "," << at.y;
  EXPECT_EQ(FullPaint(box).at(100, 75), kGrey);
  EXPECT_EQ(FullPaint(panel).at(75, 50), kGrey);
}

// The group box's tint starts 5 pixels below its own top, wherever the
// control inside it sits: rows above that stay untinted, every row below is
// tinted. (The tint was once laid in the control's coordinates.)
TEST_F(ContainerPaint, AGroupBoxTintCoversEveryRowOfAControlFromItsFifthRowDown) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 40, 40, 200, 150);
  Engine().SkinChildren(box, 1, kBlueTint, 128);
  for (int top : {0, 2, 50}) {
    SCOPED_TRACE("control at y " + std::to_string(top));
    HWND control = Child("STATIC", "", 0, 20, top, 40, 30, box);
    const Pixels behind = Behind(control);
    ASSERT_FALSE(behind.empty());
    for (int y = 0; y < 30; ++y) {
      const COLORREF expected = top + y >= 5 ? kGreyUnderBlue : kGrey;
      for (int x : {0, 20, 39})
        EXPECT_TRUE(Near(behind.at(x, y), expected))
            << x << "," << y << " " << Rgb(behind.at(x, y));
    }
    ::DestroyWindow(control);
  }
  // At alpha 0 the tint leaves the picture as it is.
  Engine().SetContainerAlpha(box, 0);
  EXPECT_EQ(FullPaint(box).at(100, 75), kGrey);
}

TEST_F(ContainerPaint, ACaptureLaysTheTintsOfEveryEnclosingContainer) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 40, 40, 250, 200);
  HWND panel = Child("STATIC", "", 0, 20, 20, 200, 150, box);
  HWND control = Child("STATIC", "", 0, 30, 30, 40, 30, panel);
  Engine().SkinChildren(box, 1, kBlueTint, 128);
  Engine().SkinChildren(panel, 1, kRedTint, 128);
  ASSERT_NE(Container(panel), nullptr);
  EXPECT_TRUE(Near(Behind(control).at(20, 15), kGreyUnderBlueThenRed, 3))
      << Rgb(Behind(control).at(20, 15));
  // The panel itself shows both; the group box only its own.
  EXPECT_TRUE(Near(FullPaint(panel).at(100, 75), kGreyUnderBlueThenRed, 3));
  EXPECT_TRUE(Near(FullPaint(box).at(10, 100), kGreyUnderBlue));
  EXPECT_FALSE(Near(FullPaint(panel).at(100, 75), kGreyUnderRed, 10));
}

TEST_F(ContainerPaint, AFullPaintIsDueAfterRegistrationAndEverySizeUntilTheNextPaint) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 40, 40, 200, 150);
  Engine().SkinChildren(box);
  EXPECT_EQ(Container(box)->needsFullPaint, 1);
  ::SendMessageA(box, WM_PAINT, 0, 0);
  EXPECT_EQ(Container(box)->needsFullPaint, 0);
  ::SetWindowPos(box, nullptr, 0, 0, 220, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Container(box)->needsFullPaint, 1);
  ::SendMessageA(box, WM_PAINT, 0, 0);
  EXPECT_EQ(Container(box)->needsFullPaint, 0);
  ::SendMessageA(box, WM_PAINT, 0, 0);  // a normal paint
  EXPECT_EQ(Container(box)->needsFullPaint, 0);
}

TEST_F(ContainerPaint, OnlyANormalPaintHasTheTranslucentChildrenRedrawn) {
  Show();
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 40, 40, 200, 150);
  HWND translucent = Child("STATIC", "t", 0, 20, 20, 60, 30, box, WS_EX_TRANSPARENT);
  HWND opaque = Child("STATIC", "o", 0, 100, 20, 60, 30, box);
  Engine().SkinChildren(box);
  frame_test::DrainMessages();
  auto pending = [](HWND w) { return ::GetUpdateRect(w, nullptr, FALSE) != FALSE; };

  ::SendMessageA(box, WM_SIZE, 0, MAKELPARAM(200, 150));
  for (HWND w : {box, translucent, opaque}) ::ValidateRect(w, nullptr);
  ::SendMessageA(box, WM_PAINT, 0, 0);  // full
  EXPECT_FALSE(pending(translucent));
  ::SendMessageA(box, WM_PAINT, 0, 0);  // normal
  EXPECT_TRUE(pending(translucent));
  EXPECT_FALSE(pending(opaque));
  MessageLog log({translucent});
  ::UpdateWindow(translucent);
  EXPECT_FALSE(log.Saw(translucent, WM_ERASEBKGND));  // redrawn without erasing
}

// What a container's paint may not cover: its opaque children, each by the
// shape it shows. A rounded child leaves its corners and its region's last
// row to the container; they kept stale pixels while its whole rectangle
// was clipped out.
TEST_F(ContainerPaint, OpaqueChildrenAreClippedOutByTheShapeTheyShow) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 20, 20, 300, 200);
  Child("STATIC", "", 0, 10, 20, 60, 40, box);  // square
  HWND rounded = Child("STATIC", "", 0, 100, 20, 80, 60, box);
  Child("STATIC", "", 0, 200, 20, 60, 40, box, WS_EX_TRANSPARENT);  // translucent
  HWND hidden = Child("STATIC", "", 0, 10, 100, 60, 40, box);
  ::ShowWindow(hidden, SW_HIDE);
  ::SetWindowRgn(rounded, ::CreateRoundRectRgn(0, 0, 80, 60, 30, 30), FALSE);
  Engine().SkinChildren(box);

  Canvas canvas(300, 200, RGB(0, 0, 0));
  skin::ChildExcludedDC(box, canvas.dc());
  platform::UniqueBrush white(::CreateSolidBrush(RGB(255, 255, 255)));
  RECT all{0, 0, 300, 200};
  ::FillRect(canvas.dc(), &all, white.get());
  const Pixels p = canvas.Read();
  const COLORREF kept = RGB(0, 0, 0), painted = RGB(255, 255, 255);
  struct Spot {
    int x, y;
    COLORREF colour;
    const char* what;
  };
  const Spot spots[] = {
      {10, 20, kept, "square child, corner"},      {40, 40, kept, "square child, middle"},
      {69, 59, kept, "square child, last pixel"},  {70, 40, painted, "right of the square"},
      {140, 50, kept, "rounded child, middle"},    {100, 20, painted, "rounded child, corner"},
      {179, 79, painted, "rounded child, corner"}, {140, 79, painted, "rounded child, last row"},
      {230, 40, painted, "translucent child"},     {40, 120, painted, "hidden child"},
  };
  for (const Spot& s : spots) EXPECT_EQ(p.at(s.x, s.y), s.colour) << s.what;
}

TEST_F(ContainerPaint, ADrawItemRequestReachingTheContainerPaintsItsPushButton) {
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 40, 40, 200, 150);
  HWND button = Child("BUTTON", "按", BS_PUSHBUTTON, 20, 30, 80, 30, box);
  Engine().SkinChildren(box);
  ASSERT_GE(skin::FindButton(i, button), 1);
  Canvas canvas(80, 30);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = button;
  item.hDC = canvas.dc();
  item.rcItem = RECT{0, 0, 80, 30};
  item.itemAction = ODA_DRAWENTIRE;
  ::SendMessageA(box, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  const Pixels p = canvas.Read();
  // The look over the captured grey, corner to corner: no magenta left.
  for (POINT at : {POINT{0, 0}, POINT{40, 2}, POINT{40, 15}, POINT{79, 29}})
    EXPECT_NE(p.at(at.x, at.y), RGB(255, 0, 255)) << at.x << "," << at.y;
  EXPECT_TRUE(Near(p.at(0, 0), kGrey, 6));                   // outside the rounded corner
  EXPECT_GT(GetRValue(p.at(40, 8)), GetRValue(kGrey) + 30);  // the white face
}

}  // namespace
