#include "app/main_window.h"

#include <windowsx.h>

#include <string>

#include "app/draw_loop.h"
#include "app/globals.h"
#include "app/hot_key.h"
#include "app/full_screen.h"
#include "app/main_layout.h"
#include "app/picture_box.h"
#include "app/roster.h"
#include "app/settings.h"
#include "app/speech.h"
#include "app/skin_main_window.h"
#include "app/transparent_label.h"
#include "app/upright_picture.h"
#include "platform/handles.h"
#include "skin/engine/module_state.h"

namespace app {

extern const unsigned char BuiltinPicture[];
extern const unsigned BuiltinPictureSize;

namespace {

MainWindowControls g_controls;
bool g_closing = false;

// The label's own font, and the larger one a scaled layout gives it.
HFONT g_labelFont = nullptr;
platform::UniqueFont g_scaledFont;

constexpr COLORREF kGroupBoxCaptionColour = RGB(255, 255, 255);

// Draw steps show their names and photos in this window's controls.
class MainWindowView final : public DrawView {
 public:
  void ShowName(const std::string& name) override {
    ::SetWindowTextA(g_controls.label, name.c_str());
  }
  void SetNameColour(uint32_t colour) override {
    SetLabelTextColour(g_controls.label, static_cast<COLORREF>(colour));
  }
  void ShowPicture(const std::vector<uint8_t>& bytes) override {
    SetPicture(g_controls.pictureBox, bytes);
  }
  bool IsAlive() const override { return ::IsWindow(g_controls.window) != FALSE; }
};

MainWindowView g_view;

HWND CreateChild(const char* className, const char* text, DWORD style, const RECT& b, HWND parent,
                 int id) {
  return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, b.left, b.top,
                           b.right - b.left, b.bottom - b.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleA(nullptr), nullptr);
}

// The double-click on the photo ends the program; a single press does nothing.
LRESULT CALLBACK PictureBoxHook(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC original = reinterpret_cast<WNDPROC>(::GetPropA(box, "RollCallPictureProc"));
  switch (message) {
    case WM_LBUTTONDBLCLK:
      CloseMainWindow(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<int>(wParam));
      return 0;
    case WM_LBUTTONDOWN: return 0;
    case WM_NCDESTROY: ::RemovePropA(box, "RollCallPictureProc"); break;
  }
  return ::CallWindowProcA(original, box, message, wParam, lParam);
}

void MoveChild(HWND child, const RECT& b) {
  ::SetWindowPos(child, nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateControls(HWND window) {
  const MainLayout form = MainLayoutFor(kMainWindowWidth, kMainWindowHeight);
  g_controls.window = window;
  g_closing = false;
  // Skinned, the group box paints the window's picture behind itself and
  // its children.
  g_controls.groupBox = CreateChild("BUTTON", "", BS_GROUPBOX, form.groupBox, window, kGroupBoxId);
  g_controls.pictureBox = CreatePictureBox(g_controls.groupBox, kPictureBoxId, form.pictureBox);
  ::SetPropA(g_controls.pictureBox, "RollCallPictureProc",
             reinterpret_cast<HANDLE>(::SetWindowLongPtrA(
                 g_controls.pictureBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PictureBoxHook))));
  SetPicture(g_controls.pictureBox,
             std::vector<uint8_t>(BuiltinPicture, BuiltinPicture + BuiltinPictureSize));
  g_controls.label = CreateTransparentLabel(g_controls.groupBox, kLabelId, form.label, "青禾",
                                            form.labelFontHeight, GB2312_CHARSET);
  g_labelFont = GetLabelFont(g_controls.label);
  g_controls.startButton = CreateChild("BUTTON", "开始", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
                                       form.startButton, window, kStartButtonId);
  g_controls.stopButton = CreateChild("BUTTON", "停止", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
                                      form.stopButton, window, kStopButtonId);
  SetDrawView(&g_view);
}

void OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;
  switch (LOWORD(wParam)) {
    case kStartButtonId: OnStartClick(); break;
    case kStopButtonId: OnStopClick(); break;
  }
}

LRESULT OnCtlColorStatic(HWND window, WPARAM wParam, LPARAM lParam) {
  LRESULT brush = ::DefWindowProcA(window, WM_CTLCOLORSTATIC, wParam, lParam);
  if (reinterpret_cast<HWND>(lParam) == g_controls.groupBox)
    ::SetTextColor(reinterpret_cast<HDC>(wParam), kGroupBoxCaptionColour);
  return brush;
}

void OnDestroy(HWND window) {
  LeaveFullScreen();  // the pointer shows again
  ::UnregisterHotKey(window, kStartHotKeyId);
  GiveBackAfterHotKey();  // closing gives the keyboard back too
  SetDrawView(nullptr);
  ::PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: CreateControls(window); return 0;
    case WM_LBUTTONDBLCLK:
      CloseMainWindow(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<int>(wParam));
      return 0;
    case WM_COMMAND: OnCommand(wParam); return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(window, wParam, lParam);
    case WM_CLOSE:
      g_closing = true;  // destruction follows, deactivating the application
      break;
    case WM_DESTROY: OnDestroy(window); return 0;
    case WM_HOTKEY:
      if (wParam == kStartHotKeyId) OnStartHotKey();
      return 0;
    case WM_NCDESTROY:
      g_controls = MainWindowControls{};
      g_scaledFont.reset();
      break;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

void RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  if (::GetClassInfoExA(instance, kMainWindowClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = skin::ModuleIcon;
  wc.hIconSm = skin::ModuleIcon;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClass;
  ::RegisterClassExA(&wc);
}

}  // namespace

HWND CreateMainWindow() {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterMainWindowClass(instance);
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  // No caption, no frame, no minimise or maximise box: the skin draws the frame.
  HWND window =
      ::CreateWindowExA(0, kMainWindowClass, "", WS_POPUP | WS_CLIPSIBLINGS, x, y, kMainWindowWidth,
                        kMainWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;
  if (skin::ModuleIcon) {
    ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(skin::ModuleIcon));
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(skin::ModuleIcon));
  }
  OnMainWindowCreated();
  if (::IsWindow(window)) {
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    if (StartFullScreen) EnterFullScreen();
    if (ReadAloud && !CurrentVoice()) SetVoice(MakeSystemVoice());
    // Said once, at start; the program runs on without the key.
    const std::string problem =
        StartHotKeyText ? RegisterStartHotKey(window, *StartHotKeyText) : std::string();
    if (!problem.empty()) ::MessageBoxA(window, problem.c_str(), "点名", MB_OK | MB_ICONWARNING);
  }
  return ::IsWindow(window) ? window : nullptr;
}

const MainWindowControls& MainWindow() { return g_controls; }

bool MainWindowClosing() { return g_closing; }

void OnMainWindowCreated() {
  const MainLayout form = MainLayoutFor(kMainWindowWidth, kMainWindowHeight);
  ApplyRoundedRegion(g_controls.pictureBox, form.photoCorner.cx, form.photoCorner.cy);
  CreateSettingsFileIfMissing();
  SkinMainWindow(UprightPictureBytes(ReadBackground()));
  SkinGroupBoxChildren(g_controls.groupBox);
  LoadRoster();
  ReadSettings();
}

void ApplyMainLayout(int width, int height) {
  const MainWindowControls& c = g_controls;
  if (!c.window) return;
  const MainLayout l = MainLayoutFor(width, height);
  MoveChild(c.groupBox, l.groupBox);
  MoveChild(c.pictureBox, l.pictureBox);
  ApplyRoundedRegion(c.pictureBox, l.photoCorner.cx, l.photoCorner.cy);
  MoveChild(c.label, l.label);
  MoveChild(c.startButton, l.startButton);
  MoveChild(c.stopButton, l.stopButton);
  const MainLayout form = MainLayoutFor(kMainWindowWidth, kMainWindowHeight);
  platform::UniqueFont previous = std::move(g_scaledFont);  // in use until replaced
  HFONT font = g_labelFont;
  LOGFONTA lf{};
  if (l.labelFontHeight != form.labelFontHeight && g_labelFont &&
      ::GetObjectA(g_labelFont, sizeof lf, &lf)) {
    lf.lfHeight = l.labelFontHeight;
    g_scaledFont.reset(::CreateFontIndirectA(&lf));
    if (g_scaledFont) font = g_scaledFont.get();
  }
  ::SendMessageA(c.label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ::RedrawWindow(c.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CloseMainWindow(int /*x*/, int /*y*/, int /*keys*/) {
  if (g_controls.window) ::PostMessageA(g_controls.window, WM_CLOSE, 0, 0);
}

void ApplyRoundedRegion(HWND window, int w, int h) {
  RECT client;
  if (!::GetClientRect(window, &client)) return;
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  HRGN region = ::CreateRoundRectRgn(0, 0, width, height, w, h);
  if (region && !::SetWindowRgn(window, region, TRUE)) ::DeleteObject(region);
}

}  // namespace app
