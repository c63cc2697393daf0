// Measures the paints of the skinned controls on a window laid out as the
// roll-call window: one push-button paint (176 x 40) and one full paint of
// the group box (514 x 343), each against a plain BitBlt of the same size.
#include <windows.h>

#include "bench/bench_skin.h"
#include "bench/bench_surfaces.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "platform/handles.h"
#include "skin/controls/buttons/buttons.h"
#include "skin/controls/containers/containers.h"
#include "skin/drawing/background_capture.h"
#include "skin/engine/skin_engine.h"

namespace {

constexpr int kWidth = 512, kHeight = 394;
constexpr RECT kButton{64, 344, 64 + 176, 344 + 40};
constexpr RECT kGroupBox{0, -7, 514, -7 + 343};

HWND MakeChild(HWND parent, const char* text, DWORD style, const RECT& r) {
  return ::CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, nullptr, nullptr, nullptr);
}

}  // namespace

int main() {
  {
    bench::ProgramSkin program;
    skin::SkinEngine& engine = program.engine;
    HWND window = bench::MakePlainWindow("ControlsBenchWindow", kWidth, kHeight);
    HWND groupBox = MakeChild(window, "", BS_GROUPBOX, kGroupBox);
    HWND captioned = MakeChild(window, "抽取方式", BS_GROUPBOX | BS_LEFT, RECT{20, 20, 280, 200});
    ::ShowWindow(captioned, SW_HIDE);
    HWND button = MakeChild(window, "开始", BS_PUSHBUTTON, kButton);
    skin::SkinWindowOptions o;
    o.captionHeight = 50;
    o.showTitle = false;
    engine.SkinWindow(window, o);
    engine.SkinChildren(groupBox, 1, ::GetSysColor(COLOR_BTNFACE), 0);
    engine.SkinChildren(captioned, 1, 0xFFFFFF, 60);
    bench::PumpMessages();

    const RECT buttonRect{0, 0, kButton.right - kButton.left, kButton.bottom - kButton.top};
    platform::MemorySurface buttonSurface = bench::SurfaceOf(buttonRect);
    platform::MemorySurface source = bench::SurfaceOf(buttonRect);
    const double buttonBlit = bench::TimeMs(2000, [&] {
      ::BitBlt(buttonSurface.dc(), 0, 0, buttonRect.right, buttonRect.bottom, source.dc(), 0, 0,
               SRCCOPY);
    });
    bench::Report("BitBlt 176 x 40", buttonBlit, "ms");
    const double normal = bench::TimeMs(
        300, [&] { skin::PaintPushButton(button, buttonSurface.dc(), 0, buttonRect); });
    bench::Report("push button paint, normal", normal, "ms", bench::Ratio(normal, buttonBlit));
    const double hot = bench::TimeMs(300, [&] {
      skin::PaintPushButton(button, buttonSurface.dc(), skin::kStateHot | skin::kStatePressed,
                            buttonRect);
    });
    bench::Report("push button paint, hot and pressed", hot, "ms", bench::Ratio(hot, buttonBlit));

    const RECT boxRect{0, 0, kGroupBox.right - kGroupBox.left, kGroupBox.bottom - kGroupBox.top};
    platform::MemorySurface boxSurface = bench::SurfaceOf(boxRect);
    platform::MemorySurface boxSource = bench::SurfaceOf(boxRect);
    const double boxBlit = bench::TimeMs(500, [&] {
      ::BitBlt(boxSurface.dc(), 0, 0, boxRect.right, boxRect.bottom, boxSource.dc(), 0, 0, SRCCOPY);
    });
    bench::Report("BitBlt 514 x 343", boxBlit, "ms");
    const double capture = bench::TimeMs(
        100, [&] { skin::ReleaseSurface(skin::CaptureParentBackground(groupBox, boxRect)); });
    bench::Report("  of which: capturing what lies behind", capture, "ms",
                  bench::Ratio(capture, boxBlit));
    const double full =
        bench::TimeMs(100, [&] { skin::FullPaintContainer(groupBox, boxSurface.dc()); });
    bench::Report("group box full paint (no caption)", full, "ms", bench::Ratio(full, boxBlit));
    const RECT tintedRect{0, 0, 260, 180};
    const double tinted = bench::TimeMs(
        100, [&] { skin::ReleaseSurface(skin::CaptureParentBackground(captioned, tintedRect)); });
    bench::Report("  capture 260 x 180 under a tint", tinted, "ms",
                  bench::Ratio(tinted, boxBlit) + " of 514 x 343");
    const double withCaption =
        bench::TimeMs(100, [&] { skin::FullPaintContainer(captioned, boxSurface.dc()); });
    bench::Report("group box 260 x 180, caption and tint", withCaption, "ms",
                  bench::Ratio(withCaption, boxBlit) + " of 514 x 343");

    ::DestroyWindow(window);
    bench::PumpMessages();
  }
  return 0;
}
