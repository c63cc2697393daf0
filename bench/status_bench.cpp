// Measures the status strip: one panel redrawn on its own with glowing text,
// and one render of a 512 x 394 frame carrying a three-panel strip, each
// against a plain BitBlt of the same size.
#include <windows.h>

#include <string>
#include <vector>

#include "bench/bench_skin.h"
#include "bench/bench_surfaces.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "platform/handles.h"
#include "skin/engine/registry.h"

namespace {

skin::StatusPanel Panel(int width, const char* text) {
  skin::StatusPanel p;
  p.width = width;
  p.text = text;
  return p;
}

}  // namespace

int main() {
  {
    bench::ProgramSkin program;
    HWND window = bench::MakePlainWindow("StatusBenchWindow", 512, 394);
    skin::SkinWindowOptions o;
    o.statusHeight = 22;
    o.statusPanels = std::vector<skin::StatusPanel>{Panel(150, "第一个面板"),
                                                    Panel(170, "发光的文字"), Panel(-1, "其余")};
    program.engine.SkinWindow(window, o);
    bench::PumpMessages();
    const int i = skin::FindSkinnedWindow(window);
    const skin::SkinnedWindow* w = skin::WindowRecord(i);
    if (!w) {
      bench::ReportText("the window could not be skinned", "not measured", "");
      return 1;
    }
    program.engine.RenderFrame(i);

    const skin::IntRect panel = w->StatusPanelRects.at(2);
    const double panelBlit = bench::BlitOf(SIZE{panel.width, panel.height});
    program.engine.SetStatusStyle(window, false, true, 0x000000, 0xFFFFFF);
    const double glow = bench::TimeMs(300, [&] { program.engine.DrawStatusBar(i, nullptr, 2); });
    bench::Report("status panel redraw, glowing", glow, "ms", bench::Ratio(glow, panelBlit));
    program.engine.SetStatusStyle(window, true, false);
    const double plain = bench::TimeMs(300, [&] { program.engine.DrawStatusBar(i, nullptr, 2); });
    bench::Report("status panel redraw, plain", plain, "ms", bench::Ratio(plain, panelBlit));

    const double frameBlit = bench::BlitOf(SIZE{512, 394});
    program.engine.SetStatusStyle(window, false, true, 0x000000, 0xFFFFFF);
    const double render = bench::TimeMs(100, [&] { program.engine.RenderFrame(i); });
    bench::Report("frame render with a glowing status strip", render, "ms",
                  bench::Ratio(render, frameBlit));

    // The same frame without a strip, for what the strip itself costs.
    HWND bare = bench::MakePlainWindow("StatusBenchBareWindow", 512, 394);
    program.engine.SkinWindow(bare);
    bench::PumpMessages();
    const int b = skin::FindSkinnedWindow(bare);
    const double without = bench::TimeMs(100, [&] { program.engine.RenderFrame(b); });
    bench::Report("frame render without a status strip", without, "ms",
                  bench::Ratio(without, frameBlit));

    // The same window at a maximised 1920 x 1080.
    ::SetWindowPos(window, nullptr, 0, 0, 1920, 1080, SWP_NOZORDER | SWP_NOACTIVATE);
    bench::PumpMessages();
    const double bigBlit = bench::BlitOf(SIZE{1920, 1080});
    const double big = bench::TimeMs(20, [&] { program.engine.RenderFrame(i); });
    bench::Report("frame render 1920 x 1080 with the strip", big, "ms", bench::Ratio(big, bigBlit));

    ::DestroyWindow(bare);
    ::DestroyWindow(window);
    bench::PumpMessages();
  }
  return 0;
}
