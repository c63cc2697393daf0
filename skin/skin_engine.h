// The skin engine: one object through which windows are given their look.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

namespace skin {

class SkinEngine {
 public:
  // Binds the frame procedure entry to this object and takes the platform's
  // button-face colour as the theme colour.
  SkinEngine();
  ~SkinEngine() = default;
  SkinEngine(const SkinEngine&) = default;
  SkinEngine& operator=(const SkinEngine&) = default;

  // Operations, in table order.
  void Destroy();                                    // 0: icon and GDI+ go
  std::unique_ptr<SkinEngine> Copy() const;          // 1
  LRESULT FrameWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);  // 2

  // Window procedure entry installed on skinned windows; reaches this object.
  WNDPROC FrameProcEntry = nullptr;
  int32_t FrameMargin = 0;
  int32_t HotButton = 0;
};

}  // namespace skin
