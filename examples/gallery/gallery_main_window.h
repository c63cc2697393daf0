// The gallery's own window: a control of each family the engine draws,
// the class form, the range controls and the buttons that open the
// platform's dialogs, all skinned by one engine.
#pragma once

#include <windows.h>

#include "skin/engine/skin_engine.h"

namespace gallery {

constexpr int kGalleryWidth = 1000, kGalleryHeight = 760;

// Creates the gallery window centred on the screen with every control in
// `font`, skins it and its controls with `engine` (theme, picture and
// options included) and returns it hidden. Its procedure opens the sample
// window and the dialogs, and quits the message loop when it is destroyed.
HWND CreateSkinnedGallery(skin::SkinEngine& engine, HFONT font);

}  // namespace gallery
