#include "examples/gallery/gallery_window.h"

#include <commctrl.h>

#include <string>

#include "examples/gallery/gallery_pictures.h"

namespace gallery {
namespace {

constexpr char kPageClass[] = "SkinGallerySamplePage";
constexpr int kCaptionHeight = 30;
constexpr int kTabTop = kCaptionHeight + 6;
constexpr skin::Colour kTextColour = 0x202020;

SampleWindow g_sample;
skin::SkinEngine* g_engine = nullptr;

HWND Make(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y,
          int w, int h, int id, HFONT font) {
  HWND control = ::CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

// Pages pass their controls' commands on to the window.
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message == WM_NOTIFY)
    return ::SendMessageA(::GetAncestor(page, GA_ROOT), message, wParam, lParam);
  return ::DefWindowProcA(page, message, wParam, lParam);
}

// The pages cover the tab's display area.
void LayOutPages() {
  if (!g_sample.tab) return;
  RECT area;
  ::GetClientRect(g_sample.tab, &area);
  ::SendMessageA(g_sample.tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (HWND page : g_sample.pages)
    ::MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void ShowPage(int index) {
  for (int k = 0; k < 2; ++k) ::ShowWindow(g_sample.pages[k], k == index ? SW_SHOW : SW_HIDE);
}

void ShowCalls() {
  if (g_engine) g_engine->SetStatusPanelText(g_sample.window, 1, CallsText(g_sample.calls));
}

void OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;
  if (LOWORD(wParam) == kCallId) ++g_sample.calls;
  if (LOWORD(wParam) == kResetId) g_sample.calls = 0;
  if (LOWORD(wParam) == kCallId || LOWORD(wParam) == kResetId) ShowCalls();
}

LRESULT CALLBACK SampleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(wParam); return 0;
    case WM_NOTIFY: {
      const NMHDR* note = reinterpret_cast<const NMHDR*>(lParam);
      if (note->hwndFrom == g_sample.tab && note->code == TCN_SELCHANGE)
        ShowPage(static_cast<int>(::SendMessageA(g_sample.tab, TCM_GETCURSEL, 0, 0)));
      return 0;
    }
    case WM_SIZE:
      LayOutPages();  // the engine has stretched the tab already
      return 0;
    case WM_DESTROY: g_sample = SampleWindow{}; return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

void RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!::GetClassInfoExA(instance, kSampleWindowClass, &wc)) {
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = SampleProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kSampleWindowClass;
    ::RegisterClassExA(&wc);
  }
  WNDCLASSEXA page{};
  page.cbSize = sizeof page;
  if (!::GetClassInfoExA(instance, kPageClass, &page)) {
    page.lpfnWndProc = PageProc;
    page.hInstance = instance;
    page.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    page.lpszClassName = kPageClass;
    ::RegisterClassExA(&page);
  }
}

void CreateTab(HWND window, HFONT font) {
  g_sample.tab =
      Make(window, WC_TABCONTROLA, "", WS_CLIPCHILDREN, 0, 2, kTabTop, 200, 200, kTabId, font);
  const char* titles[] = {"点名", "日历"};
  for (int k = 0; k < 2; ++k) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(titles[k]);
    ::SendMessageA(g_sample.tab, TCM_INSERTITEMA, k, reinterpret_cast<LPARAM>(&item));
    g_sample.pages[k] =
        Make(g_sample.tab, kPageClass, "", WS_CLIPCHILDREN, 0, 0, 0, 100, 100, 0, font);
  }
  HWND first = g_sample.pages[0];
  g_sample.call =
      Make(first, "BUTTON", "点一个名", BS_PUSHBUTTON, 0, 16, 16, 110, 32, kCallId, font);
  g_sample.reset = Make(first, "BUTTON", "清零", BS_PUSHBUTTON, 0, 140, 16, 90, 32, kResetId, font);
  Make(first, "STATIC", "备注", SS_LEFT, 0, 16, 70, 40, 18, 0, font);
  g_sample.remark = Make(first, "EDIT", "第一组先回答", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 60, 66,
                         170, 24, kRemarkId, font);
  g_sample.log =
      Make(first, "BUTTON", "记录到文件", BS_AUTOCHECKBOX, 0, 16, 106, 140, 24, kLogId, font);
  g_sample.calendar =
      Make(g_sample.pages[1], MONTHCAL_CLASSA, "", 0, 0, 12, 12, 240, 170, kCalendarId, font);
  ShowPage(0);
}

void Skin(skin::SkinEngine& engine, HWND window) {
  for (HWND page : g_sample.pages)
    for (HWND c = ::GetWindow(page, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
      engine.SetControlTextColour(c, kTextColour);
  skin::SkinWindowOptions options;
  options.captionHeight = kCaptionHeight;
  options.helpButton = false;
  options.statusHeight = kSampleStatusHeight;
  std::vector<skin::StatusPanel> panels(3);
  panels[0].width = 120;
  panels[0].text = CallsText(0);
  panels[0].image = StudentIcon(16, 0xFF2E7BD6);
  panels[1].width = 170;
  panels[1].text = "翻页笔：Page Down";
  panels[2].width = -1;
  panels[2].text = "拖动边框改变大小";
  options.statusPanels = panels;
  engine.SkinWindow(window, options);
  engine.SetStatusStyle(window, false, true, 0x202020, 0xFFFFFF);
  engine.SetCaptionButtonImages(window, CaptionGlyph(Glyph::Minimise),
                                CaptionGlyph(Glyph::Maximise), CaptionGlyph(Glyph::Restore),
                                CaptionGlyph(Glyph::Close));
  // The tab shows the veiled picture through its face; its pages are
  // containers of skinned controls; the calendar shows the picture too.
  engine.SkinTransparentChild(g_sample.tab);
  for (HWND page : g_sample.pages) engine.SkinChildren(page, 1);
  engine.SkinTransparentChild(g_sample.calendar);
  engine.DockChild(window, g_sample.tab, kTabTop);
  LayOutPages();
}

}  // namespace

std::string CallsText(int calls) { return "已点 " + std::to_string(calls) + " 人"; }

const SampleWindow& Sample() { return g_sample; }

HWND OpenSampleWindow(skin::SkinEngine& engine, HFONT font) {
  if (g_sample.window) {
    ::SetForegroundWindow(g_sample.window);
    return g_sample.window;
  }
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterClasses(instance);
  g_engine = &engine;
  const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2 - kSampleWidth / 2 + 120;
  const int y = ::GetSystemMetrics(SM_CYSCREEN) / 2 - kSampleHeight / 2 + 60;
  HWND window =
      ::CreateWindowExA(0, kSampleWindowClass, "窗口示例",
                        WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, x, y,
                        kSampleWidth, kSampleHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;
  g_sample.window = window;
  CreateTab(window, font);
  Skin(engine, window);
  ::ShowWindow(window, SW_SHOW);
  ::UpdateWindow(window);
  return window;
}

}  // namespace gallery
