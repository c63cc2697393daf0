#include "examples/gallery/gallery_main_window.h"

#include <commctrl.h>

#include <string>

#include "examples/gallery/gallery_controls.h"
#include "examples/gallery/gallery_dialogs.h"
#include "examples/gallery/gallery_form.h"
#include "examples/gallery/gallery_pictures.h"
#include "examples/gallery/gallery_ranges.h"
#include "examples/gallery/gallery_window.h"

namespace gallery {
namespace {

constexpr char kWindowClass[] = "SkinGalleryWindow";
constexpr skin::Colour kTextColour = 0x202020;
constexpr skin::Colour kCaptionColour = 0xFFFFFF;

GalleryControls g_controls;
ClassForm g_form;
RangeControls g_ranges;
skin::SkinEngine* g_engine = nullptr;
HFONT g_font = nullptr;

void ShowClicked(HWND from) {
  char caption[64] = {};
  ::GetWindowTextA(from, caption, sizeof caption);
  std::string text = std::string("点击了：") + (caption[0] ? caption : "收藏");
  ::SetWindowTextA(g_controls.note, text.c_str());
  ::InvalidateRect(g_controls.note, nullptr, TRUE);
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) ShowClicked(reinterpret_cast<HWND>(lParam));
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kSampleId && g_engine)
        OpenSampleWindow(*g_engine, g_font);
      if (HIWORD(wParam) == BN_CLICKED) OpenDialogOf(LOWORD(wParam), window);
      return 0;
    case WM_TIMER:
      if (wParam == kPulseTimer) StepPulse(g_ranges);
      return 0;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == g_ranges.sideways) ShowSideways(g_ranges);
      return 0;
    case WM_LBUTTONDBLCLK: ::DestroyWindow(window); return 0;
    case WM_DESTROY:
      ::KillTimer(window, kPulseTimer);
      g_engine = nullptr;
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateGalleryWindow(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  ::RegisterClassExA(&wc);
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - kGalleryWidth) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - kGalleryHeight) / 2;
  return ::CreateWindowExA(0, kWindowClass, "控件展示 · 皮肤引擎", WS_POPUP | WS_MINIMIZEBOX, x, y,
                           kGalleryWidth, kGalleryHeight, nullptr, nullptr, instance, nullptr);
}

// Gives every control its text colour, then the whole window to the engine.
void SkinGallery(skin::SkinEngine& engine, HWND window) {
  engine.SetTheme(std::nullopt, Background(), 0x000000, std::nullopt, 3);
  engine.SetOptions(true, 150);
  for (HWND c = ::GetWindow(window, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
    engine.SetControlTextColour(c, kTextColour);
  engine.SetControlTextColour(g_controls.groupBox, kCaptionColour);

  skin::SkinWindowOptions options;
  options.captionHeight = 40;
  options.helpButton = false;
  engine.SkinWindow(window, options);
  engine.SetTitleFont(window, std::string("宋体"), 14);
  engine.SkinChildren(g_controls.groupBox, 1, 0xFFFFFF, 60);
  engine.SkinChildren(g_controls.panel, 1, 0x000000, 0, 1);

  engine.SkinImageButton(g_controls.import, ClassListIcon(), 1, "从文本文件导入全班名单");
  engine.SkinImageButton(g_controls.photos, CameraIcon(48), 0, "为每个学生配照片");
  engine.SkinStateImageButton(g_controls.favourite, StarIcon(32), std::nullopt, std::nullopt,
                              StarIcon(32, 0xFFB0B0B0), std::string("收藏这次点名"));
}

}  // namespace

HWND CreateSkinnedGallery(skin::SkinEngine& engine, HFONT font) {
  HWND window = CreateGalleryWindow(::GetModuleHandleA(nullptr));
  if (!window) return nullptr;
  g_engine = &engine;
  g_font = font;
  g_controls = CreateGalleryControls(window, font);
  g_form = CreateClassForm(window, font, 600, 56, 24, 320, 952);
  g_ranges = CreateRangeControls(window, font, 24, 596, 952);
  CreateDialogButtons(window, font, 444, 727, 100);
  SkinGallery(engine, window);
  return window;
}

}  // namespace gallery
