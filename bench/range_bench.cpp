// Measures one paint of each range control of the gallery under a veil: a
// track bar with ticks on both sides, a progress bar and an up-down
// control, each against a plain BitBlt of the same size.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "bench/bench_skin.h"
#include "bench/bench_surfaces.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "examples/gallery/gallery_ranges.h"
#include "platform/handles.h"
#include "skin/controls/ranges/ranges.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/registry.h"

int main() {
  {
    bench::ProgramSkin program;
    HWND window = bench::MakePlainWindow("RangeBenchWindow", 1000, 240);
    platform::UniqueFont font(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                            GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                            DEFAULT_QUALITY, DEFAULT_PITCH, "宋体"));
    const gallery::RangeControls ranges =
        gallery::CreateRangeControls(window, font.get(), 24, 60, 952);
    ::KillTimer(window, gallery::kPulseTimer);  // nothing moves while measured
    skin::SkinWindowOptions o;
    o.captionHeight = 40;
    program.engine.SkinWindow(window, o);
    bench::PumpMessages();
    const int i = skin::FindSkinnedWindow(window);
    const skin::SkinnedWindow* w = skin::WindowRecord(i);
    if (!w) {
      bench::ReportText("the window could not be skinned", "not measured", "");
      return 1;
    }

    const SIZE bar = bench::WindowSize(ranges.volume);
    const double barBlit = bench::BlitOf(bar);
    const int barIndex = skin::FindChild(w->TrackBars, ranges.volume);
    const double track = bench::TimeMs(300, [&] { skin::PaintTrackBar(i, barIndex); });
    bench::Report("track bar paint", track, "ms", bench::Ratio(track, barBlit));

    const SIZE progress = bench::WindowSize(ranges.progress);
    const double progressBlit = bench::BlitOf(progress);
    const int progressIndex = skin::FindChild(w->ProgressBars, ranges.progress);
    const double fill = bench::TimeMs(300, [&] { skin::PaintProgressBar(i, progressIndex); });
    bench::Report("progress bar paint", fill, "ms", bench::Ratio(fill, progressBlit));

    const SIZE spin = bench::WindowSize(ranges.spin);
    const double spinBlit = bench::BlitOf(spin);
    const int spinIndex = skin::FindChild(w->UpDowns, ranges.spin);
    const double halves =
        bench::TimeMs(300, [&] { skin::PaintUpDown(i, spinIndex, true, false, MAKELPARAM(2, 2)); });
    bench::Report("up-down paint, one half hot", halves, "ms", bench::Ratio(halves, spinBlit));

    ::DestroyWindow(window);
    bench::PumpMessages();
  }
  return 0;
}
