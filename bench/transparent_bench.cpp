// Measures one paint of a transparent tab control (the control's own paint
// into a captured surface, keyed over its veiled background and shown)
// against a plain BitBlt of the same size.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "bench/bench_skin.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "platform/handles.h"
#include "skin/engine/registry.h"

namespace {

platform::MemorySurface SurfaceOf(int width, int height) {
  platform::WindowDC screen(nullptr);
  return platform::MemorySurface(
      screen.get(), platform::UniqueBitmap(::CreateCompatibleBitmap(screen.get(), width, height)));
}

}  // namespace

int main() {
  {
    bench::ProgramSkin program;
    HWND window = bench::MakePlainWindow("TransparentBenchWindow", 640, 480);
    HWND tab = ::CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 20,
                                 60, 400, 300, window, nullptr, nullptr, nullptr);
    char first[] = "第一页", second[] = "第二页";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = first;
    ::SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.pszText = second;
    ::SendMessageA(tab, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
    program.engine.SkinWindow(window);
    bench::PumpMessages();
    if (!skin::FindSkinnedWindow(window)) {
      bench::ReportText("the window could not be skinned", "not measured", "");
      return 1;
    }
    program.engine.SkinTransparentChild(tab);
    bench::PumpMessages();

    RECT client;
    ::GetClientRect(tab, &client);
    platform::MemorySurface target = SurfaceOf(client.right, client.bottom);
    platform::MemorySurface source = SurfaceOf(client.right, client.bottom);
    const double blit = bench::TimeMs(2000, [&] {
      ::BitBlt(target.dc(), 0, 0, client.right, client.bottom, source.dc(), 0, 0, SRCCOPY);
    });
    bench::Report("BitBlt " + std::to_string(client.right) + " x " + std::to_string(client.bottom),
                  blit, "ms");
    const double paint = bench::TimeMs(200, [&] {
      ::RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    bench::Report("transparent tab-control paint", paint, "ms",
                  bench::Ratio(paint, blit) + ", the control's own drawing included");

    ::DestroyWindow(window);
    bench::PumpMessages();
  }
  return 0;
}
