// What transparent children show, read back from their windows: each is
// compared pixel by pixel with an untouched twin of the same class, whose
// key-coloured pixels must show the picture (under the veil for the six
// classes composed off-screen, bare for any other) and whose other pixels
// must be the same.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include "tests/skin/transparent/transparent_test_support.h"

namespace {

using namespace transparent_test;
using frame_test::Engine;

using TransparentPaint = TransparentTest;

RECT Whole(const Pixels& p) { return RECT{0, 0, p.width(), p.height()}; }

TEST_F(TransparentPaint, ATabControlShowsTheVeiledPictureForItsButtonFaceAndItsChildrenSkinned) {
  HWND tab = Tab(10, 10, 200, 160);
  HWND button = Child("BUTTON", "确定", BS_PUSHBUTTON, 20, 40, 80, 26, tab);
  HWND edit = Child("EDIT", "文字", WS_BORDER, 20, 80, 150, 24, tab);
  HWND twin = Tab(225, 10, 200, 160);
  Engine().SkinTransparentChild(tab);
  Repaint(tab);
  Repaint(twin);
  const Pixels keyed = Shown(tab), plain = Shown(twin);
  keyed.SavePng(testing_support::OutputPath("tab_keyed.png"));
  plain.SavePng(testing_support::OutputPath("tab_plain.png"));

  // The tab strip and the page away from the children.
  EXPECT_GT(ExpectKeyedTwin(keyed, plain, ButtonFace(), Veiled(), RECT{0, 0, 200, 36}), 1000);
  EXPECT_GT(ExpectKeyedTwin(keyed, plain, ButtonFace(), Veiled(), RECT{0, 110, 200, 160}), 6000);
  EXPECT_TRUE(Near(keyed.at(150, 130), Veiled())) << Rgb(keyed.at(150, 130));
  EXPECT_TRUE(Near(keyed.at(190, 10), Veiled())) << "beside the tabs " << Rgb(keyed.at(190, 10));

  // The page's controls are the engine's: the push button is not the
  // platform's grey face, the edit shows the veiled picture behind its text.
  const Pixels face = Shown(button);
  EXPECT_NE(face.at(6, 13), ButtonFace()) << Rgb(face.at(6, 13));
  const Pixels field = Shown(edit);
  EXPECT_TRUE(Near(field.at(130, 11), Veiled(), 4)) << Rgb(field.at(130, 11));
}

// A status bar fills itself with the button face in its paint.
TEST_F(TransparentPaint, AStatusBarShowsTheVeiledPictureAroundItsText) {
  HWND bar = Child(STATUSCLASSNAMEA, "就绪", CCS_NOPARENTALIGN | CCS_NORESIZE, 10, 10, 200, 24);
  HWND twin = Child(STATUSCLASSNAMEA, "就绪", CCS_NOPARENTALIGN | CCS_NORESIZE, 225, 10, 200, 24);
  ::SetWindowTheme(bar, L" ", L" ");
  ::SetWindowTheme(twin, L" ", L" ");
  Engine().SkinTransparentChild(bar);
  Repaint(bar);
  Repaint(twin);
  const Pixels plain = Shown(twin);
  EXPECT_GT(ExpectKeyedTwin(Shown(bar), plain, ButtonFace(), Veiled(), Whole(plain)), 2000);
}

// A themed tab control draws its page itself, in the theme's colours: only
// its strip is keyed.
TEST_F(TransparentPaint, AThemedTabControlIsKeyedWhereItPaintsTheKeyAndNowhereElse) {
  HWND tab = Tab(10, 10, 200, 160, false);
  HWND twin = Tab(225, 10, 200, 160, false);
  Engine().SkinTransparentChild(tab);
  Repaint(tab);
  Repaint(twin);
  const Pixels plain = Shown(twin);
  EXPECT_GT(ExpectKeyedTwin(Shown(tab), plain, ButtonFace(), Veiled(), Whole(plain)), 1000);
}

TEST_F(TransparentPaint, AToolbarAndAMonthCalendarShowThePictureOnlyWhereTheyPaintTheKey) {
  HWND bar = Toolbar(10, 10, 200, 40);
  HWND barTwin = Toolbar(225, 10, 200, 40);
  HWND calendar = Child(MONTHCAL_CLASSA, "", 0, 10, 70, 200, 170);
  HWND calendarTwin = Child(MONTHCAL_CLASSA, "", 0, 225, 70, 200, 170);
  Engine().SkinTransparentChild(bar);
  Engine().SkinTransparentChild(calendar);
  for (HWND c : {bar, barTwin, calendar, calendarTwin}) Repaint(c);

  // Wine's toolbar erases nothing itself (its class has no brush): what its
  // parent drew stays under its buttons, for it as for its twin.
  const Pixels keyedBar = Shown(bar), plainBar = Shown(barTwin);
  keyedBar.SavePng(testing_support::OutputPath("toolbar_keyed.png"));
  plainBar.SavePng(testing_support::OutputPath("toolbar_plain.png"));
  ExpectKeyedTwin(keyedBar, plainBar, ButtonFace(), Veiled(), Whole(plainBar));
  // Painted in other colours, the calendar looks as its twin does.
  const Pixels keyedCalendar = Shown(calendar), plainCalendar = Shown(calendarTwin);
  keyedCalendar.SavePng(testing_support::OutputPath("calendar_keyed.png"));
  plainCalendar.SavePng(testing_support::OutputPath("calendar_plain.png"));
  ExpectKeyedTwin(keyedCalendar, plainCalendar, ButtonFace(), Veiled(), Whole(plainCalendar));

  // Themed, the toolbar lays its parent's background itself and no key.
  HWND themed = Toolbar(10, 260, 200, 40, false);
  HWND themedTwin = Toolbar(225, 260, 200, 40, false);
  Engine().SkinTransparentChild(themed);
  Repaint(themed);
  Repaint(themedTwin);
  const Pixels plainThemed = Shown(themedTwin);
  EXPECT_EQ(ExpectKeyedTwin(Shown(themed), plainThemed, ButtonFace(), Veiled(), Whole(plainThemed)),
            0);
}

TEST_F(TransparentPaint, AColourOtherThanTheKeyStaysAndTheKeyGivenIsTheOneLeftOut) {
  HWND bar = Toolbar(10, 10, 200, 40);
  HWND twin = Toolbar(225, 10, 200, 40);
  Engine().SkinTransparentChild(bar, 0x00FF00);  // painted nowhere
  Repaint(bar);
  Repaint(twin);
  EXPECT_EQ(ExpectKeyedTwin(Shown(bar), Shown(twin), RGB(0, 255, 0), Veiled(), Whole(Shown(twin))),
            0);
}

// Outside the six classes the control's pixels are laid over the bare
// picture, whether it paints on screen or into the DC it is given; one
// that paints into the DC (and so validates nothing), or draws nothing into
// it, is not asked to paint again and again, and its drawing keeps its
// place in a partial update.
TEST_F(TransparentPaint, AnyOtherClassShowsThePictureWithoutTheVeilWhereItPaintsTheKey) {
  for (const char* cls : {kScreenPainter, kDCPainter, kSilentPainter}) {
    SCOPED_TRACE(cls);
    HWND control = Child(cls, "", 0, 20, 20, 80, 60);
    Engine().SkinTransparentChild(control);
    PaintsSeen() = 0;
    Repaint(control);
    testing_support::PumpFor(60);
    EXPECT_LE(PaintsSeen(), 2);
    EXPECT_FALSE(::GetUpdateRect(control, nullptr, FALSE));
    if (cls == kSilentPainter) {  // it shows nothing of its own
      ::DestroyWindow(control);
      continue;
    }
    Pixels p = Shown(control);
    EXPECT_TRUE(Near(p.at(5, 5), kPicture)) << Rgb(p.at(5, 5));
    EXPECT_TRUE(Near(p.at(70, 50), kPicture)) << Rgb(p.at(70, 50));
    EXPECT_EQ(p.at(20, 20), RGB(0, 0, 0));

    const RECT part{20, 20, 45, 45};
    ::InvalidateRect(control, &part, TRUE);
    ::UpdateWindow(control);
    testing_support::PumpFor(30);
    p = Shown(control);
    EXPECT_EQ(p.at(25, 25), RGB(0, 0, 0));
    EXPECT_EQ(p.at(29, 29), RGB(0, 0, 0));
    EXPECT_TRUE(Near(p.at(35, 35), kPicture)) << Rgb(p.at(35, 35));
    EXPECT_TRUE(Near(p.at(5, 5), kPicture)) << Rgb(p.at(5, 5));
    ::DestroyWindow(control);
  }
}

// A border moves the client area inside the window: the picture laid
// under the control is the part behind its client area.
TEST_F(TransparentPaint, TheBareBackgroundOfABorderedControlIsThePartBehindItsClientArea) {
  Engine().SetWindowBackground(window,
                               frame_test::QuadrantPng(64, 48, RGB(200, 0, 0), RGB(0, 200, 0),
                                                       RGB(0, 0, 200), RGB(200, 200, 0)),
                               3);
  // The picture stretched over 440 x 330 changes colour around x 220.
  HWND control = Child(kScreenPainter, "", 0, 180, 20, 80, 60, nullptr, WS_EX_CLIENTEDGE);
  HWND reference = Child(kScreenPainter, "", 0, 182, 100, 80, 60);
  Engine().SkinTransparentChild(control);
  Engine().SkinTransparentChild(reference);
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  testing_support::PumpFor(60);
  // Both client areas start at x 182 of the window: the same columns.
  const Pixels bordered = Shown(control), plain = Shown(reference);
  int differing = 0;
  for (int x = 0; x < 76; ++x)
    if (!Near(bordered.at(x, 2), plain.at(x, 2), 6)) ++differing;
  EXPECT_EQ(differing, 0);
}

}  // namespace
