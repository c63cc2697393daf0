// Registering containers with SkinChildren and changing their tint with
// SetContainerAlpha: what the record and the properties hold, which children
// are skinned, and when the container is invalidated.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/controls/containers/containers.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "tests/skin/containers/container_test_support.h"

namespace {

using namespace container_test;
using frame_test::Engine;
using frame_test::Record;
namespace prop = skin::prop;

constexpr LONG kOwnerDraw = BS_OWNERDRAW;

WNDPROC ProcOf(HWND w) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(w, GWLP_WNDPROC)); }

bool UpdatePending(HWND w) { return ::GetUpdateRect(w, nullptr, FALSE) != FALSE; }

using ContainerRegistration = ContainerTest;

TEST_F(ContainerRegistration, AGroupBoxIsRegisteredOnceWithItsFontAndItsPushButtonSkinned) {
  HWND box = Child("BUTTON", "组", BS_GROUPBOX, 40, 40, 200, 150);
  platform::UniqueFont font(::CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                          GB2312_CHARSET, 0, 0, 0, 0, "宋体"));
  ::SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  HWND button = Child("BUTTON", "按", BS_PUSHBUTTON, 20, 30, 80, 30, box);
  const WNDPROC before = ProcOf(box);

  Engine().SkinChildren(box);
  ASSERT_EQ(Record(i).Containers.count(), 1);  // the empty first record was taken
  const skin::ContainerRecord* c = Container(box);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->paintSelf, 1);
  EXPECT_EQ(c->tintColour, 0u);
  EXPECT_EQ(c->tintAlpha, 255);
  EXPECT_EQ(c->drawBorder, 0);
  EXPECT_EQ(c->needsFullPaint, 1);
  EXPECT_EQ(c->isGroupBox, 1);
  EXPECT_EQ(c->savedProc, before);
  // Wine reads the family back as its substitute and a -16 font as 15 pixels.
  EXPECT_FALSE(c->fontName.empty());
  EXPECT_GE(c->fontSize, 15);
  EXPECT_LE(c->fontSize, 16);
  EXPECT_EQ(c->fontStyle & 1, 1);  // bold
  EXPECT_EQ(ProcOf(box), &skin::ContainerWndProc);
  EXPECT_EQ(skin::GetIntProp(box, prop::Hw_FuID), i);
  EXPECT_EQ(skin::GetIntProp(box, prop::Hw_lbID), 1);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(box, prop::Hw_hProc), before);
  EXPECT_EQ(skin::GetHandleProp<HWND>(box, prop::Mb_zpf), nullptr);

  // Its push button belongs to the window's buttons now and is drawn by the engine.
  EXPECT_GE(skin::FindButton(i, button), 1);
  EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & 0xF, kOwnerDraw);

  // A second call keeps the first registration and its arguments.
  Engine().SkinChildren(box, 0, kBlueTint, 10, 1);
  EXPECT_EQ(Record(i).Containers.count(), 1);
  c = Container(box);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->paintSelf, 1);
  EXPECT_EQ(c->tintColour, 0u);
  EXPECT_EQ(c->tintAlpha, 255);
  EXPECT_EQ(c->drawBorder, 0);
  EXPECT_EQ(skin::GetHandleProp<WNDPROC>(box, prop::Hw_hProc), before);
  EXPECT_EQ(skin::FindButton(i, button), 1);
}

TEST_F(ContainerRegistration, OnlyAButtonWithStyleBitFourIsAGroupBox) {
  struct Row {
    const char* cls;
    DWORD style;
    int groupBox;
  };
  const Row rows[] = {
      {"BUTTON", BS_GROUPBOX, 1},
      {"BUTTON", BS_RADIOBUTTON, 1},  // type 4 carries the bit too
      {"BUTTON", BS_PUSHBUTTON, 0},
      {"STATIC", SS_BLACKRECT, 0},  // the bit, but not a button
  };
  platform::UniqueFont font(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                          GB2312_CHARSET, 0, 0, 0, 0, "宋体"));
  int y = 10;
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.cls) + " style " + std::to_string(row.style));
    HWND container = Child(row.cls, "c", row.style, 20, y, 150, 40);
    ::SendMessageA(container, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    y += 50;
    Engine().SkinChildren(container, 1, 0, 255, 0);
    const skin::ContainerRecord* c = Container(container);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->isGroupBox, row.groupBox);
    EXPECT_EQ(c->fontName.empty(), row.groupBox == 0);
  }
}

TEST_F(ContainerRegistration, TheNearestAncestorMarkedOneIsTheContainersMark) {
  HWND marked = Child("STATIC", "", 0, 10, 10, 300, 250);
  HWND otherMark = Child("STATIC", "", 0, 10, 10, 280, 230, marked);
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 10, 10, 200, 150, otherMark);
  skin::SetIntProp(marked, prop::Wxk_Zpf, 1);
  skin::SetIntProp(otherMark, prop::Wxk_Zpf, 2);  // only 1 marks a background source
  Engine().SkinChildren(box);
  EXPECT_EQ(skin::GetHandleProp<HWND>(box, prop::Mb_zpf), marked);
}

TEST_F(ContainerRegistration, WithoutChildSkinningTheContainerIsRegisteredButNoChildIsSkinned) {
  Engine().SetOptions(false, 150);
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 40, 40, 200, 150);
  HWND button = Child("BUTTON", "按", BS_PUSHBUTTON, 20, 30, 80, 30, box);
  HWND label = Child("STATIC", "", 0, 20, 80, 80, 30, box);
  Engine().SkinChildren(box);
  ASSERT_NE(Container(box), nullptr);
  EXPECT_EQ(skin::FindButton(i, button), 0);
  EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
  // Painted all the same: its frame is there.
  EXPECT_TRUE(Near(FullPaint(box).at(100, 5), kOuterLine));
  // Colour messages go on to the group box's own procedure.
  platform::WindowDC dc(label);
  ::SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(::GetPropA(label, prop::Kj_dxjb), nullptr);
}

TEST_F(ContainerRegistration, AContainerInNoSkinnedWindowIsLeftAlone) {
  HWND plain = frame_test::MakeWindow(300, 200, 0, 500, 100);
  HWND box = Child("BUTTON", "", BS_GROUPBOX, 10, 10, 200, 150, plain);
  HWND button = Child("BUTTON", "按", BS_PUSHBUTTON, 20, 30, 80, 30, box);
  const WNDPROC before = ProcOf(box);
  Engine().SkinChildren(box);
  Engine().SkinChildren(nullptr);
  EXPECT_EQ(ProcOf(box), before);
  EXPECT_EQ(::GetPropA(box, prop::Hw_FuID), nullptr);
  EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
  EXPECT_EQ(Record(i).Containers.count(), 1);
  EXPECT_EQ(Record(i).Containers.at(1).hwnd, nullptr);
}

TEST_F(ContainerRegistration, SetContainerAlphaNeedsARegisteredTintedContainer) {
  Show();
  HWND plain = Child("STATIC", "", 0, 10, 10, 50, 50);
  HWND untinted = Child("BUTTON", "", BS_GROUPBOX, 70, 10, 150, 100);
  HWND tinted = Child("BUTTON", "", BS_GROUPBOX, 70, 120, 150, 100);
  Engine().SkinChildren(untinted, 1, 0, 100);
  Engine().SkinChildren(tinted, 1, kBlueTint, 100);
  frame_test::DrainMessages();
  for (HWND w : {plain, untinted, tinted}) ::ValidateRect(w, nullptr);

  Engine().SetContainerAlpha(plain, 50);  // no index properties: nothing at all
  Engine().SetContainerAlpha(untinted, 50);
  EXPECT_EQ(Container(untinted)->tintAlpha, 100);
  EXPECT_FALSE(UpdatePending(untinted));

  Engine().SetContainerAlpha(tinted, 50);
  EXPECT_EQ(Container(tinted)->tintAlpha, 50);
  EXPECT_TRUE(UpdatePending(tinted));
  MessageLog log({tinted});
  ::UpdateWindow(tinted);
  EXPECT_TRUE(log.Saw(tinted, WM_PAINT));
  EXPECT_FALSE(log.Saw(tinted, WM_ERASEBKGND));  // invalidated without erasing
}

// One row per kind of container: a move repaints only a translucent
// container that paints itself.
TEST_F(ContainerRegistration, AMoveInvalidatesOnlyATranslucentSelfPaintingContainer) {
  struct Row {
    int paintSelf;
    uint8_t alpha;
    bool invalidated;
  };
  const Row rows[] = {{1, 255, false}, {1, 0, true}, {1, 100, true}, {0, 100, false}};
  Show();
  int x = 10;
  std::vector<HWND> boxes;
  for (const Row& row : rows) {
    boxes.push_back(Child("BUTTON", "", BS_GROUPBOX, x, 10, 80, 100));
    Engine().SkinChildren(boxes.back(), row.paintSelf, kBlueTint, row.alpha);
    x += 90;
  }
  frame_test::DrainMessages();
  for (size_t k = 0; k < boxes.size(); ++k) {
    SCOPED_TRACE("paintSelf " + std::to_string(rows[k].paintSelf) + ", alpha " +
                 std::to_string(rows[k].alpha));
    ::ValidateRect(boxes[k], nullptr);
    ::SendMessageA(boxes[k], WM_MOVE, 0, MAKELPARAM(10 + 90 * k, 10));
    EXPECT_EQ(UpdatePending(boxes[k]), rows[k].invalidated);
    MessageLog log({boxes[k]});
    ::UpdateWindow(boxes[k]);
    EXPECT_FALSE(log.Saw(boxes[k], WM_ERASEBKGND));
  }
}

}  // namespace
