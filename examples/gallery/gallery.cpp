// A gallery of the skin engine: one skinned window with a control of each
// family the engine draws, for developers to see and try it.
//   build/examples/gallery/gallery.exe   (scripts/gallery.sh builds and starts it)
#include <windows.h>
#include <commctrl.h>

#include "examples/gallery/gallery_main_window.h"
#include "platform/gdiplus_session.h"
#include "platform/handles.h"
#include "skin/engine/module_state.h"
#include "skin/engine/skin_engine.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES |
                                           ICC_INTERNET_CLASSES};
  ::InitCommonControlsEx(&icc);
  platform::StartGdiplus();
  skin::InitSkinModule();
  skin::SetModuleDefaults();
  {
    skin::SkinEngine engine;
    platform::UniqueFont font(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                            GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                            DEFAULT_QUALITY, DEFAULT_PITCH, "宋体"));
    HWND window = gallery::CreateSkinnedGallery(engine, font.get());
    // The platform's dialogs it opens, skinned as they come.
    engine.SkinThreadDialogs();
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    engine.Destroy();
  }
  skin::ExitSkinModule();
  return 0;
}
