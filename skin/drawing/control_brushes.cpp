#include "skin/drawing/control_brushes.h"

#include <algorithm>

#include "skin/engine/properties.h"

namespace skin {
namespace {

ControlBrush& EntryFor(SkinnedWindow& w, HWND control) {
  auto it = std::find_if(w.ControlBrushes.begin(), w.ControlBrushes.end(),
                         [control](const ControlBrush& b) { return b.control == control; });
  if (it != w.ControlBrushes.end()) return *it;
  // A new control may stand where one went: the list holds live controls only.
  DeleteBrushesOfGoneControls(w);
  w.ControlBrushes.push_back(ControlBrush{control, {}, {}});
  return w.ControlBrushes.back();
}

}  // namespace

HBRUSH SetPatternBrush(SkinnedWindow& w, HWND control, platform::UniqueBitmap bitmap) {
  ControlBrush& entry = EntryFor(w, control);
  entry.brush.reset();
  entry.bitmap.reset();
  if (bitmap) entry.brush.reset(::CreatePatternBrush(bitmap.get()));
  entry.bitmap = std::move(bitmap);
  SetHandleProp(control, prop::Kj_dxjb, entry.brush.get());
  SetHandleProp(control, prop::Kj_wtjb, entry.bitmap.get());
  return entry.brush.get();
}

HBRUSH SetHollowBrush(SkinnedWindow& w, HWND control) {
  EntryFor(w, control).brush.reset();
  HBRUSH hollow = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
  SetHandleProp(control, prop::Kj_dxjb, hollow);
  return hollow;
}

void DeleteControlBrush(SkinnedWindow& w, HWND control) {
  auto it = std::find_if(w.ControlBrushes.begin(), w.ControlBrushes.end(),
                         [control](const ControlBrush& b) { return b.control == control; });
  if (it == w.ControlBrushes.end()) return;
  w.ControlBrushes.erase(it);
  if (::IsWindow(control)) {
    ::RemovePropA(control, prop::Kj_dxjb);
    ::RemovePropA(control, prop::Kj_wtjb);
  }
}

void DeleteBrushesOfGoneControls(SkinnedWindow& w) {
  auto& brushes = w.ControlBrushes;
  brushes.erase(std::remove_if(brushes.begin(), brushes.end(),
                               [](const ControlBrush& b) { return !::IsWindow(b.control); }),
                brushes.end());
}

void ReleaseAllControlBrushes(SkinnedWindow& w) { w.ControlBrushes.clear(); }

}  // namespace skin
