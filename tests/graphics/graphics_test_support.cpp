#include "tests/graphics/graphics_test_support.h"

#include <fstream>

#include "tests/graphics/gif_writer.h"

namespace graphics_test {

using namespace Gdiplus;

const std::vector<uint8_t>& FixturePng() {
  static const std::vector<uint8_t> png = [] {
    graphics::Bitmap bitmap;
    bitmap.CreateBitmap(12, 8);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 12; ++x) {
        bitmap.BitmapSetPixel(x, y, (x >= 2 && x < 6 && y >= 2 && y < 6) ? 0xFFFF0000 : 0xFF0000FF);
      }
    }
    return bitmap.SaveToStream(std::string(graphics::kImageFormatPng));
  }();
  return png;
}

const std::string& FixtureFile() {
  static const std::string path = [] {
    std::string name = "fixture.png";
    std::ofstream out(name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(FixturePng().data()), FixturePng().size());
    return name;
  }();
  return path;
}

const std::vector<uint8_t>& AnimationGif() {
  static const std::vector<uint8_t> gif = [] {
    const uint32_t palette[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    return WriteAnimatedGif(10, 6, palette, {{0, 10}, {1, 20}, {2, 30}});
  }();
  return gif;
}

HWND TestWindow() {
  static HWND window = ::CreateWindowExA(0, "STATIC", "graphics", WS_POPUP, 0, 0, 64, 64, nullptr,
                                         nullptr, ::GetModuleHandleA(nullptr), nullptr);
  return window;
}

Fixture::Fixture(bool filled) : window(TestWindow()), dc(::CreateCompatibleDC(nullptr)) {
  if (!filled) return;
  bitmap.CreateBitmap(32, 32);
  other.CreateBitmap(8, 8);
  image.LoadImageFromStream(FixturePng());
  animation.LoadImageFromStream(AnimationGif());
  {
    GpMetafile* native = nullptr;
    RectF frame(0, 0, 20, 20);
    DllExports::GdipRecordMetafile(dc.get(), EmfTypeEmfPlusDual, &frame, MetafileFrameUnitPixel,
                                   L"fixture", &native);
    GpGraphics* recorder = nullptr;
    if (native && DllExports::GdipGetImageGraphicsContext(native, &recorder) == Ok) {
      GpSolidFill* brush = nullptr;
      DllExports::GdipCreateSolidFill(0xFF00FF00, &brush);
      DllExports::GdipFillRectangleI(recorder, brush, 2, 2, 10, 10);
      DllExports::GdipDeleteBrush(brush);
      DllExports::GdipDeleteGraphics(recorder);
    }
    metafile.SetNative(native);
  }
  g.GetImageGraphicsContext(bitmap);
  path.CreatePath();
  path.AddPathRectangle(2, 2, 20, 20);
  pen.CreatePen1(0xFF000000, 1);
  solid.CreateSolidFill(0xFFFF0000);
  line.CreateLineBrush(PointF(0, 0), PointF(30, 0), 0xFF000000, 0xFFFFFFFF);
  gradient.CreatePathGradientFromPath(path);
  family.CreateFontFamilyFromName("宋体");
  font.CreateFont(family, 10);
  collection.NewInstalledFontCollection();
  format.CreateStringFormat();
  format.SetStringFormatMeasurableCharacterRanges({CharacterRange(0, 1)});
  region.CreateRegionRect(RectF(2, 2, 10, 10));
}

void Fixture::Clear(int member) {
  switch (member) {
    case 0: g = graphics::Graphics(); break;
    case 1:
      g = graphics::Graphics();
      bitmap = graphics::Bitmap();
      break;
    case 2: other = graphics::Bitmap(); break;
    case 3: image = graphics::Image(); break;
    case 4: metafile = graphics::Image(); break;
    case 5: animation = graphics::Image(); break;
    case 6: path = graphics::Path(); break;
    case 7: pen = graphics::Pen(); break;
    case 8: solid = graphics::SolidFill(); break;
    case 9: line = graphics::LineBrush(); break;
    case 10: gradient = graphics::PathGradient(); break;
    case 11: family = graphics::FontFamily(); break;
    case 12: font = graphics::Font(); break;
    case 13: collection = graphics::FontCollection(); break;
    case 14: format = graphics::StringFormat(); break;
    case 15: region = graphics::Region(); break;
    default: break;
  }
}

bool RunningUnderWine() {
  HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace graphics_test
