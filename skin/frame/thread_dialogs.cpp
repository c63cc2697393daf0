// Skinning every dialog of a thread as it activates: a CBT hook of the
// thread sees each top-level window just before it is activated, when a
// dialog has made its controls and laid itself out but has not been seen.
#include "skin/frame/thread_dialogs.h"

#include <windows.h>

#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

struct ThreadDialogs {
  HHOOK hook = nullptr;
  SkinEngine* engine = nullptr;
  SkinWindowOptions options;
};

thread_local ThreadDialogs t_dialogs;

bool IsTopLevelDialog(HWND window) {
  return !(::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) && GetClassText(window) == "#32770";
}

LRESULT CALLBACK OnCbtEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && t_dialogs.engine) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (IsTopLevelDialog(window) && !FindSkinnedWindow(window))
      t_dialogs.engine->SkinWindow(window, t_dialogs.options);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void Unhook() {
  if (t_dialogs.hook) ::UnhookWindowsHookEx(t_dialogs.hook);
  t_dialogs = ThreadDialogs{};
}

}  // namespace

bool SkinEngine::SkinThreadDialogs(const SkinWindowOptions& options) {
  if (t_dialogs.hook) return false;
  HHOOK hook = ::SetWindowsHookExA(WH_CBT, OnCbtEvent, nullptr, ::GetCurrentThreadId());
  if (!hook) return false;
  t_dialogs.hook = hook;
  t_dialogs.engine = this;
  t_dialogs.options = options;
  return true;
}

void SkinEngine::StopSkinningThreadDialogs() { Unhook(); }

void ForgetThreadDialogs(const SkinEngine* engine) {
  if (t_dialogs.engine == engine) Unhook();
}

}  // namespace skin
