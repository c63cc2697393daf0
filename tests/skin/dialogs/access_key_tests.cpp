// Captions from dialog templates mark their access keys with "&": the
// skinned buttons and check boxes draw them as Windows does until keyboard
// cues are asked for, without the marks ("&&" is an ampersand).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/controls/buttons/button_looks.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using testing_support::Pixels;

using Drawer = void (*)(graphics::Graphics&, const skin::ButtonLook&, const skin::LookBox&);

Pixels Caption(Drawer draw, const std::string& caption) {
  skin::ButtonLook look;
  look.caption = caption;
  look.fontName = "宋体";
  look.fontSize = 12;
  return control_test::DrawOnBitmap(120, 28, RGB(128, 128, 128), [&](graphics::Graphics& g) {
    draw(g, look, skin::LookBox{0, 0, 120, 28});
  });
}

int Differing(const Pixels& a, const Pixels& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.raw(x, y) != b.raw(x, y);
  return n;
}

TEST(AccessKeys, PushButtonsAndCheckBoxesDrawCaptionsWithoutTheMarks) {
  for (Drawer draw : {Drawer(skin::DrawPushButtonLook), Drawer(skin::DrawCheckBoxLook)}) {
    const Pixels marked = Caption(draw, "打开(&O)");
    marked.SavePng(testing_support::OutputPath("access_key_marked.png"));
    EXPECT_EQ(Differing(marked, Caption(draw, "打开(O)")), 0) << "the & is drawn";
    EXPECT_GT(Differing(marked, Caption(draw, "打开(&&O)")), 0) << "&& is an ampersand";
    EXPECT_GT(Differing(Caption(draw, "A&&B"), Caption(draw, "AB")), 0) << "&& draws an ampersand";
  }
}

}  // namespace
