#include "tests/skin/lists/list_test_support.h"

#include <algorithm>
#include <cstdio>

#include "skin/controls/lists/lists.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"

namespace list_test {

using frame_test::Engine;

COLORREF Over(COLORREF ground, COLORREF ink, int alpha) {
  auto mix = [alpha](int g, int i) { return (g * (255 - alpha) + i * alpha + 127) / 255; };
  return RGB(mix(GetRValue(ground), GetRValue(ink)), mix(GetGValue(ground), GetGValue(ink)),
             mix(GetBValue(ground), GetBValue(ink)));
}

void ListTest::SetUp() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                             ICC_INTERNET_CLASSES | ICC_LISTVIEW_CLASSES};
  ASSERT_TRUE(::InitCommonControlsEx(&init));
  skin::SetModuleDefaults();
}

void ListTest::TearDown() {
  frame_test::DestroyTestWindows();
  Engine().SetTheme({}, {}, 0x808080);
  Engine().SetOptions(true);
}

void ListTest::MakeSkinned(bool shown) {
  Engine().SetOptions(true, translucency_);
  Engine().SetTheme({}, picture_.empty() ? frame_test::SolidPng(64, 48, kGrey) : picture_, 0x000000,
                    kAccent, 3);
  window = frame_test::MakeWindow(460, 340);
  skin::SkinWindowOptions o;
  o.showCaption = false;
  i = shown ? frame_test::SkinAndShow(window, o) : frame_test::Skin(window, o);
  ASSERT_GE(i, 1);
}

HWND ListTest::Child(const char* cls, DWORD style, int x, int y, int w, int h, DWORD exStyle) {
  return ::CreateWindowExA(exStyle, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                           nullptr, nullptr, nullptr);
}

void ListTest::SkinLists() {
  skin::SkinListControls(i, window);
  skin::SkinHeaders(i, window);
  testing_support::PumpFor(30);
}

skin::ListRecord* ListTest::List(HWND c) {
  return skin::RecordOf<&skin::SkinnedWindow::ListControls>(c);
}
skin::HeaderRecord* ListTest::Header(HWND h) {
  return skin::RecordOf<&skin::SkinnedWindow::Headers>(h);
}
int ListTest::ListIndex(HWND control) { return skin::FindListControl(i, control); }
int ListTest::HeaderIndex(HWND header) { return skin::FindHeader(i, header); }

Pixels ClientPixels(HWND control) { return testing_support::CaptureClient(control); }

void RepaintNow(HWND control) {
  ::RedrawWindow(control, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  testing_support::PumpFor(20);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return testing_support::ColourDistance(a, b) <= tolerance;
}

std::string Rgb(COLORREF c) {
  return "(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
         std::to_string(GetBValue(c)) + ")";
}

namespace {
template <typename Each>
void ForEachIn(const Pixels& p, const RECT& area, Each each) {
  for (int y = std::max(0L, area.top); y < std::min<long>(p.height(), area.bottom); ++y)
    for (int x = std::max(0L, area.left); x < std::min<long>(p.width(), area.right); ++x)
      each(x, y);
}
}  // namespace

int DarkPixels(const Pixels& p, const RECT& area) {
  int dark = 0;
  ForEachIn(p, area, [&](int x, int y) {
    const COLORREF c = p.at(x, y);
    dark += GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90;
  });
  return dark;
}

int Differing(const Pixels& a, const Pixels& b, const RECT& area) {
  if (a.width() != b.width() || a.height() != b.height()) return -1;
  int n = 0;
  ForEachIn(a, area, [&](int x, int y) {
    n += testing_support::ColourDistance(a.at(x, y), b.at(x, y)) > 3;
  });
  return n;
}

void FillListBox(HWND list, int rows) {
  for (int k = 1; k <= rows; ++k) {
    char text[32];
    std::snprintf(text, sizeof text, "第%d行 row %d", k, k);
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

void AddColumns(HWND view, std::vector<int> widths) {
  for (size_t c = 0; c < widths.size(); ++c) {
    char title[16];
    std::snprintf(title, sizeof title, "列%d", static_cast<int>(c) + 1);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = widths[c];
    column.pszText = title;
    ::SendMessageA(view, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
  }
}

void FillListView(HWND view, int rows, int columns) {
  for (int k = 0; k < rows; ++k) {
    char text[32];
    std::snprintf(text, sizeof text, "项%d item", k + 1);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = k;
    item.pszText = text;
    item.iImage = k % 2;
    ::SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int c = 1; c < columns; ++c) {
      std::snprintf(text, sizeof text, "%d-%d", k + 1, c + 1);
      LVITEMA sub{};
      sub.iSubItem = c;
      sub.pszText = text;
      ::SendMessageA(view, LVM_SETITEMTEXTA, k, reinterpret_cast<LPARAM>(&sub));
    }
  }
}

}  // namespace list_test
