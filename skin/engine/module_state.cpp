#include "skin/engine/module_state.h"

#include "skin/engine/registry.h"

namespace skin {

ModuleState Module;
HICON ModuleIcon = nullptr;

namespace {
DeactivationHandler g_onDeactivated = nullptr;
}

void SetDeactivationHandler(DeactivationHandler handler) { g_onDeactivated = handler; }
DeactivationHandler GetDeactivationHandler() { return g_onDeactivated; }

void InitSkinModule() {
  SkinnedWindows().clear();
  Surfaces().clear();
}

void ExitSkinModule() {
  SkinnedWindows().clear();
  Surfaces().clear();
}

void SetModuleDefaults() {
  Module.FirstSizePending = true;
  Module.SkinChildControls = true;
  Module.Translucency = 160;
  Module.AccentColour = 0xDDCA22;  // #22CADD
  Module.TrackOption = true;
}

}  // namespace skin
