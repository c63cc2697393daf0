// Edits and combos under the real pointer and while scrolling: the veil
// repainted through a drag selection, the hover handed between families of
// one window, and no old picture left behind a scrolled text.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin/controls/buttons/buttons.h"
#include "skin/controls/edits/edits.h"
#include "skin/engine/child_families.h"
#include "tests/skin/edits/edit_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace edit_test;
using namespace control_test;

std::string Lines(int count) {
  std::string text;
  for (int k = 0; k < count; ++k) text += "第" + std::to_string(k) + "行 MMMMMMMM WWWW\r\n";
  return text;
}

using EditBehaviour = EditTest;

TEST_F(EditBehaviour, DragSelectionRepaintsTheVeilAtEachMove) {
  HWND window = MakeWindow(320, 220, 0, 40, 40);
  HWND edit = MakeEdit(window, Lines(4).c_str(), ES_MULTILINE, 20, 40, 240, 120);
  SkinAndShow(window);
  LogControl(edit, 1, true);
  testing_support::PumpFor(100);
  PointerTo(edit, 4, 6);
  LeftDown();
  ClearLog();
  for (int k = 1; k <= 5; ++k) {
    const int before = CountLogged(WM_ERASEBKGND, 1, kOuter);
    PointerTo(edit, 4 + 30 * k, 6 + 12 * (k % 3));
    EXPECT_GT(CountLogged(WM_ERASEBKGND, 1, kOuter), before) << "move " << k;
  }
  LeftUp();
  ClearLog();
  PointerTo(edit, 200, 80);
  PointerTo(edit, 210, 90);
  EXPECT_EQ(CountLogged(WM_ERASEBKGND, 1, kOuter), 0) << "moves without the button erase nothing";
  // The selection is real: the drag reached the platform.
  DWORD start = 0, end = 0;
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_GT(end, start);
  PointerAway();
}

// A push button and an edit both first in their lists: the hover moving
// between them redraws each, told apart by HoverKind alone.
TEST_F(EditBehaviour, HoverHandsOverBetweenButtonAndEditOfTheSameIndex) {
  HWND window = MakeWindow(360, 200, 0, 40, 40);
  HWND button = MakeControl(window, "BUTTON", "开始", BS_PUSHBUTTON, 20, 40, 100, 30, 1);
  HWND edit = MakeEdit(window, "", 0, 160, 40, 140, 24, 2);
  const int i = SkinAndShow(window);
  ASSERT_EQ(skin::FindButton(i, button), 1);
  ASSERT_EQ(skin::FindEdit(i, edit), 1);
  LogControl(button, 1, true);
  LogControl(edit, 2, true);
  testing_support::PumpFor(100);
  const COLORREF veiled = Over(Behind(i, edit, 0, 0), RGB(255, 255, 255), kVeil);
  const COLORREF hotEdge = Over(veiled, kAccentRgb, 180), restEdge = Over(veiled, RGB(0, 0, 0), 80);
  ClearLog();

  // (The leave of the control left behind may come after the next one's
  // first move and clears LastHoverChild: HoverChild tells the index.)
  PointerTo(button, 50, 15, 150);
  EXPECT_EQ(Record(i).HoverKind, skin::kHoverButton);
  EXPECT_EQ(Record(i).HoverChild, 1);
  const COLORREF buttonHot = WindowPixels(button).at(50, 0);
  PointerTo(edit, 70, 12, 150);
  EXPECT_EQ(Record(i).HoverKind, skin::kHoverEdit);
  EXPECT_EQ(Record(i).HoverChild, 1);
  EXPECT_EQ(Record(i).HotParent, window);
  EXPECT_TRUE(Near(WindowPixels(edit).at(0, 12), hotEdge, 3))
      << std::hex << WindowPixels(edit).at(0, 12);
  EXPECT_TRUE(Near(WindowPixels(edit).at(1, 12), hotEdge, 3)) << "two pixels wide";
  PointerTo(button, 50, 15, 150);
  EXPECT_EQ(Record(i).HoverKind, skin::kHoverButton);
  EXPECT_EQ(Record(i).HoverChild, 1);
  EXPECT_TRUE(Near(WindowPixels(edit).at(0, 12), restEdge, 3))
      << "the edit's leave drew it at rest";
  EXPECT_TRUE(Near(WindowPixels(button).at(50, 0), buttonHot, 3)) << "the button hot again";
  PointerAway(400);

  // Only the pointer's rows, in order; a leave may come just before or just
  // after the next control's first move (Wine checks the pointer on a timer).
  auto& log = Log();
  log.erase(std::remove_if(log.begin(), log.end(),
                           [](const Msg& m) {
                             return m.message != WM_MOUSEMOVE && m.message != WM_MOUSELEAVE;
                           }),
            log.end());
  ExpectSequence({{WM_MOUSEMOVE, kOuter, 1},
                  {WM_MOUSELEAVE, kOuter | kOptional, 1},
                  {WM_MOUSEMOVE, kOuter, 2},
                  {WM_MOUSELEAVE, kOuter | kOptional, 1},
                  {WM_MOUSELEAVE, kOuter | kOptional, 2},
                  {WM_MOUSEMOVE, kOuter, 1},
                  {WM_MOUSELEAVE, kOuter | kOptional, 2},
                  {WM_MOUSELEAVE, kOuter | kOptional, 1}},
                 "button, edit, button, away");
}

// Scrolling moves the pixels, picture and text together; once the scroll is
// done the edit shows what a full repaint shows, with no old text left.
TEST_F(EditBehaviour, ScrolledTranslucentEditLeavesNoOldText) {
  // Four colours meeting behind the edit: a moved picture shows.
  Engine().SetTheme(
      {},
      QuadrantPng(64, 48, RGB(200, 40, 40), RGB(40, 200, 40), RGB(40, 40, 200), RGB(200, 200, 40)),
      0x000000, kAccent, 3);
  HWND window = MakeWindow(320, 240, 0, 40, 40);
  HWND edit = MakeEdit(window, Lines(40).c_str(),
                       ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL, 20, 40, 240, 140);
  SkinAndShow(window);
  testing_support::PumpFor(100);
  RECT client;
  ::GetClientRect(edit, &client);
  struct Step {
    UINT message;
    WPARAM code;
    const char* name;
  } steps[] = {{WM_VSCROLL, SB_LINEDOWN, "line down"},
               {WM_VSCROLL, SB_PAGEDOWN, "page down"},
               {WM_VSCROLL, SB_LINEUP, "line up"},
               {WM_HSCROLL, SB_PAGERIGHT, "page right"},
               {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 9), "thumb"}};
  for (const Step& step : steps) {
    ::SendMessageA(edit, step.message, step.code, 0);
    ::UpdateWindow(edit);
    testing_support::PumpFor(30);
    const testing_support::Pixels scrolled = ControlPixels(edit);
    ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const testing_support::Pixels fresh = ControlPixels(edit);
    EXPECT_EQ(Differing(scrolled, fresh, client, 8), 0) << step.name;
  }
  // Keys, a typed line end and the wheel scroll the text without a scroll
  // message.
  ::SetFocus(edit);
  struct Input {
    UINT message;
    WPARAM wParam;
    const char* name;
  } inputs[] = {{WM_KEYDOWN, VK_NEXT, "page key"},
                {WM_KEYDOWN, VK_NEXT, "page key again"},
                {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), "wheel"},
                {WM_KEYDOWN, VK_END, "end key"},
                {WM_CHAR, '\r', "typed line end"}};
  for (const Input& input : inputs) {
    ::SendMessageA(edit, input.message, input.wParam, 0);
    ::UpdateWindow(edit);
    testing_support::PumpFor(30);
    const testing_support::Pixels scrolled = ControlPixels(edit);
    ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Differing(scrolled, ControlPixels(edit), client, 8), 0) << input.name;
  }
}

// A combo's inner edit, translucent, shows the veil too and keeps it when
// its text changes.
TEST_F(EditBehaviour, ComboEditShowsTheVeilAfterTyping) {
  HWND window = MakeWindow(320, 240, 0, 40, 40);
  HWND combo = MakeControl(window, "ComboBox", "", CBS_DROPDOWN, 20, 40, 200, 160);
  HWND inner = ::FindWindowExA(combo, nullptr, "Edit", nullptr);
  const int i = SkinAndShow(window);
  testing_support::PumpFor(100);
  ::SendMessageA(inner, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("一二三"));
  ::SendMessageA(inner, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("一"));
  ::UpdateWindow(inner);
  testing_support::PumpFor(50);
  const testing_support::Pixels p = ControlPixels(inner);
  RECT client;
  ::GetClientRect(inner, &client);
  const int x = client.right - 10, y = client.bottom / 2;
  EXPECT_TRUE(Near(p.at(x, y), Over(Behind(i, inner, x, y), RGB(255, 255, 255), kVeil), 3))
      << std::hex << p.at(x, y);
}

}  // namespace
