// Measures the paints of the gallery's class form under a veil: one edit
// ring, one drop-down-list combo, one header of three items and one
// translucent list-view client paint, each against a plain BitBlt of the
// same size.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "bench/bench_skin.h"
#include "bench/bench_surfaces.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "examples/gallery/gallery_form.h"
#include "platform/handles.h"
#include "skin/controls/edits/edits.h"
#include "skin/controls/lists/lists.h"
#include "skin/engine/child_registration.h"
#include "skin/engine/registry.h"

int main() {
  {
    bench::ProgramSkin program;
    HWND window = bench::MakePlainWindow("FormBenchWindow", 1000, 640);
    platform::UniqueFont font(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                            GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                            DEFAULT_QUALITY, DEFAULT_PITCH, "宋体"));
    const gallery::ClassForm form =
        gallery::CreateClassForm(window, font.get(), 600, 56, 24, 320, 952);
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

    const SIZE edit = bench::WindowSize(form.name);
    const double editBlit = bench::BlitOf(edit);
    const double ring = bench::TimeMs(300, [&] { skin::PaintEditFrame(form.name); });
    bench::Report("edit ring paint", ring, "ms", bench::Ratio(ring, editBlit));

    const SIZE combo = bench::WindowSize(form.subject);
    const double comboBlit = bench::BlitOf(combo);
    const int comboIndex = skin::FindChild(w->ComboControls, form.subject);
    const double list = bench::TimeMs(300, [&] { skin::PaintComboBox(i, comboIndex, false); });
    bench::Report("drop-down-list combo paint", list, "ms", bench::Ratio(list, comboBlit));

    HWND header = ::FindWindowExA(form.roll, nullptr, "SysHeader32", nullptr);
    const SIZE headerSize = bench::WindowSize(header);
    const double headerBlit = bench::BlitOf(headerSize);
    const int headerIndex = skin::FindChild(w->Headers, header);
    platform::MemorySurface headerSurface = bench::SurfaceOf(headerSize.cx, headerSize.cy);
    const double items =
        bench::TimeMs(300, [&] { skin::PaintHeader(i, headerIndex, headerSurface.dc()); });
    bench::Report("header paint, three items", items, "ms", bench::Ratio(items, headerBlit));

    RECT client;
    ::GetClientRect(form.roll, &client);
    const double clientBlit = bench::BlitOf(SIZE{client.right, client.bottom});
    const double view = bench::TimeMs(100, [&] {
      ::RedrawWindow(form.roll, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    bench::Report("translucent list-view client paint", view, "ms",
                  bench::Ratio(view, clientBlit) + ", the view's own drawing included");

    ::DestroyWindow(window);
    bench::PumpMessages();
  }
  return 0;
}
