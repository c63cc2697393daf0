// State shared by everything the skin engine does: the theme, the switches,
// the registry of skinned windows and the captured surfaces.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/handles.h"

namespace skin {

struct SkinnedWindow;

// A memory surface handed out by the background capture: the DC, the bitmap
// selected into it and the bitmap it held before.
struct Surface {
  platform::UniqueMemoryDC dc;
  platform::UniqueBitmap bitmap;
  HGDIOBJ previous = nullptr;
};

// Colours are red | green << 8 | blue << 16.
struct ModuleState {
  bool FirstSizePending = false;
  bool SkinChildControls = false;
  int32_t Translucency = 0;
  uint32_t AccentColour = 0;
  bool TrackOption = false;
  uint32_t ThemeColour = 0;
  bool TranslucencyGiven = false;
  int32_t BackgroundMode = 0;
  std::vector<uint8_t> BackgroundImage;
};

extern ModuleState Module;

// The program's icon, drawn at the left of skinned titles. The engine's
// Destroy destroys it.
extern HICON ModuleIcon;

// Run by every skinned window's frame when the application loses
// activation; the application installs it (null: nothing happens).
using DeactivationHandler = void (*)();
void SetDeactivationHandler(DeactivationHandler handler);
DeactivationHandler GetDeactivationHandler();

// Creates the registry of skinned windows and the surface list, empty.
void InitSkinModule();
// Frees both lists with every record they hold.
void ExitSkinModule();
// The defaults the application sets once GDI+ runs and the icon is loaded.
void SetModuleDefaults();

}  // namespace skin
