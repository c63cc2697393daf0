#include "tests/skin/edits/edit_test_support.h"

#include "skin/engine/module_state.h"
#include "tests/skin/support/control_test_support.h"

namespace edit_test {

using namespace frame_test;

void EditTest::SetUp() {
  FrameTest::SetUp();
  Engine().SetOptions(true, kVeil);
  Engine().SetTheme({}, SolidPng(64, 48, kGround), 0x000000, kAccent, 3);
  control_test::PointerAway(0);
  control_test::ClearLog();
}

void EditTest::TearDown() {
  FrameTest::TearDown();
  control_test::ClearLog();
}

HWND MakeEdit(HWND parent, const char* text, DWORD style, int x, int y, int width, int height,
              int id) {
  return ::CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", text, WS_CHILD | WS_VISIBLE | style, x, y,
                           width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleA(nullptr), nullptr);
}

COLORREF Over(COLORREF under, COLORREF top, int alpha) {
  auto mix = [alpha](int u, int t) { return (u * (255 - alpha) + t * alpha + 127) / 255; };
  return RGB(mix(GetRValue(under), GetRValue(top)), mix(GetGValue(under), GetGValue(top)),
             mix(GetBValue(under), GetBValue(top)));
}

COLORREF Behind(int i, HWND control, int x, int y) {
  RECT r;
  ::GetWindowRect(control, &r);
  POINT p{r.left + x, r.top + y};
  ::ScreenToClient(Record(i).Hwnd, &p);
  return FramePixels(i).at(p.x, p.y);
}

int Differing(const testing_support::Pixels& a, const testing_support::Pixels& b, const RECT& r,
              int tolerance) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (testing_support::ColourDistance(a.at(x, y), b.at(x, y)) > tolerance) ++count;
  return count;
}

}  // namespace edit_test
