// Measures the skinned frame of the 512 x 394 main window: one full render
// and one step of the caption-button fade, each against a plain BitBlt of the
// same size.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "bench/bench_util.h"
#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/image_codecs.h"
#include "graphics/line_brush.h"
#include "platform/files.h"
#include "platform/gdiplus_session.h"
#include "platform/handles.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace {

constexpr int kWidth = 512, kHeight = 394;

// The sample class's background when the source tree is at hand, else a
// drawn picture of the same size.
std::vector<uint8_t> Background() {
  std::string path = "Z:" ROLLCALL_EXAMPLES_DIR "/img/背景.jpg";
  for (char& c : path)
    if (c == '/') c = '\\';
  std::vector<uint8_t> bytes = platform::ReadWholeFile(path);
  if (!bytes.empty()) return bytes;
  graphics::Bitmap picture;
  picture.CreateBitmap(1024, 788);
  graphics::Graphics g;
  g.GetImageGraphicsContext(picture);
  graphics::LineBrush sky;
  sky.CreateLineBrush({0, 0}, {0, 788}, 0xFF5090D0, 0xFF60B040);
  g.FillRectangleI(sky, 0, 0, 1024, 788);
  return picture.SaveToStream(std::string(graphics::kImageFormatJpeg));
}

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return ::DefWindowProcA(w, m, wp, lp); }

HWND MakeWindow() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "FrameBenchWindow";
  ::RegisterClassExA(&wc);
  return ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 100, 100, kWidth,
                           kHeight, nullptr, nullptr, wc.hInstance, nullptr);
}

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

// Mean milliseconds of `run` over `count` calls, after one warm-up call.
template <typename Run>
double TimeMs(int count, Run run) {
  run();
  const double start = bench::NowMs();
  for (int n = 0; n < count; ++n) run();
  ::GdiFlush();
  return (bench::NowMs() - start) / count;
}

std::string Ratio(double value, double base) {
  char text[64];
  std::snprintf(text, sizeof text, "(%.1f x BitBlt)", base > 0 ? value / base : 0.0);
  return text;
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  platform::StartGdiplus();
  skin::InitSkinModule();
  skin::SetModuleDefaults();
  {
    skin::SkinEngine engine;
    engine.SetTheme(std::nullopt, Background(), 0x000000, 0xFFFFFF, 3);
    engine.SetOptions(true, 150);
    HWND window = MakeWindow();
    skin::SkinWindowOptions o;
    o.captionHeight = 50;
    o.showTitle = false;
    engine.SkinWindow(window, o);
    Pump();
    const int i = skin::FindSkinnedWindow(window);
    HDC frame = skin::WindowRecord(i)->FrameDC.get();

    platform::WindowDC screen(window);
    const double blit = TimeMs(200, [&] {
      ::BitBlt(screen.get(), 0, 0, kWidth, kHeight, frame, 0, 0, SRCCOPY);
    });
    const double buttonBlit = TimeMs(2000, [&] {
      ::BitBlt(screen.get(), kWidth - 39, 1, 38, 18, frame, kWidth - 39, 1, SRCCOPY);
    });
    bench::Report("BitBlt 512 x 394 to the window", blit, "ms");
    bench::Report("BitBlt 38 x 18 (the close button)", buttonBlit, "ms");

    const double render = TimeMs(50, [&] { engine.RenderFrame(i, screen.get()); });
    bench::Report("RenderFrame, shown (512 x 394)", render, "ms", Ratio(render, blit));
    const double offscreen = TimeMs(50, [&] { engine.RenderFrame(i); });
    bench::Report("RenderFrame, off-screen only", offscreen, "ms", Ratio(offscreen, blit));

    int alpha = 0;
    const double fade = TimeMs(500, [&] {
      alpha = (alpha + 30) % 270;
      engine.DrawCaptionButton(i, 1, nullptr, false, alpha);
    });
    bench::Report("fade step (one caption button)", fade, "ms",
                  Ratio(fade, buttonBlit) + " " + Ratio(fade, blit) + " of the window");

    // Pieces of a render. The picture is decoded and placed once per size
    // and mode; later renders draw the placed layer one to one.
    const double background = TimeMs(50, [&] {
      graphics::Graphics g;
      g.CreateFromHDC(frame);
      engine.DrawBackground(g, i);
    });
    bench::Report("  background (placed layer drawn 1:1)", background, "ms");
    graphics::Image decoded;
    const double decode = TimeMs(20, [&] {
      decoded.LoadImageFromStream(skin::Module.BackgroundImage);
      decoded.GetImageWidth();
    });
    const double stretch = TimeMs(20, [&] {
      graphics::Graphics g;
      g.CreateFromHDC(frame);
      g.DrawImageRectRectI(decoded, 0, 0, kWidth, kHeight);
    });
    bench::Report("  placing the picture: decode 1024 x 788", decode, "ms", "(once per size)");
    bench::Report("  placing the picture: stretch to 512 x 394", stretch, "ms", "(once per size)");
    const double region = TimeMs(50, [&] {
      ::SetWindowRgn(window, nullptr, TRUE);
      ::SetWindowRgn(window, ::CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 5, 5), TRUE);
    });
    bench::Report("  window region set afresh", region, "ms");
    ::DestroyWindow(window);
    Pump();
    engine.Destroy();
  }
  skin::ExitSkinModule();
  return 0;
}
