// Measures the skinned frame: RenderFrame of the 512 x 394 main window and of
// a maximised 1920 x 1080 window, at a size it was rendered at before and at
// a new size (a resize by the border), where the time goes stage by stage,
// and one step of the caption-button fade; each against a plain BitBlt of the
// same size and next to its target.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_skin.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "platform/handles.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_layer_ops.h"
#include "skin/frame/render_profile.h"

namespace {

using skin::RenderProfile;

struct Case {
  const char* name;
  int width, height;
  bool title, status;
  double target;         // ms at the same size; 0: none set
  double newSizeTarget;  // ms at a new size
  int memoryTarget;      // MB of kept pixels; 0: none set
};

// Megabytes (2^20 bytes) of pixels window i keeps for its frame.
double KeptMegabytes(int i) {
  const skin::SkinnedWindow* w = skin::WindowRecord(i);
  if (!w) return -1;
  return static_cast<double>(skin::KeptFrameBytes(*w)) / (1024.0 * 1024.0);
}

std::string Target(double ms) {
  if (ms <= 0) return "";
  char text[48];
  std::snprintf(text, sizeof text, " target %g ms", ms);
  return text;
}

std::string Size(int w, int h) { return std::to_string(w) + " x " + std::to_string(h); }

skin::StatusPanel Panel(int width, const char* text) {
  skin::StatusPanel p;
  p.width = width;
  p.text = text;
  return p;
}

void Resize(HWND window, int w, int h) {
  ::SetWindowPos(window, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Mean milliseconds of RenderFrame alone, each at a size one pixel off the
// last (the window is resized between renders, outside the clock).
double TimeResizedRenders(skin::SkinEngine& engine, HWND window, int w, int h, int count,
                          HDC screen) {
  double total = 0;
  for (int n = 0; n <= count; ++n) {
    Resize(window, w - (n % 2), h);
    const int i = skin::FindSkinnedWindow(window);
    const double start = bench::NowMs();
    engine.RenderFrame(i, screen);
    ::GdiFlush();
    if (n > 0) total += bench::NowMs() - start;  // the first one warms up
  }
  Resize(window, w, h);
  return total / count;
}

// The same during a live resize by the border, as the system's sizing loop
// brackets it: the picture is drawn draft at each new size.
double TimeLiveResizeRenders(skin::SkinEngine& engine, HWND window, int w, int h, int count,
                             HDC screen) {
  ::SendMessageA(window, WM_ENTERSIZEMOVE, 0, 0);
  const double ms = TimeResizedRenders(engine, window, w, h, count, screen);
  ::SendMessageA(window, WM_EXITSIZEMOVE, 0, 0);
  return ms;
}

void ReportStages(const RenderProfile& p, double blit) {
  static const char* const names[RenderProfile::kStageCount] = {
      "region",          "frame bitmap", "keys compared", "kept pixels copied",
      "background",      "border",       "strip copies",  "title",
      "caption buttons", "status strip", "copy to window"};
  if (p.renders <= 0) {
    bench::ReportText("    stages", "not measured", "", "(no render was profiled)");
    return;
  }
  for (int s = 0; s < RenderProfile::kStageCount; ++s) {
    const std::string name = std::string("    ") + names[s];
    // A stage no render reached was not drawn (kept, or not on this window).
    if (p.ms[s] <= 0)
      bench::ReportText(name, "-", "", "(not drawn in these renders)");
    else
      bench::Report(name, p.ms[s] / p.renders, "ms", bench::Ratio(p.ms[s] / p.renders, blit));
  }
}

void Measure(skin::SkinEngine& engine, const Case& c) {
  std::printf("\n%s, %s%s%s\n", c.name, Size(c.width, c.height).c_str(), c.title ? ", title" : "",
              c.status ? ", glowing three-panel status strip" : "");
  HWND window = bench::MakePlainWindow(c.name, c.width, c.height);
  skin::SkinWindowOptions o;
  o.captionHeight = 50;
  o.showTitle = c.title;
  if (c.status) {
    o.statusHeight = 22;
    o.statusPanels = std::vector<skin::StatusPanel>{Panel(150, "第一个面板"),
                                                    Panel(170, "发光的文字"), Panel(-1, "其余")};
  }
  ::SetWindowTextA(window, "点名 Roll call");
  engine.SkinWindow(window, o);
  if (c.status) engine.SetStatusStyle(window, false, true, 0x000000, 0xFFFFFF);
  bench::PumpMessages();
  int i = skin::FindSkinnedWindow(window);
  if (!skin::WindowRecord(i)) {
    bench::ReportText("the window could not be skinned", "not measured", "");
    return;
  }
  engine.RenderFrame(i);
  platform::WindowDC screen(window);
  HDC frame = skin::WindowRecord(i)->FrameDC.get();
  const int runs = c.width * c.height > 1000000 ? 20 : 100;

  const double blit = bench::TimeMs(
      runs * 4, [&] { ::BitBlt(screen.get(), 0, 0, c.width, c.height, frame, 0, 0, SRCCOPY); });
  bench::Report("  BitBlt " + Size(c.width, c.height) + " to the window", blit, "ms");

  const double render = bench::TimeMs(runs, [&] { engine.RenderFrame(i, screen.get()); });
  bench::Report("  RenderFrame, shown, same size", render, "ms",
                bench::Ratio(render, blit) + Target(c.target));
  RenderProfile profile;
  skin::ActiveRenderProfile() = &profile;
  for (int n = 0; n < runs; ++n) engine.RenderFrame(i, screen.get());
  skin::ActiveRenderProfile() = nullptr;
  ReportStages(profile, blit);

  const double live =
      TimeLiveResizeRenders(engine, window, c.width, c.height, runs / 2, screen.get());
  bench::Report("  RenderFrame, shown, a new size, live resize", live, "ms",
                bench::Ratio(live, blit) + Target(c.newSizeTarget));
  profile.Clear();
  skin::ActiveRenderProfile() = &profile;
  TimeLiveResizeRenders(engine, window, c.width, c.height, runs / 2, screen.get());
  skin::ActiveRenderProfile() = nullptr;
  ReportStages(profile, blit);

  const int restRuns = std::max(2, runs / 10);
  const double resized =
      TimeResizedRenders(engine, window, c.width, c.height, restRuns, screen.get());
  bench::Report("  RenderFrame, shown, a new size at rest", resized, "ms",
                bench::Ratio(resized, blit) + " (full quality, once a size settles)");
  profile.Clear();
  skin::ActiveRenderProfile() = &profile;
  TimeResizedRenders(engine, window, c.width, c.height, restRuns, screen.get());
  skin::ActiveRenderProfile() = nullptr;
  ReportStages(profile, blit);

  i = skin::FindSkinnedWindow(window);
  engine.RenderFrame(i, screen.get());
  bench::Report("  pixels kept for the frame", KeptMegabytes(i), "MB",
                c.memoryTarget > 0 ? "target under " + std::to_string(c.memoryTarget) + " MB" : "");

  // One fade step of the close button, as the fade timer draws it.
  engine.RenderFrame(i);
  skin::SkinnedWindow* w = skin::WindowRecord(i);
  const int k = w->CaptionButtons.count();
  const skin::CaptionButton& b = w->CaptionButtons.at(k);
  const int bx = static_cast<int>(b.Rect.X - 1), by = w->ButtonsTop + 1;
  frame = w->FrameDC.get();
  const double buttonBlit = bench::TimeMs(
      2000, [&] { ::BitBlt(screen.get(), bx, by, b.Width, b.Height, frame, bx, by, SRCCOPY); });
  bench::Report("  BitBlt " + Size(b.Width, b.Height) + " (the close button)", buttonBlit, "ms");
  int step = 0;
  const double fade = bench::TimeMs(500, [&] {
    step = (step + 1) % 9;
    engine.DrawCaptionButton(i, k, nullptr, false, step * 30);
  });
  bench::Report("  fade step (the close button)", fade, "ms",
                bench::Ratio(fade, buttonBlit) + Target(0.3));
  ::DestroyWindow(window);
  bench::PumpMessages();
}

}  // namespace

int main() {
  {
    bench::ProgramSkin program;
    const Case cases[] = {
        {"FrameBenchMain", 512, 394, false, false, 2.0, 16.0, 0},
        {"FrameBenchStatus", 512, 394, true, true, 2.0, 16.0, 0},
        {"FrameBenchMaximised", 1920, 1080, false, false, 6.0, 50.0, 24},
        {"FrameBenchMaximisedStatus", 1920, 1080, true, true, 6.0, 50.0, 24},
    };
    std::printf(
        "The program's picture stretched (mode 3) under a black frame.\n"
        "Stages are means per render, measured with a flush after each.\n");
    for (const Case& c : cases) Measure(program.engine, c);
  }
  return 0;
}
