// The skin engine set up for a benchmark as the roll-call program sets it up:
// common controls, GDI+, the module defaults, the sample picture stretched
// under a black frame with a white accent, children skinned translucently.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "bench/bench_pictures.h"
#include "platform/gdiplus_session.h"
#include "skin/engine/module_state.h"
#include "skin/engine/skin_engine.h"

namespace bench {

class ProgramSkin {
 public:
  ProgramSkin() {
    engine.SetTheme(std::nullopt, SampleBackground(), 0x000000, 0xFFFFFF, 3);
    engine.SetOptions(true, 150);
  }
  // The engine lets go of GDI+ first; the module's lists go last.
  ~ProgramSkin() { engine.Destroy(); }
  ProgramSkin(const ProgramSkin&) = delete;
  ProgramSkin& operator=(const ProgramSkin&) = delete;

 private:
  struct Module {
    Module() {
      INITCOMMONCONTROLSEX icc{sizeof icc,
                               ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
      ::InitCommonControlsEx(&icc);
      platform::StartGdiplus();
      skin::InitSkinModule();
      skin::SetModuleDefaults();
    }
    ~Module() { skin::ExitSkinModule(); }
  } module_;

 public:
  skin::SkinEngine engine;
};

}  // namespace bench
