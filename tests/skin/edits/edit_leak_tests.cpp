// A thousand repaints and scrolls of a translucent edit and of a combo of
// each style: every GDI and GDI+ object and every captured surface goes back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/controls/edits/edits.h"
#include "skin/engine/registry.h"
#include "tests/skin/edits/edit_test_support.h"
#include "tests/skin/support/control_test_support.h"

namespace {

using namespace frame_test;
using namespace edit_test;
using control_test::MakeControl;

using EditLeaks = EditTest;

TEST_F(EditLeaks, AThousandRepaintsAndScrollsLeaveTheCountsFlat) {
  HWND window = MakeWindow(420, 300);
  std::string text;
  for (int k = 0; k < 30; ++k) text += "第" + std::to_string(k) + "行\r\n";
  HWND edit =
      MakeEdit(window, text.c_str(), ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 20, 40, 160, 100);
  HWND plain = MakeEdit(window, "abc", 0, 20, 160, 160, 24);
  HWND combos[] = {MakeControl(window, "ComboBox", "", CBS_SIMPLE, 200, 40, 180, 100),
                   MakeControl(window, "ComboBox", "", CBS_DROPDOWN, 200, 160, 180, 150),
                   MakeControl(window, "ComboBox", "", CBS_DROPDOWNLIST, 200, 200, 180, 150)};
  for (HWND c : combos) {
    ::SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("甲"));
    ::SendMessageA(c, CB_SETCURSEL, 0, 0);
  }
  const int i = SkinAndShow(window);
  HDC dc = ::GetDC(window);
  HWND inner = ::FindWindowExA(combos[1], nullptr, "Edit", nullptr);

  auto round = [&](int n) {
    ::SendMessageA(edit, WM_VSCROLL, n % 2 ? SB_LINEDOWN : SB_LINEUP, 0);
    ::SendMessageA(edit, WM_HSCROLL, n % 2 ? SB_LINERIGHT : SB_LINELEFT, 0);
    ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    ::RedrawWindow(plain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    skin::PaintEditFrame(edit, n % 2 == 0, n % 3 == 0);
    for (int k = 1; k <= 3; ++k) skin::PaintComboBox(i, k, n % 2 == 0, n % 3 == 0);
    ::RedrawWindow(combos[n % 3], nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::SendMessageA(combos[1], WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(inner));
    ::SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(plain));
  };

  ExpectCountsStayFlat(1000, round);
  ::ReleaseDC(window, dc);
}

}  // namespace
