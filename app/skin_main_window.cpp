#include "app/skin_main_window.h"

#include "app/globals.h"
#include "app/main_window.h"
#include "skin/engine/skin_engine.h"

namespace app {

// The background picture is drawn stretched under every skinned frame, in a
// black frame colour with a white accent; the window gets a 50-pixel caption
// strip with only its close button (it has no minimise or maximise box).
void SkinMainWindow(const std::vector<uint8_t>& background) {
  if (!SkinEngine) return;
  SkinEngine->SetTheme(std::nullopt, background, 0x000000, 0xFFFFFF, 3);
  SkinEngine->SetOptions(true, 150);
  skin::SkinWindowOptions options;
  options.captionHeight = 50;
  options.showCaption = true;
  options.resizable = true;
  options.helpButton = false;
  options.menuButton = false;
  options.showTitle = false;
  options.captionGloss = false;
  SkinEngine->SkinWindow(MainWindow().window, options);
}

void SkinGroupBoxChildren(HWND groupBox) {
  if (!SkinEngine) return;
  SkinEngine->SkinChildren(groupBox, 1, static_cast<skin::Colour>(::GetSysColor(COLOR_BTNFACE)),
                           static_cast<uint8_t>(0));
}

}  // namespace app
