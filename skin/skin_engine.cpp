#include "skin/skin_engine.h"

#include "platform/gdiplus_session.h"
#include "skin/module_state.h"

namespace skin {
namespace {

// The engine has one instance; the entry point reaches the latest one built.
SkinEngine* g_instance = nullptr;

LRESULT CALLBACK FrameEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_instance) return g_instance->FrameWndProc(window, message, wParam, lParam);
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

SkinEngine::SkinEngine() {
  g_instance = this;
  FrameProcEntry = FrameEntry;
  Module.ThemeColour = ::GetSysColor(COLOR_BTNFACE);
}

void SkinEngine::Destroy() {
  if (ModuleIcon) {
    ::DestroyIcon(ModuleIcon);
    ModuleIcon = nullptr;
  }
  platform::ShutdownGdiplus();
  if (g_instance == this) g_instance = nullptr;
  FrameProcEntry = nullptr;
}

std::unique_ptr<SkinEngine> SkinEngine::Copy() const { return std::make_unique<SkinEngine>(*this); }

LRESULT SkinEngine::FrameWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace skin
