#include "skin/engine/properties.h"

#include <algorithm>

#include "skin/engine/child_families.h"
#include "skin/engine/registry.h"

namespace skin {

intptr_t GetIntProp(HWND window, const char* key) {
  return reinterpret_cast<intptr_t>(::GetPropA(window, key));
}

void SetIntProp(HWND window, const char* key, intptr_t value) {
  ::SetPropA(window, key, reinterpret_cast<HANDLE>(value));
}

WNDPROC ReplaceWindowProc(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT ForwardMessage(const char* key, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC saved = GetHandleProp<WNDPROC>(window, key);
  if (!saved) return ::DefWindowProcA(window, message, wParam, lParam);
  return ::CallWindowProcA(saved, window, message, wParam, lParam);
}

std::string GetClassText(HWND window) {
  char name[256] = {};
  const int n = ::GetClassNameA(window, name, 255);
  return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(std::max(0, ::GetWindowTextA(window, text.data(), length + 1))));
  return text;
}

namespace {

// Every window keeps its properties true after a window before it has gone.
void RenumberWindows() {
  for (int j = 1; j <= WindowCount(); ++j) {
    SkinnedWindow& w = *WindowRecord(j);
    SetIntProp(w.Hwnd, prop::Hw_lbID, j);
    RenumberChildren(w, j);
  }
}

void ReleaseFrameSurfaces(SkinnedWindow& w) {
  if (w.FrameDC) {
    // The DC's first bitmap goes back in before the DC and the frame go.
    if (HGDIOBJ first = ::GetPropA(w.Hwnd, prop::Ck_Ycjdx)) ::SelectObject(w.FrameDC.get(), first);
    w.FrameDC.reset();
  }
  w.FrameBitmap.reset();
  w.CaptionCacheDC.reset();
  w.StatusCacheDC.reset();
}

}  // namespace

void UnregisterWindow(HWND window) {
  auto& windows = SkinnedWindows();
  if (const int i = FindSkinnedWindow(window)) {
    SkinnedWindow& w = *WindowRecord(i);
    ReleaseChildren(w);
    ReleaseFrameSurfaces(w);
    // The tooltip window belongs to this window alone.
    if (HWND tip = w.Tooltip.GetWindow()) ::DestroyWindow(tip);
    windows.erase(windows.begin() + (i - 1));
  }
  RenumberWindows();
}

}  // namespace skin
