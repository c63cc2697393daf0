// Measures the skinned frame of the 512 x 394 main window: one full render
// and one step of the caption-button fade, each against a plain BitBlt of the
// same size.
#include <windows.h>

#include <string>
#include <vector>

#include "bench/bench_skin.h"
#include "bench/bench_util.h"
#include "bench/bench_window.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "platform/handles.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace {

constexpr int kWidth = 512, kHeight = 394;

}  // namespace

int main() {
  {
    bench::ProgramSkin program;
    skin::SkinEngine& engine = program.engine;
    HWND window = bench::MakePlainWindow("FrameBenchWindow", kWidth, kHeight);
    skin::SkinWindowOptions o;
    o.captionHeight = 50;
    o.showTitle = false;
    engine.SkinWindow(window, o);
    bench::PumpMessages();
    const int i = skin::FindSkinnedWindow(window);
    HDC frame = skin::WindowRecord(i)->FrameDC.get();

    platform::WindowDC screen(window);
    const double blit = bench::TimeMs(200, [&] {
      ::BitBlt(screen.get(), 0, 0, kWidth, kHeight, frame, 0, 0, SRCCOPY);
    });
    const double buttonBlit = bench::TimeMs(2000, [&] {
      ::BitBlt(screen.get(), kWidth - 39, 1, 38, 18, frame, kWidth - 39, 1, SRCCOPY);
    });
    bench::Report("BitBlt 512 x 394 to the window", blit, "ms");
    bench::Report("BitBlt 38 x 18 (the close button)", buttonBlit, "ms");

    const double render = bench::TimeMs(50, [&] { engine.RenderFrame(i, screen.get()); });
    bench::Report("RenderFrame, shown (512 x 394)", render, "ms", bench::Ratio(render, blit));
    const double offscreen = bench::TimeMs(50, [&] { engine.RenderFrame(i); });
    bench::Report("RenderFrame, off-screen only", offscreen, "ms", bench::Ratio(offscreen, blit));

    int alpha = 0;
    const double fade = bench::TimeMs(500, [&] {
      alpha = (alpha + 30) % 270;
      engine.DrawCaptionButton(i, 1, nullptr, false, alpha);
    });
    bench::Report("fade step (one caption button)", fade, "ms",
                  bench::Ratio(fade, buttonBlit) + " " + bench::Ratio(fade, blit) + " of the window");

    // Pieces of a render. The picture is decoded and placed once per size
    // and mode; later renders draw the placed layer one to one.
    const double background = bench::TimeMs(50, [&] {
      graphics::Graphics g;
      g.CreateFromHDC(frame);
      engine.DrawBackground(g, i);
    });
    bench::Report("  background (placed layer drawn 1:1)", background, "ms");
    graphics::Image decoded;
    const double decode = bench::TimeMs(20, [&] {
      decoded.LoadImageFromStream(skin::Module.BackgroundImage);
      decoded.GetImageWidth();
    });
    const double stretch = bench::TimeMs(20, [&] {
      graphics::Graphics g;
      g.CreateFromHDC(frame);
      g.DrawImageRectRectI(decoded, 0, 0, kWidth, kHeight);
    });
    bench::Report("  placing the picture: decode 1024 x 788", decode, "ms", "(once per size)");
    bench::Report("  placing the picture: stretch to 512 x 394", stretch, "ms", "(once per size)");
    const double region = bench::TimeMs(50, [&] {
      ::SetWindowRgn(window, nullptr, TRUE);
      ::SetWindowRgn(window, ::CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 5, 5), TRUE);
    });
    bench::Report("  window region set afresh", region, "ms");
    ::DestroyWindow(window);
    bench::PumpMessages();
  }
  return 0;
}
