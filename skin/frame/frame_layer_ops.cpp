#include "skin/frame/frame_layer_ops.h"

#include <algorithm>
#include <cstring>

#include "skin/engine/module_state.h"

namespace skin {
namespace {

void AddRect(LayerKey& key, const IntRect& r) { key.Add(r.x).Add(r.y).Add(r.width).Add(r.height); }

void AddFloat(LayerKey& key, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  key.Add(bits);
}

}  // namespace

LayerKey BaseKeyOf(const SkinnedWindow& w, SIZE size) {
  const bool own = !w.BackImage.empty();
  LayerKey key;
  key.Add(size.cx).Add(size.cy);
  key.Add(own).Add(own ? w.BackColour : Module.ThemeColour);
  key.Add(own ? w.BackImage : Module.BackgroundImage).Add(own ? w.BackMode : Module.BackgroundMode);
  key.Add(w.CaptionGloss).Add(w.CaptionHeight).Add(w.ShowCaption);
  key.Add(w.StatusHeight);
  AddRect(key, w.StatusRect);
  return key;
}

LayerKey ButtonsKeyOf(const SkinnedWindow& w) {
  LayerKey key;
  key.Add(w.ButtonsLeft).Add(w.ButtonsTop).Add(w.ButtonsWidth).Add(w.ButtonsHeight);
  key.Add(w.Maximised).Add(Module.AccentColour).Add(w.CaptionButtons.count());
  for (const CaptionButton& b : w.CaptionButtons) {
    key.Add(b.Kind).Add(b.Width).Add(b.Height);
    AddFloat(key, b.Rect.X);
    AddFloat(key, b.Rect.Y);
    AddFloat(key, b.Rect.Width);
    AddFloat(key, b.Rect.Height);
    key.Add(b.ButtonImage).Add(b.AltImage);
  }
  return key;
}

LayerKey DecorationKeyOf(const SkinnedWindow& w, const std::string& title, int frameMargin) {
  LayerKey key = ButtonsKeyOf(w);
  key.Add(w.ShowCaption).Add(w.ShowTitle).Add(title).Add(frameMargin);
  key.Add(reinterpret_cast<intptr_t>(ModuleIcon));
  key.Add(w.TitleFontName).Add(w.TitleFontSize).Add(w.TitleFontStyle);
  key.Add(w.TitleColour).Add(w.TitleShadowColour);
  key.Add(w.StatusHeight);
  AddRect(key, w.StatusRect);
  key.Add(w.StatusThemeText).Add(w.StatusGlow).Add(w.StatusTextColour).Add(w.StatusGlowColour);
  key.Add(w.StatusFontName).Add(w.StatusFontSize).Add(Module.ThemeColour);
  key.Add(w.StatusPanels.count());
  for (const StatusPanel& p : w.StatusPanels)
    key.Add(p.width).Add(p.text).Add(p.image).Add(p.colour);
  key.Add(w.StatusPanelRects.count());
  for (const IntRect& r : w.StatusPanelRects) AddRect(key, r);
  return key;
}

platform::UniqueBitmap NewFrameBitmap(int width, int height, FrameLayers& layers) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as GDI+ makes its frame bitmaps
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const size_t bytes = static_cast<size_t>(width) * height * 4;
  if (!layers.section || layers.sectionBytes != bytes) {
    layers.section.reset();
    layers.sectionBytes = 0;
    const unsigned long long size = bytes;
    layers.section = platform::UniqueHandle(
        ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                             static_cast<DWORD>(size >> 32), static_cast<DWORD>(size), nullptr));
    if (layers.section) layers.sectionBytes = bytes;
  }
  void* bits = nullptr;
  if (layers.section) {
    platform::UniqueBitmap mapped(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, layers.section.get(), 0));
    if (mapped) return mapped;
  }
  return platform::UniqueBitmap(
      ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

bool ViewOf(HBITMAP bitmap, DibView& view) {
  DIBSECTION section{};
  if (!bitmap || ::GetObjectA(bitmap, sizeof section, &section) != sizeof section) return false;
  if (!section.dsBm.bmBits || section.dsBm.bmBitsPixel != 32) return false;
  view.bits = static_cast<uint32_t*>(section.dsBm.bmBits);
  view.width = section.dsBm.bmWidth;
  view.height = section.dsBm.bmHeight;
  view.bottomUp = section.dsBmih.biHeight > 0;
  return view.width > 0 && view.height > 0;
}

void SavePixels(const DibView& view, std::vector<uint32_t>& into) {
  ::GdiFlush();
  // Memory kept from a much larger frame (a maximised window restored) goes.
  if (into.capacity() > 2 * view.Count()) std::vector<uint32_t>().swap(into);
  into.assign(view.bits, view.bits + view.Count());
}

bool LoadPixels(const DibView& view, const std::vector<uint32_t>& from) {
  if (from.size() != view.Count()) return false;
  ::GdiFlush();
  std::memcpy(view.bits, from.data(), from.size() * sizeof(uint32_t));
  return true;
}

void SaveRows(const DibView& view, const std::vector<uint32_t>& ground, KeptRows& into) {
  into.Clear();
  if (ground.size() != view.Count()) return;
  ::GdiFlush();
  const size_t width = static_cast<size_t>(view.width);
  for (int r = 0; r < view.height; ++r) {
    const uint32_t* row = view.bits + r * width;
    if (std::memcmp(row, ground.data() + r * width, width * sizeof(uint32_t)) == 0) continue;
    into.rows.push_back(r);
    into.pixels.insert(into.pixels.end(), row, row + width);
  }
  into.valid = true;
}

bool LoadRows(const DibView& view, const std::vector<uint32_t>& ground, const KeptRows& from) {
  const size_t width = static_cast<size_t>(view.width);
  if (!from.valid || from.pixels.size() != from.rows.size() * width) return false;
  if (!LoadPixels(view, ground)) return false;
  for (size_t n = 0; n < from.rows.size(); ++n) {
    if (from.rows[n] < 0 || from.rows[n] >= view.height) return false;
    std::memcpy(view.bits + from.rows[n] * width, from.pixels.data() + n * width,
                width * sizeof(uint32_t));
  }
  return true;
}

bool SaveBox(const DibView& view, KeptButtonStep& box) {
  const int left = std::max(box.x, 0), top = std::max(box.y, 0);
  const int right = std::min(box.x + box.width, view.width);
  const int bottom = std::min(box.y + box.height, view.height);
  if (right <= left || bottom <= top) return false;
  box.x = left;
  box.y = top;
  box.width = right - left;
  box.height = bottom - top;
  ::GdiFlush();
  box.pixels.resize(static_cast<size_t>(box.width) * box.height);
  for (int y = 0; y < box.height; ++y)
    std::memcpy(&box.pixels[static_cast<size_t>(y) * box.width], view.Row(top + y) + left,
                box.width * sizeof(uint32_t));
  return true;
}

void LoadBox(const DibView& view, const KeptButtonStep& box) {
  if (box.x < 0 || box.y < 0 || box.x + box.width > view.width || box.y + box.height > view.height)
    return;
  ::GdiFlush();
  for (int y = 0; y < box.height; ++y)
    std::memcpy(view.Row(box.y + y) + box.x, &box.pixels[static_cast<size_t>(y) * box.width],
                box.width * sizeof(uint32_t));
}

namespace {

size_t BitmapBytes(HBITMAP bitmap) {
  BITMAP b{};
  if (!bitmap || !::GetObjectA(bitmap, sizeof b, &b)) return 0;
  return static_cast<size_t>(b.bmWidthBytes) * b.bmHeight;
}

}  // namespace

size_t KeptFrameBytes(const SkinnedWindow& w) {
  const FrameLayers& kept = w.Layers;
  size_t bytes = kept.sectionBytes ? kept.sectionBytes : BitmapBytes(w.FrameBitmap.get());
  bytes += kept.base.pixels.capacity() * sizeof(uint32_t);
  bytes += kept.finished.pixels.capacity() * sizeof(uint32_t);
  for (const KeptButtonStep& s : kept.buttonSteps) bytes += s.pixels.capacity() * sizeof(uint32_t);
  bytes += BitmapBytes(w.CaptionCacheDC.bitmap()) + BitmapBytes(w.StatusCacheDC.bitmap());
  bytes += w.Background.pixels.capacity() * sizeof(uint32_t);
  return bytes;
}

}  // namespace skin
