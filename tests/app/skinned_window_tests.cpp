// The finished roll-call window as the program skins it: which controls the
// engine took over, what draws cost, and what the display shows at rest,
// with Start hovered and pressed, during a draw (and a draw started inside
// it), and with a long name.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <string>

#include "app/draw_loop.h"
#include "app/globals.h"
#include "app/main_window.h"
#include "app/transparent_label.h"
#include "graphics/status.h"
#include "platform/handles.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "tests/app/temp_class_folder.h"
#include "tests/support/display_capture.h"
#include "tests/support/screen.h"

namespace {

using testing_support::CaptureShown;
using testing_support::Pixels;

constexpr COLORREF kBackground = RGB(40, 120, 200);
constexpr COLORREF kPhotos[] = {RGB(30, 200, 60), RGB(230, 140, 20), RGB(200, 40, 160)};
// In window coordinates.
constexpr RECT kStart = {64, 344, 240, 384};
constexpr RECT kStop = {272, 344, 448, 384};
constexpr char kTenCharacters[] = "阿卜杜热合曼·买买提";

// Watches draws from outside the draw loop: the names shown (the label's
// WM_SETTEXT), asking the draw to stop after `limit` of them, and how many
// Start clicks are being handled at once (2: a draw inside a draw). One
// watch at a time.
class DrawWatch {
 public:
  explicit DrawWatch(HWND window, HWND label) {
    self_ = this;
    window_ = window;
    label_ = label;
    const DWORD thread = ::GetCurrentThreadId();
    before_ = ::SetWindowsHookExA(WH_CALLWNDPROC, Before, nullptr, thread);
    after_ = ::SetWindowsHookExA(WH_CALLWNDPROCRET, After, nullptr, thread);
  }
  ~DrawWatch() {
    ::UnhookWindowsHookEx(before_);
    ::UnhookWindowsHookEx(after_);
    self_ = nullptr;
  }
  void StopAfter(long names) { limit_ = names; }
  long names() const { return names_; }
  int depth() const { return depth_; }
  int deepest() const { return deepest_; }

 private:
  static bool IsStartClick(const CWPSTRUCT& m) {
    return m.hwnd == self_->window_ && m.message == WM_COMMAND &&
           LOWORD(m.wParam) == app::kStartButtonId && HIWORD(m.wParam) == BN_CLICKED;
  }
  static LRESULT CALLBACK Before(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && self_) {
      const auto& m = *reinterpret_cast<const CWPSTRUCT*>(lParam);
      if (m.hwnd == self_->label_ && m.message == WM_SETTEXT && ++self_->names_ == self_->limit_)
        app::OnStopClick();
      if (IsStartClick(m)) self_->deepest_ = std::max(self_->deepest_, ++self_->depth_);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static LRESULT CALLBACK After(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && self_) {
      const auto& r = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
      if (IsStartClick(CWPSTRUCT{r.lParam, r.wParam, r.message, r.hwnd})) --self_->depth_;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline DrawWatch* self_ = nullptr;
  HWND window_, label_;
  HHOOK before_ = nullptr, after_ = nullptr;
  long names_ = 0, limit_ = -1;
  int depth_ = 0, deepest_ = 0;
};

// Runs `action` once, `ms` from now, from whatever loop is handling
// messages then: during a draw, from the draw's own waits.
std::map<UINT_PTR, std::function<void()>> g_later;
void CALLBACK RunLater(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  auto it = g_later.find(id);
  if (it == g_later.end()) return;
  const std::function<void()> action = std::move(it->second);
  g_later.erase(it);
  action();
}
void Later(unsigned ms, std::function<void()> action) {
  g_later[::SetTimer(nullptr, 0, ms, RunLater)] = std::move(action);
}

// Pixels of `area` where two shots differ by more than `tolerance`, leaving
// out those `skip` names; their bounding box in `where`.
int CountChanged(const Pixels& a, const Pixels& b, const RECT& area, int tolerance,
                 const std::function<bool(int, int)>& skip, RECT* where = nullptr) {
  int count = 0;
  RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      if (skip && skip(x, y)) continue;
      if (testing_support::ColourDistance(a.at(x, y), b.at(x, y)) <= tolerance) continue;
      ++count;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
             std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    }
  if (where) *where = box;
  return count;
}

std::string Describe(const RECT& r) {
  return "from " + std::to_string(r.left) + "," + std::to_string(r.top) + " to " +
         std::to_string(r.right) + "," + std::to_string(r.bottom);
}

class SkinnedRollCall : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::SetModuleDefaults();
    folder.WriteFile("ming.txt", std::string("张三\r\n李四\r\n王小明\r\n"));
    folder.WriteFile("img\\背景.jpg", testing_support::SolidJpeg(512, 394, kBackground));
    for (int k = 0; k < 3; ++k)
      folder.WriteFile("img\\" + std::to_string(k + 1) + ".jpg",
                       testing_support::SolidJpeg(60, 40, kPhotos[k]));
    ::SetCursorPos(5, 5);  // away from the window
    app::SkinEngine = std::make_unique<skin::SkinEngine>();
    window = app::CreateMainWindow();
    ASSERT_NE(window, nullptr);
    c = app::MainWindow();
    i = skin::FindSkinnedWindow(window);
    ASSERT_GE(i, 1);
    testing_support::PumpFor(200);
  }
  void TearDown() override {
    ::SetCursorPos(5, 5);
    if (::IsWindow(window)) ::DestroyWindow(window);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    app::SkinEngine.reset();  // the other tests' windows stay unskinned
    skin::InitSkinModule();
  }
  // Draw settings, as pz.ini gives them.
  static void Settings(int phase1, int phase2, int intervalMs, int total) {
    app::Phase1Count = phase1;
    app::Phase2Count = phase2;
    app::Phase1IntervalMs = app::Phase2IntervalMs = intervalMs;
    app::TotalCount = total;
    app::StopFlag = app::kNoDrawEnded;
  }
  POINT OnScreen(int x, int y) const {
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    return p;
  }
  // Pixels that changed against `reference` outside what may change with
  // the name (the label as it is now, with a margin for its text) and, when
  // `photoToo`, with the photo (where the photo box's shape shows).
  int StaleOutside(const Pixels& shot, const Pixels& reference, bool photoToo, RECT* where) const {
    RECT label;
    ::GetWindowRect(c.label, &label);
    ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&label), 2);
    ::InflateRect(&label, 2, 2);
    POINT origin{0, 0};
    ::MapWindowPoints(c.pictureBox, window, &origin, 1);
    platform::UniqueRegion photo(::CreateRectRgn(0, 0, 0, 0));
    ::GetWindowRgn(c.pictureBox, photo.get());
    ::OffsetRgn(photo.get(), origin.x, origin.y);
    return CountChanged(
        shot, reference, RECT{0, 0, shot.width(), shot.height()}, 24,
        [&](int x, int y) {
          const POINT p{x, y};
          return ::PtInRect(&label, p) || (photoToo && ::PtInRegion(photo.get(), x, y));
        },
        where);
  }

  TempClassFolder folder{"skinned_window"};
  HWND window = nullptr;
  app::MainWindowControls c;
  int i = 0;
};

TEST_F(SkinnedRollCall, TheEngineTakesTheButtonsAndGroupBoxAndLeavesLabelAndPhotoTheirOwn) {
  for (HWND b : {c.startButton, c.stopButton}) {
    EXPECT_GE(skin::FindButton(i, b), 1);
    EXPECT_EQ(::GetWindowLongA(b, GWL_STYLE) & 0xF, BS_OWNERDRAW);
  }
  const skin::ContainerRecord* box = skin::RecordOf<&skin::SkinnedWindow::Containers>(c.groupBox);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->paintSelf, 1);
  EXPECT_EQ(box->isGroupBox, 1);
  EXPECT_EQ(box->tintColour, static_cast<skin::Colour>(::GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(box->tintAlpha, 0);
  EXPECT_EQ(box->drawBorder, 0);
  EXPECT_FALSE(::GetWindowLongA(c.groupBox, GWL_EXSTYLE) & WS_EX_TRANSPARENT);

  // Neither label nor photo box is of a class the engine takes.
  for (HWND own : {c.label, c.pictureBox}) EXPECT_EQ(::GetPropA(own, skin::prop::Hw_FuID), nullptr);
  EXPECT_NE(::GetPropA(c.pictureBox, "RollCallPictureProc"), nullptr);  // its own hook stays
  EXPECT_TRUE(::GetWindowLongA(c.label, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  ::SetWindowTextA(c.label, "李四");
  app::SetLabelTextColour(c.label, RGB(200, 0, 0));
  char text[32] = {};
  ::GetWindowTextA(c.label, text, sizeof text);
  EXPECT_STREQ(text, "李四");
  EXPECT_EQ(app::GetLabelTextColour(c.label), RGB(200, 0, 0));
}

// Every step shows a name, a colour and a photo; each pass of 50 steps ends
// with the repaints it asked for (200 of them).
TEST_F(SkinnedRollCall, TenThousandDrawStepsWithRepaintsLeaveTheObjectCountsFlat) {
  Settings(25, 25, 0, 1);  // 0 ms waits; a pass repeats until Stop
  {
    DrawWatch first(window, c.label);  // every object a draw keeps exists from here on
    first.StopAfter(200);
    ::SendMessageA(c.startButton, BM_CLICK, 0, 0);
    testing_support::PumpFor(100);
    ASSERT_GE(first.names(), 200);
  }
  const long gdi = platform::LiveGdiObjects();
  const long native = graphics::LiveNativeObjects();

  Settings(25, 25, 0, 1);
  DrawWatch watch(window, c.label);
  watch.StopAfter(10000);
  const DWORD start = ::GetTickCount();
  ::SendMessageA(c.startButton, BM_CLICK, 0, 0);
  testing_support::PumpFor(100);
  std::printf("10000 draw steps took %lu ms\n", ::GetTickCount() - start);
  EXPECT_GE(watch.names(), 10000);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);
  EXPECT_EQ(platform::LiveGdiObjects(), gdi);
  EXPECT_EQ(graphics::LiveNativeObjects(), native);
  EXPECT_TRUE(skin::Surfaces().empty());
}

TEST_F(SkinnedRollCall, AtRestHoveredAndPressedTheStartButtonShowsItsLooks) {
  Settings(1, 1, 30, 100);  // the click at the end runs one short draw
  const Pixels rest = CaptureShown(window, "skinned_window_at_rest.png");
  ASSERT_FALSE(rest.empty()) << "no picture from the display";
  const int mid = static_cast<int>(kStart.left + kStart.right) / 2;
  const POINT face{kStart.left + 30, kStart.top + 12};   // beside the caption, upper half
  const POINT low{kStart.left + 30, kStart.bottom - 7};  // beside the caption, lower half

  // Translucent white over the picture: lighter than the picture beside it,
  // still blue; a dark outline; the same look on both buttons.
  const COLORREF beside = rest.at(kStart.left - 10, kStart.top + 20);
  EXPECT_GT(GetRValue(rest.at(face.x, face.y)), GetRValue(beside) + 50);
  EXPECT_GT(GetBValue(rest.at(face.x, face.y)), GetRValue(rest.at(face.x, face.y)) + 20);
  EXPECT_LT(GetGValue(rest.at(mid, kStart.top)), GetGValue(rest.at(mid, kStart.top + 2)) - 40);
  EXPECT_EQ(rest.at(face.x, face.y), rest.at(kStop.left + 30, kStop.top + 12));
  // The group box's frame along its bottom (window rows 335 and 334): black
  // under white; and the label's black name.
  const COLORREF inside = rest.at(256, 332);
  EXPECT_LT(GetGValue(rest.at(256, 335)), GetGValue(inside) - 10);
  EXPECT_GT(GetRValue(rest.at(256, 334)), GetRValue(inside) + 40);
  int ink = 0;
  for (int y = 281; y < 329; ++y)
    for (int x = 144; x < 360; ++x)
      ink += testing_support::ColourDistance(rest.at(x, y), RGB(0, 0, 0)) < 40;
  EXPECT_GT(ink, 100) << "the label's name is missing";
  EXPECT_GT(testing_support::ColourDistance(rest.at(252, 146), kBackground), 40)
      << "the photo box shows no picture";

  // Hovered, by real pointer movement: a white (accent) outline.
  const POINT toward = OnScreen(mid - 40, kStart.top + 20), centre = OnScreen(mid, kStart.top + 20);
  ::SetCursorPos(toward.x, toward.y);
  testing_support::PumpFor(100);
  ::SetCursorPos(centre.x, centre.y);
  testing_support::PumpFor(300);
  const Pixels hovered = CaptureShown(window, "skinned_window_start_hovered.png");
  ASSERT_FALSE(hovered.empty());
  for (int x : {mid, mid - 60, mid + 60})
    EXPECT_GE(GetBValue(hovered.at(x, kStart.top)) + GetRValue(hovered.at(x, kStart.top)), 490)
        << "outline at x " << x;
  EXPECT_EQ(hovered.at(kStop.left + 88, kStop.top), rest.at(kStop.left + 88, kStop.top));

  // Pressed: the sunken overlay lightens the lower half.
  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  ::SendInput(1, &press, sizeof press);
  const Pixels pressed = CaptureShown(window, "skinned_window_start_pressed.png");
  press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &press, sizeof press);
  testing_support::PumpFor(300);  // the click's short draw
  ASSERT_FALSE(pressed.empty());
  EXPECT_GT(GetRValue(pressed.at(low.x, low.y)), GetRValue(rest.at(low.x, low.y)) + 25);
  EXPECT_GT(GetRValue(pressed.at(low.x, low.y)), GetRValue(hovered.at(low.x, low.y)) + 25);
  EXPECT_EQ(app::StopFlag, app::kDrawEnded);  // the click ran a draw

  ::SetCursorPos(5, 5);
  ::SetFocus(window);  // the press gave Start the focus, which has a look of its own
  testing_support::PumpFor(300);
  const Pixels left = CaptureShown(window, "skinned_window_after_press.png");
  ASSERT_FALSE(left.empty());
  RECT where{};
  EXPECT_EQ(CountChanged(left, rest, kStart, 24, nullptr, &where), 0)
      << "Start does not look as at rest " << Describe(where);
}

// Names and photos change many times a second; nothing else on the window
// may change, not even while Start is pressed again inside the draw.
TEST_F(SkinnedRollCall, DrawsRepaintNameAndPhotoOnlyAndADrawInsideADrawToo) {
  ::SetFocus(c.startButton);  // as a click leaves it
  const Pixels rest = CaptureShown(window, "skinned_window_before_draw.png");
  ASSERT_FALSE(rest.empty()) << "no picture from the display";
  Settings(30, 30, 25, 1000);  // 1.5 s a draw, no repeat
  DrawWatch watch(window, c.label);
  Pixels during, nested;
  int depthDuring = 0, depthNested = 0;
  Later(400, [&] {
    depthDuring = watch.depth();
    during = CaptureShown(window, "skinned_window_mid_draw.png");
    ::PostMessageA(c.startButton, BM_CLICK, 0, 0);  // Start again, inside the draw
    Later(500, [&] {
      depthNested = watch.depth();
      nested = CaptureShown(window, "skinned_window_nested_draw.png");
    });
  });
  ::SendMessageA(c.startButton, BM_CLICK, 0, 0);  // returns when the draws are over
  testing_support::PumpFor(200);
  const Pixels after = CaptureShown(window, "skinned_window_after_draw.png");

  EXPECT_EQ(depthDuring, 1);
  EXPECT_EQ(depthNested, 2);
  EXPECT_EQ(watch.deepest(), 2);
  ASSERT_FALSE(during.empty());
  ASSERT_FALSE(nested.empty());
  ASSERT_FALSE(after.empty());
  // A name in a shade of red, a photo of a member.
  char text[32] = {};
  ::GetWindowTextA(c.label, text, sizeof text);
  EXPECT_NE(std::string(text), "青禾");
  const COLORREF photo = during.at(252, 146);
  EXPECT_TRUE(
      std::any_of(std::begin(kPhotos), std::end(kPhotos),
                  [&](COLORREF k) { return testing_support::ColourDistance(photo, k) < 30; }))
      << "photo box shows " << int(GetRValue(photo)) << "," << int(GetGValue(photo)) << ","
      << int(GetBValue(photo));
  // The name is drawn: strokes with neither green nor blue in them, none of
  // the blue picture behind.
  for (const Pixels* shot : std::initializer_list<const Pixels*>{&during, &nested}) {
    int strokes = 0;
    for (int y = 281; y < 329; ++y)
      for (int x = 144; x < 360; ++x)
        strokes += GetGValue(shot->at(x, y)) < 40 && GetBValue(shot->at(x, y)) < 40;
    EXPECT_GT(strokes, 100) << (shot == &during ? "mid-draw" : "nested draw") << ": no name shown";
  }
  for (const Pixels* shot : std::initializer_list<const Pixels*>{&during, &nested, &after}) {
    RECT where{};
    EXPECT_EQ(StaleOutside(*shot, rest, true, &where), 0) << (shot == &during   ? "mid-draw"
                                                              : shot == &nested ? "nested draw"
                                                                                : "after the draws")
                                                          << ": changed " << Describe(where);
  }
}

TEST_F(SkinnedRollCall, ATenCharacterNameIsShownWithoutTouchingButtonsOrFrame) {
  const Pixels rest = CaptureShown(window, "skinned_window_short_name.png");
  ASSERT_FALSE(rest.empty()) << "no picture from the display";
  ::SetWindowTextA(c.label, kTenCharacters);
  const Pixels shot = CaptureShown(window, "skinned_window_ten_characters.png");
  ASSERT_FALSE(shot.empty());
  // Beyond the label's own box on both sides, inside the window.
  EXPECT_GT(CountChanged(shot, rest, RECT{0, 281, 134, 329}, 60, nullptr), 50);
  EXPECT_GT(CountChanged(shot, rest, RECT{370, 281, 512, 329}, 60, nullptr), 50);
  RECT where{};
  EXPECT_EQ(StaleOutside(shot, rest, false, &where), 0) << Describe(where);
  EXPECT_GT(testing_support::ColourDistance(shot.at(252, 146), kBackground), 40)
      << "the photo box lost its picture";
  EXPECT_EQ(CountChanged(shot, rest, RECT{0, 330, 512, 394}, 0, nullptr, &where), 0)
      << "buttons or frame changed " << Describe(where);
}

}  // namespace
