// The smallest program that skins a window and its buttons with the installed
// engine. It shows the window for about a second (at once with any argument),
// then closes it; it exits 1 when the engine did not take the window or a
// button over.
#include <windows.h>
#include <commctrl.h>

#include "platform/gdiplus_session.h"
#include "skin/engine/module_state.h"
#include "skin/engine/skin_engine.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kCloseTimer) ::DestroyWindow(window);
      return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// A skinned push button is drawn by the engine: it became owner-drawn and
// runs the engine's procedure instead of its class's.
bool TakenOver(HWND button) {
  const LONG style = ::GetWindowLongA(button, GWL_STYLE);
  return (style & BS_TYPEMASK) == BS_OWNERDRAW &&
         ::GetWindowLongPtrA(button, GWLP_WNDPROC) != ::GetClassLongPtrA(button, GCLP_WNDPROC);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
  platform::StartGdiplus();   // GDI+ first: the engine draws with it
  skin::InitSkinModule();     // the engine's lists
  skin::SetModuleDefaults();  // its switches and colours
  bool skinned = false;
  {
    skin::SkinEngine engine;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "SkinConsumerWindow";
    ::RegisterClassExA(&wc);
    HWND window = ::CreateWindowExA(0, wc.lpszClassName, "Skin engine", WS_POPUP | WS_MINIMIZEBOX,
                                    100, 100, 360, 240, nullptr, nullptr, instance, nullptr);
    HWND button = ::CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 24,
                                    60, 100, 28, window, nullptr, instance, nullptr);
    HWND group = ::CreateWindowExA(0, "BUTTON", "Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 150,
                                   50, 180, 90, window, nullptr, instance, nullptr);
    HWND inner = ::CreateWindowExA(0, "BUTTON", "Inside", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 16,
                                   30, 100, 28, group, nullptr, instance, nullptr);

    engine.SetTheme(std::nullopt, std::nullopt, RGB(40, 90, 150));  // a frame colour, no picture
    engine.SetOptions(true, 150);                                   // skin child controls too
    skin::SkinWindowOptions options;
    options.captionHeight = 30;
    skinned = engine.SkinWindow(window, options);  // the frame and its direct children
    engine.SkinChildren(group);                    // a container's children
    skinned = skinned && TakenOver(button) && TakenOver(inner);

    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    ::SetTimer(window, kCloseTimer, arguments && *arguments ? 1 : 1000, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    engine.Destroy();  // also shuts GDI+ down
  }
  skin::ExitSkinModule();
  return skinned ? 0 : 1;
}
