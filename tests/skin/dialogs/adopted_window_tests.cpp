// A window the engine did not make, skinned: a dialog from a template and a
// program's own captioned window give up the platform's caption and border
// for the engine's strips, keep their client area and its painting, and
// work by keys and pointer as before.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/engine/registry.h"
#include "skin/frame/frame_space.h"
#include "tests/skin/dialogs/dialog_test_support.h"
#include "tests/skin/support/frame_test_support.h"
#include "tests/support/display_capture.h"

namespace {

using dialog_test::Item;
using frame_test::Engine;
using frame_test::Record;
using testing_support::Pixels;

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_MINIMIZEBOX | DS_SETFONT;
constexpr COLORREF kPaintRed = RGB(230, 20, 20);
constexpr COLORREF kClassGreen = RGB(0, 200, 0);
constexpr int kCaption = 25, kMargin = 3;

std::vector<Item> FormItems() {
  return {{"STATIC", "姓名:", SS_LEFT, 4, 4, 40, 10, 100},
          {"EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 46, 2, 100, 14, 101},
          {"BUTTON", "提醒", BS_AUTOCHECKBOX | WS_TABSTOP, 4, 22, 80, 12, 102},
          {"BUTTON", "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 60, 50, 16, IDOK},
          {"BUTTON", "取消", BS_PUSHBUTTON | WS_TABSTOP, 96, 60, 50, 16, IDCANCEL}};
}

struct Answer {
  int endedWith = 0;
  std::string typed;
  int menuLoops = 0;
};
Answer g_answer;
std::vector<WORD> g_endingKeys;

INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_ENTERMENULOOP: ++g_answer.menuLoops; return FALSE;
    case WM_ENTERIDLE:
      // The system menu is up and waits: it is closed as Esc would.
      if (wParam == MSGF_MENU) ::EndMenu();
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        char text[64] = "";
        ::GetDlgItemTextA(dialog, 101, text, sizeof text);
        g_answer.typed = text;
        g_answer.endedWith = LOWORD(wParam);
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

class AdoptedWindow : public frame_test::FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    Engine().SetOptions(true, 150);
    Engine().SetTheme({}, {}, 0x705030);
    form_ = dialog_test::Template(kDialogStyle, "登记", 160, 84, FormItems());
    g_answer = Answer{};
  }
  void TearDown() override {
    Engine().StopSkinningThreadDialogs();
    if (dialog_ && ::IsWindow(dialog_)) ::DestroyWindow(dialog_);
    frame_test::DrainMessages();
    FrameTest::TearDown();
  }
  HWND MakeModeless() {
    dialog_ = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEA>(form_.data()), nullptr,
                                           FormProc, 0);
    return dialog_;
  }
  std::vector<WORD> form_;
  HWND dialog_ = nullptr;
};

struct Placed {
  HWND control;
  RECT inClient;
};

std::vector<Placed> ChildPlaces(HWND window) {
  std::vector<Placed> places;
  for (HWND c = ::GetWindow(window, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    RECT r;
    ::GetWindowRect(c, &r);
    ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    places.push_back(Placed{c, r});
  }
  return places;
}

// Every child lies below the caption strip and inside the window region.
void ExpectChildrenInsideTheFrame(HWND window, int captionHeight) {
  RECT bounds;
  ::GetWindowRect(window, &bounds);
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(window, region), ERROR) << "no window region";
  for (HWND c : dialog_test::VisibleDescendants(window)) {
    if (::GetParent(c) != window) continue;
    RECT r;
    ::GetWindowRect(c, &r);
    ::OffsetRect(&r, -bounds.left, -bounds.top);
    EXPECT_GE(r.top, captionHeight) << dialog_test::Describe({c}) << " lies under the strip";
    for (POINT p : {POINT{r.left, r.top}, POINT{r.right - 1, r.top}, POINT{r.left, r.bottom - 1},
                    POINT{r.right - 1, r.bottom - 1}})
      EXPECT_TRUE(::PtInRegion(region, p.x, p.y))
          << dialog_test::Describe({c}) << " corner (" << p.x << ", " << p.y << ") is cut off";
  }
  ::DeleteObject(region);
}

TEST_F(AdoptedWindow, GivesUpThePlatformFrameAndKeepsItsClientArea) {
  HWND dialog = MakeModeless();
  ASSERT_TRUE(dialog);
  RECT clientBefore, windowBefore;
  ::GetClientRect(dialog, &clientBefore);
  ::GetWindowRect(dialog, &windowBefore);
  const std::vector<Placed> before = ChildPlaces(dialog);
  ASSERT_TRUE(Engine().SkinWindow(dialog));
  const int i = skin::FindSkinnedWindow(dialog);
  Engine().RenderFrame(i);

  const LONG style = ::GetWindowLongA(dialog, GWL_STYLE);
  const LONG exStyle = ::GetWindowLongA(dialog, GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME), 0);
  EXPECT_EQ(exStyle & (WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE), 0);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  ASSERT_TRUE(Record(i).Adopted.on);
  ASSERT_EQ(Record(i).CaptionButtons.count(), 2);
  EXPECT_EQ(Record(i).CaptionButtons.at(1).Kind, skin::kMinButton);
  EXPECT_EQ(Record(i).CaptionButtons.at(2).Kind, skin::kCloseButton);
  EXPECT_FALSE(Record(i).Resizable) << "a dialog frame does not resize";

  // The client area keeps its size and its children their places in it;
  // the window grows by the strips and keeps its top-left corner.
  RECT client, bounds;
  ::GetClientRect(dialog, &client);
  ::GetWindowRect(dialog, &bounds);
  EXPECT_EQ(client.right, clientBefore.right);
  EXPECT_EQ(client.bottom, clientBefore.bottom);
  EXPECT_EQ(bounds.left, windowBefore.left);
  EXPECT_EQ(bounds.top, windowBefore.top);
  EXPECT_EQ(bounds.right - bounds.left, client.right + 2 * kMargin);
  EXPECT_EQ(bounds.bottom - bounds.top, client.bottom + kCaption + kMargin);
  const POINT origin = skin::ClientOriginInFrame(Record(i));
  EXPECT_EQ(origin.x, kMargin);
  EXPECT_EQ(origin.y, kCaption);
  const SIZE frame = skin::FrameSize(Record(i));
  EXPECT_EQ(frame.cx, bounds.right - bounds.left);
  EXPECT_EQ(frame.cy, bounds.bottom - bounds.top);
  const std::vector<Placed> after = ChildPlaces(dialog);
  ASSERT_EQ(after.size(), before.size());
  for (size_t k = 0; k < after.size(); ++k)
    EXPECT_TRUE(::EqualRect(&after[k].inClient, &before[k].inClient))
        << dialog_test::Describe({after[k].control}) << " moved in the client area";
  ExpectChildrenInsideTheFrame(dialog, kCaption);

  // The caption buttons lie on the strip, at the right of the whole window.
  RECT strip;
  ASSERT_TRUE(Engine().GetCaptionButtonsRect(dialog, strip));
  EXPECT_EQ(strip.right, bounds.right - bounds.left + 1);
  EXPECT_LE(strip.bottom, kCaption);
}

TEST_F(AdoptedWindow, AStatusStripLiesBelowTheClientArea) {
  HWND dialog = MakeModeless();
  RECT clientBefore;
  ::GetClientRect(dialog, &clientBefore);
  skin::SkinWindowOptions o;
  o.captionHeight = 32;
  o.statusHeight = 20;
  ASSERT_TRUE(Engine().SkinWindow(dialog, o));
  const int i = skin::FindSkinnedWindow(dialog);
  RECT client, bounds;
  ::GetClientRect(dialog, &client);
  ::GetWindowRect(dialog, &bounds);
  EXPECT_EQ(client.bottom, clientBefore.bottom);
  const POINT origin = skin::ClientOriginInFrame(Record(i));
  EXPECT_EQ(origin.y, 32);
  const skin::IntRect& status = Record(i).StatusRect;
  EXPECT_EQ(status.height, 20);
  EXPECT_GE(status.y, origin.y + client.bottom) << "the status strip covers the client area";
  EXPECT_EQ(status.y + status.height + 1 + kMargin, bounds.bottom - bounds.top);
}

// A window of its own class with a platform caption, a green class brush
// and its own painting: red over the left half of its client area.
struct OwnPainting {
  int paints = 0;
  int erasesSeen = 0;
  int sizing = 0;  // the last SC_SIZE command
};
OwnPainting g_own;

LRESULT CALLBACK OwnPaintingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Sizing is seen, not run: the platform's sizing loop under Wine takes
  // no queued pointer input.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_SIZE) {
    g_own.sizing = static_cast<int>(wParam);
    return 0;
  }
  switch (message) {
    case WM_ERASEBKGND: ++g_own.erasesSeen; break;
    case WM_PAINT: {
      ++g_own.paints;
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(window, &ps);
      RECT client;
      ::GetClientRect(window, &client);
      client.right /= 2;
      HBRUSH red = ::CreateSolidBrush(kPaintRed);
      ::FillRect(dc, &client, red);
      ::DeleteObject(red);
      ::EndPaint(window, &ps);
      return 0;
    }
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeCaptionedWindow(DWORD style) {
  static ATOM atom = 0;
  if (!atom) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnPaintingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = ::CreateSolidBrush(kClassGreen);
    wc.lpszClassName = "AdoptedOwnPainting";
    atom = ::RegisterClassA(&wc);
  }
  return ::CreateWindowExA(0, "AdoptedOwnPainting", "自己的窗口", style, 80, 80, 300, 200, nullptr,
                           nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

TEST_F(AdoptedWindow, ItsOwnPaintingRunsOncePerPaintOverTheBackgroundUnderTheStrip) {
  HWND window = MakeCaptionedWindow(WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(window);
  ASSERT_TRUE(Engine().SkinWindow(window));
  const int i = skin::FindSkinnedWindow(window);
  EXPECT_TRUE(Record(i).Resizable) << "a thick frame resizes";
  ::SetCursorPos(0, 0);  // no caption button lit
  ::ShowWindow(window, SW_SHOWNOACTIVATE);
  ::UpdateWindow(window);
  testing_support::PumpFor(100);

  for (bool newFrame : {false, true}) {
    g_own = OwnPainting{};
    if (newFrame) Record(i).Dirty = true;
    ::InvalidateRect(window, nullptr, TRUE);
    ::UpdateWindow(window);
    EXPECT_EQ(g_own.paints, 1) << (newFrame ? "with a new frame" : "with the kept frame");
    EXPECT_EQ(g_own.erasesSeen, 0) << "the engine erases with the frame's background";
  }

  const Pixels shown = testing_support::CaptureShown(window, "adopted_own_painting.png");
  ASSERT_FALSE(shown.empty());
  const Pixels frame = frame_test::FramePixels(i);
  RECT client;
  ::GetClientRect(window, &client);
  const POINT at = skin::ClientOriginInFrame(Record(i));
  // Left half: the window's own red. Right half: the frame's background,
  // never the class's green. The strip above: the engine's, pixel for pixel.
  EXPECT_TRUE(
      frame_test::Near(shown.at(at.x + client.right / 4, at.y + client.bottom / 2), kPaintRed, 2));
  const COLORREF right = shown.at(at.x + client.right * 3 / 4, at.y + client.bottom / 2);
  EXPECT_GT(testing_support::ColourDistance(right, kClassGreen), 60);
  EXPECT_TRUE(
      frame_test::Near(right, frame.at(at.x + client.right * 3 / 4, at.y + client.bottom / 2), 2));
  int stripDiffers = 0;
  for (int y = 0; y < at.y; ++y)
    for (int x = 6; x < Record(i).ButtonsLeft - 2; ++x)
      stripDiffers += testing_support::ColourDistance(shown.at(x, y), frame.at(x, y)) > 2;
  EXPECT_EQ(stripDiffers, 0) << "the caption strip is not the engine's";
  ::DestroyWindow(window);
}

TEST_F(AdoptedWindow, KeysAndTheSystemMenuWorkAsBefore) {
  ASSERT_TRUE(Engine().SkinThreadDialogs());
  // Typed text and Enter: the default button; Esc, Alt+F4: cancel.
  const struct {
    const char* how;
    std::vector<WORD> keys;
    int ends;
  } kEndings[] = {{"Enter", {VK_RETURN}, IDOK},
                  {"Esc", {VK_ESCAPE}, IDCANCEL},
                  {"Alt+F4", {VK_MENU, VK_F4}, IDCANCEL}};
  for (const auto& ending : kEndings) {
    g_answer = Answer{};
    INT_PTR result = 0;
    const bool looked = dialog_test::WhileModal(
        [&] {
          result = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(form_.data()),
                                             nullptr, FormProc, 0);
        },
        [&](HWND dialog) {
          EXPECT_TRUE(skin::FindSkinnedWindow(dialog)) << ending.how;
          ::SetForegroundWindow(dialog);
          ::SetFocus(::GetDlgItem(dialog, 101));
          testing_support::PumpFor(100);
          dialog_test::TypeText("li");
          // Alt+Space opens the system menu (closed again once it waits);
          // then the keys that end the dialog.
          dialog_test::QueueKeys({{VK_MENU, VK_SPACE}});
          g_endingKeys = ending.keys;
          ::SetTimer(nullptr, 0, 600, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            dialog_test::QueueKeys({g_endingKeys});
          });
        });
    ASSERT_TRUE(looked) << ending.how;
    EXPECT_EQ(result, ending.ends) << ending.how;
    EXPECT_EQ(g_answer.typed, "li") << ending.how;
    EXPECT_EQ(g_answer.menuLoops, 1) << ending.how << ": Alt+Space opened no system menu";
  }
}

TEST_F(AdoptedWindow, MovesByTheStripAndResizesOnlyWhereItWasResizable) {
  for (DWORD style : {DWORD(WS_OVERLAPPEDWINDOW), DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU)}) {
    const bool resizable = (style & WS_THICKFRAME) != 0;
    HWND window = MakeCaptionedWindow(style);
    ASSERT_TRUE(Engine().SkinWindow(window));
    ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
    testing_support::PumpFor(150);
    RECT before, moved;
    ::GetWindowRect(window, &before);
    // A drag on the strip, away from the title and the buttons.
    dialog_test::DragBy(POINT{before.left + 150, before.top + 12}, 40, 30);
    ::GetWindowRect(window, &moved);
    EXPECT_EQ(moved.left - before.left, 40) << "style " << std::hex << style;
    EXPECT_EQ(moved.top - before.top, 30) << "style " << std::hex << style;
    EXPECT_EQ(moved.right - moved.left, before.right - before.left);

    // A press on the right margin starts sizing from the right edge, where
    // the window was resizable.
    g_own = OwnPainting{};
    dialog_test::ClickAt(POINT{moved.right - 2, (moved.top + moved.bottom) / 2});
    EXPECT_EQ(g_own.sizing, resizable ? (SC_SIZE | WMSZ_RIGHT) : 0)
        << "style " << std::hex << style;
    ::DestroyWindow(window);
    frame_test::DrainMessages();
  }
}

// A child dialog made after its window was skinned, painting a red square
// of its own, and controls made later still: all skinned as they appear.
INT_PTR CALLBACK RedSquarePage(HWND page, UINT message, WPARAM, LPARAM) {
  if (message != WM_PAINT) return FALSE;
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(page, &ps);
  const RECT square{0, 0, 20, 20};
  HBRUSH red = ::CreateSolidBrush(kPaintRed);
  ::FillRect(dc, &square, red);
  ::DeleteObject(red);
  ::EndPaint(page, &ps);
  return TRUE;
}

TEST_F(AdoptedWindow, ChildDialogsAndLateControlsAreSkinnedAsTheyAppear) {
  HWND dialog = MakeModeless();
  ASSERT_TRUE(Engine().SkinWindow(dialog));
  ::SetCursorPos(0, 0);
  ::ShowWindow(dialog, SW_SHOWNOACTIVATE);
  testing_support::PumpFor(100);
  const std::vector<WORD> pageTemplate =
      dialog_test::Template(DS_CONTROL | WS_CHILD | WS_VISIBLE, "", 80, 40,
                            {{"BUTTON", "页面里的", BS_AUTOCHECKBOX, 4, 24, 70, 12, 301}});
  HWND page = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEA>(pageTemplate.data()),
                                           dialog, RedSquarePage, 0);
  ASSERT_TRUE(page);
  ::SetWindowPos(page, nullptr, 130, 36, 110, 50, SWP_NOZORDER | SWP_NOACTIVATE);
  HWND late = ::CreateWindowExA(0, "BUTTON", "后来的", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 180,
                                80, 90, 20, dialog, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  HWND lateInPage = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 4, 4, 60,
                                      16, page, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  testing_support::PumpFor(200);
  const int i = skin::FindSkinnedWindow(dialog);
  EXPECT_EQ(::GetPropA(page, "Hw_FuID"), reinterpret_cast<HANDLE>(static_cast<intptr_t>(i)))
      << "the page is no container of the window";
  for (HWND c : {late, lateInPage, ::GetDlgItem(page, 301)})
    EXPECT_TRUE(dialog_test::IsSkinned(c)) << dialog_test::Describe({c}) << " was left as it was";

  ::ShowWindow(lateInPage, SW_HIDE);
  ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  const Pixels shown = testing_support::CaptureShown(dialog, "adopted_late_page.png");
  ASSERT_FALSE(shown.empty());
  RECT bounds, at;
  ::GetWindowRect(dialog, &bounds);
  ::GetWindowRect(page, &at);
  ::OffsetRect(&at, -bounds.left, -bounds.top);
  // The page's own square, then the window's ground around it, not the
  // dialog grey a page erases with.
  EXPECT_TRUE(frame_test::Near(shown.at(at.left + 10, at.top + 10), kPaintRed, 2));
  const Pixels frame = frame_test::FramePixels(i);
  EXPECT_TRUE(frame_test::Near(shown.at(at.left + 60, at.top + 10),
                               frame.at(at.left + 60, at.top + 10), 40))
      << "the page does not show the window's ground";
  EXPECT_GT(testing_support::ColourDistance(shown.at(at.left + 60, at.top + 10),
                                            ::GetSysColor(COLOR_BTNFACE)),
            30);
}

TEST_F(AdoptedWindow, ABorderlessWindowIsNotAdopted) {
  HWND window = frame_test::MakeWindow(300, 200, WS_MINIMIZEBOX);
  const int i = frame_test::Skin(window);
  EXPECT_FALSE(Record(i).Adopted.on);
  RECT client, bounds;
  ::GetClientRect(window, &client);
  ::GetWindowRect(window, &bounds);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(bounds.right - bounds.left, 300);
  const POINT origin = skin::ClientOriginInFrame(Record(i));
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
}

TEST_F(AdoptedWindow, ManyDialogsComeAndGoWithoutLeaving) {
  frame_test::ExpectCountsStayFlat(200, [&](int) {
    HWND dialog = MakeModeless();
    ASSERT_TRUE(Engine().SkinWindow(dialog));
    Engine().RenderFrame(skin::FindSkinnedWindow(dialog));
    ::DestroyWindow(dialog);
    dialog_ = nullptr;
    frame_test::DrainMessages();
    ASSERT_EQ(skin::WindowCount(), 0);
  });
}

}  // namespace
