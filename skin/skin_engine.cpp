#include "skin/skin_engine.h"

#include "platform/gdiplus_session.h"
#include "skin/module_state.h"
#include "skin/properties.h"
#include "skin/registry.h"

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
  if (g_instance == this) g_instance = nullptr;
}

void SkinEngine::Destroy() {
  if (ModuleIcon) {
    ::DestroyIcon(ModuleIcon);
    ModuleIcon = nullptr;
  }
  // GDI+ objects the windows still hold go while GDI+ is up.
  for (auto& w : SkinnedWindows()) w->Background.Reset();
  platform::ShutdownGdiplus();
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

// Operations of the status bar, image buttons, containers, transparent and
// docked children and replaced caption images: not available yet. Each
// refuses safely.
void SkinEngine::RestoreFromStatusCache(int, const RECT&) {}
void SkinEngine::SetStatusBar(int, int, std::optional<std::vector<StatusPanel>>) {}
void SkinEngine::LayoutStatusBar(int) {}
void SkinEngine::DrawStatusBar(int, graphics::Graphics*, std::optional<int>) {}
bool SkinEngine::SetStatusPanelText(HWND, int, const std::string&, std::optional<Bytes>,
                                    std::optional<Colour>) {
  return false;
}
bool SkinEngine::SetStatusStyle(HWND, std::optional<bool>, std::optional<bool>,
                                std::optional<Colour>, std::optional<Colour>,
                                std::optional<std::string>, std::optional<int>) {
  return false;
}
bool SkinEngine::SkinImageButton(HWND, const Bytes&, int32_t, const std::string&) { return false; }
bool SkinEngine::SkinStateImageButton(HWND, const Bytes&, std::optional<Bytes>,
                                      std::optional<Bytes>, std::optional<Bytes>,
                                      std::optional<std::string>) {
  return false;
}
void SkinEngine::SkinChildren(HWND, std::optional<int>, std::optional<Colour>,
                              std::optional<uint8_t>, std::optional<int>) {}
void SkinEngine::SetContainerAlpha(HWND, uint8_t) {}
void SkinEngine::SkinTransparentChild(HWND, std::optional<Colour>, std::optional<Colour>,
                                      std::optional<uint8_t>) {}
void SkinEngine::LayoutDockedChildren(int) {}
bool SkinEngine::SetCaptionButtonImages(HWND, std::optional<Bytes>, std::optional<Bytes>,
                                        std::optional<Bytes>, std::optional<Bytes>) {
  return false;
}

}  // namespace skin
