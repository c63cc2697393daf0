#include "examples/gallery/gallery_ranges.h"

#include <commctrl.h>

#include <string>

namespace gallery {
namespace {

HWND Make(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y,
          int w, int h, HFONT font) {
  HWND control = ::CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                   parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void Label(HWND parent, const char* text, int x, int y, int w, HFONT font) {
  Make(parent, "STATIC", text, SS_LEFT, 0, x, y, w, 18, font);
}

HWND TrackBar(HWND parent, DWORD style, int x, int y, int w, int h, int position, HFONT font) {
  HWND bar = Make(parent, TRACKBAR_CLASSA, "", style, 0, x, y, w, h, font);
  ::SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
  ::SendMessageA(bar, TBM_SETTICFREQ, 10, 0);
  ::SendMessageA(bar, TBM_SETPOS, TRUE, position);
  return bar;
}

HWND Progress(HWND parent, DWORD style, int x, int y, int w, int h, int position, HFONT font) {
  HWND bar = Make(parent, PROGRESS_CLASSA, "", style, 0, x, y, w, h, font);
  ::SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  ::SendMessageA(bar, PBM_SETPOS, position, 0);
  return bar;
}

}  // namespace

std::vector<HWND> RangeControls::All() const {
  return {volume, speed, span, level, progress, pulse, tower, count, spin, sideways};
}

RangeControls CreateRangeControls(HWND window, HFONT font, int x, int y, int width) {
  RangeControls r;
  // Track bars: three lying on the left, one standing beside them.
  Label(window, "音量", x, y + 12, 40, font);
  r.volume = TrackBar(window, TBS_AUTOTICKS | TBS_BOTH, x + 44, y, 250, 44, 60, font);
  Label(window, "语速", x, y + 58, 40, font);
  r.speed = TrackBar(window, TBS_NOTICKS, x + 44, y + 50, 250, 30, 35, font);
  Label(window, "范围", x, y + 98, 40, font);
  r.span = TrackBar(window, TBS_AUTOTICKS | TBS_ENABLESELRANGE, x + 44, y + 86, 250, 40, 50, font);
  ::SendMessageA(r.span, TBM_SETSEL, TRUE, MAKELPARAM(30, 70));
  r.level = TrackBar(window, TBS_VERT | TBS_AUTOTICKS | TBS_LEFT, x + 310, y, 44, 126, 30, font);

  // Progress bars: a fixed one, one the timer drives, one standing.
  const int px = x + 380;
  Label(window, "导入进度", px, y + 2, 80, font);
  r.progress = Progress(window, 0, px, y + 22, 300, 20, 65, font);
  Label(window, "正在点名", px, y + 56, 80, font);
  r.pulse = Progress(window, 0, px, y + 76, 300, 20, 0, font);
  r.tower = Progress(window, PBS_VERTICAL, px + 316, y, 22, 126, 40, font);

  // Up-down controls: one stepping a number in its buddy, one lying.
  const int ux = x + width - 220;
  Label(window, "人数", ux, y + 6, 40, font);
  r.count = Make(window, "EDIT", "45", ES_NUMBER | ES_RIGHT, WS_EX_CLIENTEDGE, ux + 44, y + 2, 60,
                 24, font);
  r.spin = Make(window, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_ALIGNRIGHT, 0, 0,
                0, 0, 0, font);
  ::SendMessageA(r.spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(r.count), 0);
  ::SendMessageA(r.spin, UDM_SETRANGE32, 1, 60);
  ::SendMessageA(r.spin, UDM_SETPOS32, 0, 45);

  Label(window, "组数", ux, y + 56, 40, font);
  r.sideways =
      Make(window, UPDOWN_CLASSA, "", UDS_HORZ | UDS_WRAP, 0, ux + 44, y + 50, 44, 24, font);
  ::SendMessageA(r.sideways, UDM_SETRANGE32, 1, 8);
  ::SendMessageA(r.sideways, UDM_SETPOS32, 0, 4);
  r.sidewaysText = Make(window, "STATIC", "", SS_LEFT, 0, ux + 96, y + 56, 100, 18, font);
  ShowSideways(r);

  ::SetTimer(window, kPulseTimer, kPulseMs, nullptr);
  return r;
}

void StepPulse(RangeControls& r) {
  // 0, 2, ..., 100, 98, ..., 0, and again.
  r.pulsePhase = (r.pulsePhase + 2) % 200;
  const int phase = r.pulsePhase;
  ::SendMessageA(r.pulse, PBM_SETPOS, phase <= 100 ? phase : 200 - phase, 0);
}

void ShowSideways(const RangeControls& r) {
  const int groups = static_cast<int>(::SendMessageA(r.sideways, UDM_GETPOS32, 0, 0));
  const std::string text = "分成 " + std::to_string(groups) + " 组";
  ::SetWindowTextA(r.sidewaysText, text.c_str());
  ::InvalidateRect(r.sidewaysText, nullptr, TRUE);
}

}  // namespace gallery
