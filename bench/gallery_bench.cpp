// Measures whole windows as a person meets them: the gallery repainted at
// once (frame and every control, as when it is uncovered), and the gallery's
// sample window resized step by step by the messages a border drag sends,
// maximised and restored; each against a plain BitBlt of the same size.
#include <windows.h>

#include <string>
#include <vector>

#include "bench/bench_skin.h"
#include "bench/bench_surfaces.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "examples/gallery/gallery_main_window.h"
#include "examples/gallery/gallery_window.h"
#include "platform/handles.h"
#include "skin/engine/registry.h"
#include "skin/frame/render_profile.h"

namespace {

constexpr UINT kWholeWindow =
    RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// Handles every message queued now, timers included, for about `ms`.
void PumpFor(DWORD ms) {
  const DWORD end = ::GetTickCount() + ms;
  do {
    bench::PumpMessages();
    ::Sleep(5);
  } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
  bench::PumpMessages();
}

// Milliseconds of one call of `run` (no warm-up: it changes what it measures).
template <typename Run>
double Once(Run run) {
  const double start = bench::NowMs();
  run();
  ::GdiFlush();
  return bench::NowMs() - start;
}

// Paints whatever is waiting for paint in the window and its controls, as
// the message loop would before the next input.
void PaintNow(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool ShowsDraft(HWND window) {
  const skin::SkinnedWindow* w = skin::WindowRecord(skin::FindSkinnedWindow(window));
  return w && w->DraftShown;
}

void RepaintGallery(HFONT font, skin::SkinEngine& engine) {
  HWND gallery = gallery::CreateSkinnedGallery(engine, font);
  if (!gallery) {
    bench::Report("gallery, whole window repainted", -1, "", "(the gallery could not be made)");
    return;
  }
  ::ShowWindow(gallery, SW_SHOW);
  ::UpdateWindow(gallery);
  PumpFor(200);
  const double blit = bench::BlitOf(bench::WindowSize(gallery));
  const double ms =
      bench::TimeMs(10, [&] { ::RedrawWindow(gallery, nullptr, nullptr, kWholeWindow); });
  bench::Report("gallery, whole window repainted", ms, "ms", bench::Ratio(ms, blit));
  ::DestroyWindow(gallery);
  bench::PumpMessages();
}

// How much of each step the frame's renders took, and how many there were.
void ReportFrameShare(const skin::RenderProfile& p, int steps) {
  double frame = 0;
  for (double ms : p.ms) frame += ms;
  bench::Report("  of which frame renders", frame / steps, "ms",
                "(" + std::to_string(p.renders) + " renders in " + std::to_string(steps) +
                    " steps; the figure copied to the window " +
                    std::to_string(p.ms[skin::RenderProfile::kCopy] / steps).substr(0, 5) + " ms)");
}

// Fifty steps of a drag of the bottom-right corner, each painted before the
// next as the system's sizing loop does, then the frame the drag's end
// draws at full quality.
void DragSample(HWND sample) {
  const SIZE start = bench::WindowSize(sample);
  constexpr int kSteps = 50;
  ::SendMessageA(sample, WM_ENTERSIZEMOVE, 0, 0);
  skin::RenderProfile profile;
  skin::ActiveRenderProfile() = &profile;
  double sizing = 0;
  const double begin = bench::NowMs();
  for (int n = 1; n <= kSteps; ++n) {
    const double step = bench::NowMs();
    ::SetWindowPos(sample, nullptr, 0, 0, start.cx + 8 * n, start.cy + 6 * n,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    sizing += bench::NowMs() - step;
    PaintNow(sample);
  }
  ::GdiFlush();
  const double perStep = (bench::NowMs() - begin) / kSteps;
  skin::ActiveRenderProfile() = nullptr;
  const SIZE end{start.cx + 8 * kSteps, start.cy + 6 * kSteps};
  const double blit = bench::BlitOf(end);
  bench::Report("sample window, drag step (50 steps)", perStep, "ms",
                bench::Ratio(perStep, blit) + " target 16 ms");
  bench::Report("  of which SetWindowPos (layout, no paint)", sizing / kSteps, "ms");
  ReportFrameShare(profile, kSteps);
  const double settle = Once([&] {
    ::SendMessageA(sample, WM_EXITSIZEMOVE, 0, 0);
    PaintNow(sample);
  });
  bench::Report("sample window, the drag's end at full quality", settle, "ms",
                bench::Ratio(settle, blit));
  ::SetWindowPos(sample, nullptr, 0, 0, start.cx, start.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(400);
}

// Each control of the window repainted alone, with what it holds: where a
// whole-window repaint goes.
void ReportControls(HWND window) {
  struct Cost {
    HWND control;
    double ms;
  };
  std::vector<Cost> costs;
  for (HWND c = ::GetWindow(window, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    const double ms = bench::TimeMs(3, [&] { ::RedrawWindow(c, nullptr, nullptr, kWholeWindow); });
    costs.push_back({c, ms});
    if (::GetWindow(c, GW_CHILD)) ReportControls(c);
  }
  for (const Cost& cost : costs) {
    char name[64] = {}, text[32] = {};
    ::GetClassNameA(cost.control, name, sizeof name);
    ::GetWindowTextA(cost.control, text, sizeof text);
    bench::Report(std::string("  ") + name + " \"" + text + "\"", cost.ms, "ms");
  }
}

// A system command that changes the size: the time until the new size is
// shown (drawn draft), and the full-quality frame that follows once the
// size has settled.
void SizeCommand(HWND sample, WPARAM command, const char* name) {
  const double shown = Once([&] {
    ::SendMessageA(sample, WM_SYSCOMMAND, command, 0);
    PaintNow(sample);
  });
  const double blit = bench::BlitOf(bench::WindowSize(sample));
  bench::Report(std::string("sample window, ") + name + " shown", shown, "ms",
                bench::Ratio(shown, blit));
  const bool draft = ShowsDraft(sample);
  ::Sleep(400);  // the settling timer is due; nothing handled it yet
  const double settled = Once([] { bench::PumpMessages(); });
  if (draft)
    bench::Report(std::string("sample window, ") + name + " settled at full quality", settled, "ms",
                  bench::Ratio(settled, blit));
  else
    bench::Report(std::string("sample window, ") + name + " settled at full quality", -1, "",
                  "(no draft was shown)");
  PumpFor(200);
}

}  // namespace

int main() {
  bench::ProgramSkin skin;
  platform::UniqueFont font(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                          GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          DEFAULT_QUALITY, DEFAULT_PITCH, "宋体"));
  RepaintGallery(font.get(), skin.engine);

  HWND sample = gallery::OpenSampleWindow(skin.engine, font.get());
  if (!sample) {
    bench::Report("sample window", -1, "", "(the sample window could not be made)");
    return 0;
  }
  PumpFor(200);
  ReportControls(sample);
  DragSample(sample);
  SizeCommand(sample, SC_MAXIMIZE, "maximise");
  SizeCommand(sample, SC_RESTORE, "restore");
  ::DestroyWindow(sample);
  bench::PumpMessages();
  return 0;
}
