#include "skin/engine/skin_engine.h"

#include "platform/gdiplus_session.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/frame/thread_dialogs.h"

namespace skin {
namespace {

// The engine has one instance; the entry point reaches the latest one built.
SkinEngine* g_instance = nullptr;

LRESULT CALLBACK FrameEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_instance) return g_instance->FrameWndProc(window, message, wParam, lParam);
  return ForwardMessage(prop::Hw_hProc, window, message, wParam, lParam);
}

}  // namespace

SkinEngine::SkinEngine() {
  g_instance = this;
  FrameProcEntry = FrameEntry;
  Module.ThemeColour = ::GetSysColor(COLOR_BTNFACE);
}

SkinEngine::~SkinEngine() {
  ForgetThreadDialogs(this);
  if (g_instance == this) g_instance = nullptr;
}

void SkinEngine::Destroy() {
  Release();
  platform::ShutdownGdiplus();
}

void SkinEngine::Release() {
  ForgetThreadDialogs(this);
  if (ModuleIcon) {
    ::DestroyIcon(ModuleIcon);
    ModuleIcon = nullptr;
  }
  // GDI+ objects the windows still hold go while GDI+ is up.
  for (auto& w : SkinnedWindows()) w->Background.Reset();
  if (g_instance == this) g_instance = nullptr;
  FrameProcEntry = nullptr;
}

std::unique_ptr<SkinEngine> SkinEngine::Copy() const { return std::make_unique<SkinEngine>(*this); }

void SkinEngine::SetControlTextColour(HWND control, Colour colour) {
  if (!control) return;
  HWND target = control;
  if (GetClassText(control) == "ComboBox") {
    target = ::FindWindowExA(control, nullptr, "Edit", nullptr);
    if (!target) return;
  }
  SetIntProp(target, prop::Kj_Ztys, static_cast<intptr_t>(colour));
}

Colour SkinEngine::GetThemeColour() const { return Module.ThemeColour; }

}  // namespace skin
