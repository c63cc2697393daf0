// Colour messages of a container's children, and paints repeated: brushes
// replace each other, and nothing a paint makes outlives it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "graphics/status.h"
#include "skin/controls/containers/containers.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "tests/skin/containers/container_test_support.h"

namespace {

using namespace container_test;
using frame_test::Engine;
namespace prop = skin::prop;

class ContainerColours : public ContainerTest {
 protected:
  void SetUp() override {
    ContainerTest::SetUp();
    box = Child("BUTTON", "", BS_GROUPBOX, 20, 20, 360, 260);
    label = Child("STATIC", "", 0, 20, 20, 80, 30, box);
    edit = Child("EDIT", "", WS_BORDER, 120, 20, 80, 24, box);
    button = Child("BUTTON", "b", BS_CHECKBOX, 220, 20, 80, 24, box);
    list = Child("LISTBOX", "", 0, 20, 70, 80, 60, box);
    drawnList = Child("LISTBOX", "", LBS_OWNERDRAWFIXED, 120, 70, 80, 60, box);
    combo = Child("COMBOBOX", "", CBS_DROPDOWN, 220, 70, 80, 100, box);
    Engine().SkinChildren(box);
    comboEdit = ::FindWindowExA(combo, nullptr, "Edit", nullptr);
    dc = std::make_unique<platform::WindowDC>(label);
  }
  void TearDown() override {
    dc.reset();
    ContainerTest::TearDown();
  }
  LRESULT Colour(UINT message, HWND control) {
    return ::SendMessageA(box, message, reinterpret_cast<WPARAM>(dc->get()),
                          reinterpret_cast<LPARAM>(control));
  }
  HANDLE BrushOf(HWND control) { return ::GetPropA(control, prop::Kj_dxjb); }

  HWND box = nullptr, label = nullptr, edit = nullptr, button = nullptr, list = nullptr,
       drawnList = nullptr, combo = nullptr, comboEdit = nullptr;
  std::unique_ptr<platform::WindowDC> dc;
};

const LRESULT kHollow = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));

TEST_F(ContainerColours, AnsweredOnlyWithChildSkinningAndAGivenTranslucency) {
  struct Row {
    bool skinChildren;
    bool translucencyGiven;
  };
  for (Row row : {Row{true, false}, Row{false, true}}) {
    SCOPED_TRACE(std::string("skin children ") + (row.skinChildren ? "on" : "off") +
                 ", translucency " + (row.translucencyGiven ? "given" : "not given"));
    if (row.translucencyGiven)
      Engine().SetOptions(row.skinChildren, 150);
    else
      Engine().SetOptions(row.skinChildren);
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN, WM_CTLCOLORLISTBOX}) {
      HWND control = message == WM_CTLCOLORSTATIC ? label
                     : message == WM_CTLCOLOREDIT ? edit
                     : message == WM_CTLCOLORBTN  ? button
                                                  : list;
      const LRESULT answer = Colour(message, control);
      EXPECT_EQ(BrushOf(control), nullptr) << message;
      EXPECT_NE(answer, kHollow) << message;
    }
  }

  Engine().SetOptions(true, 150);
  skin::SetIntProp(label, prop::Kj_Ztys, 0x0000FF);
  const LRESULT pattern = Colour(WM_CTLCOLORSTATIC, label);
  EXPECT_NE(pattern, 0);
  EXPECT_NE(pattern, kHollow);
  EXPECT_EQ(reinterpret_cast<HANDLE>(pattern), BrushOf(label));
  EXPECT_NE(::GetPropA(label, prop::Kj_wtjb), nullptr);
  EXPECT_EQ(::GetTextColor(dc->get()), RGB(255, 0, 0));
  EXPECT_EQ(::GetBkMode(dc->get()), TRANSPARENT);
  const LRESULT editBrush = Colour(WM_CTLCOLOREDIT, edit);
  EXPECT_NE(editBrush, 0);
  EXPECT_EQ(reinterpret_cast<HANDLE>(editBrush), BrushOf(edit));
  EXPECT_EQ(Colour(WM_CTLCOLORBTN, button), kHollow);
  EXPECT_EQ(Colour(WM_CTLCOLORLISTBOX, list), kHollow);
  EXPECT_EQ(::GetTextColor(dc->get()), RGB(0, 0, 0));  // no colour of its own: black
}

TEST_F(ContainerColours, TheComboEditAndAnOwnerDrawnListKeepThePlatformsColours) {
  ASSERT_NE(comboEdit, nullptr);
  Colour(WM_CTLCOLOREDIT, comboEdit);
  EXPECT_EQ(BrushOf(comboEdit), nullptr);
  EXPECT_NE(Colour(WM_CTLCOLORLISTBOX, drawnList), kHollow);
  EXPECT_EQ(BrushOf(drawnList), nullptr);
}

TEST_F(ContainerColours, ABrushAndItsBitmapReplaceThePreviousOnesForAThousandAnswers) {
  Colour(WM_CTLCOLORSTATIC, label);
  Colour(WM_CTLCOLOREDIT, edit);
  const long gdi = platform::LiveGdiObjects();
  const long native = graphics::LiveNativeObjects();
  for (int n = 0; n < 1000; ++n) {
    const HANDLE brush = BrushOf(label), bitmap = ::GetPropA(label, prop::Kj_wtjb);
    const LRESULT answer = Colour(WM_CTLCOLORSTATIC, label);
    Colour(WM_CTLCOLOREDIT, edit);
    Colour(WM_CTLCOLORBTN, button);
    if (n % 100 == 0) {
      EXPECT_EQ(reinterpret_cast<HANDLE>(answer), BrushOf(label));
      EXPECT_NE(BrushOf(label), brush) << n;
      EXPECT_NE(::GetPropA(label, prop::Kj_wtjb), bitmap) << n;
      EXPECT_EQ(::GetObjectType(bitmap), 0u) << n;  // the old bitmap is gone
      EXPECT_EQ(platform::LiveGdiObjects(), gdi) << n;
    }
  }
  EXPECT_EQ(platform::LiveGdiObjects(), gdi);
  EXPECT_EQ(graphics::LiveNativeObjects(), native);
  EXPECT_TRUE(skin::Surfaces().empty());
}

using ContainerLeaks = ContainerColours;

TEST_F(ContainerLeaks, AThousandFullAndNormalPaintsLeaveNothingBehind) {
  HWND panel = Child("STATIC", "", 0, 20, 150, 150, 80, box);
  Child("STATIC", "", 0, 10, 10, 60, 40, panel, WS_EX_TRANSPARENT);  // redrawn by normal paints
  Engine().SkinChildren(panel, 1, kRedTint, 100, 1);
  ::SetWindowTextA(box, "分组框");
  Canvas target(360, 260);
  // Group box and panel in turn, each painted in full into a given DC or its
  // own, then normally.
  auto round = [&](int n) {
    HWND container = n % 2 ? panel : box;
    skin::FullPaintContainer(container, n % 4 < 2 ? target.dc() : nullptr);
    skin::NormalPaintContainer(container);
  };
  for (int n = 0; n < 4; ++n) round(n);
  const long gdi = platform::LiveGdiObjects();
  const long native = graphics::LiveNativeObjects();
  for (int n = 0; n < 500; ++n) {
    round(n);
    if (n % 100 == 0) {
      EXPECT_EQ(platform::LiveGdiObjects(), gdi) << n;
      EXPECT_EQ(graphics::LiveNativeObjects(), native) << n;
    }
  }
  EXPECT_EQ(platform::LiveGdiObjects(), gdi);
  EXPECT_EQ(graphics::LiveNativeObjects(), native);
  EXPECT_TRUE(skin::Surfaces().empty());
}

}  // namespace
