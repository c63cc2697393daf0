#include "app/startup.h"

#include <windows.h>
#include <commctrl.h>

#include <float.h>

#include "app/class_folder.h"
#include "app/draw_keys.h"
#include "app/globals.h"
#include "app/main_window.h"
#include "app/one_copy.h"
#include "app/paths.h"
#include "app/speech.h"
#include "app/trimmer.h"
#include "platform/gdiplus_session.h"
#include "platform/messages.h"
#include "skin/engine/module_state.h"
#include "skin/engine/skin_engine.h"

namespace app {
namespace {

constexpr WORD kNumberedIconId = 129;
constexpr char kIconName[] = "DEFAULT_ICON";

// Runs the exit routines when the message loop is over, however Main leaves.
class ShutdownOnExit {
 public:
  ~ShutdownOnExit() {
    ExitApplicationModule();
    skin::ExitSkinModule();
  }
};

void PrepareRuntime() {
  _fpreset();  // the floating-point unit in its default state
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
}

// Losing activation because the window is closing is no reason to trim: the
// process is about to end, and a tool started now would outlive it.
void TrimUnlessClosing() {
  if (!MainWindowClosing()) StartTrimmer();
}

void RunMessageLoop() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (platform::FilterMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace

void InitApplicationModule() {
  Roster.clear();
  RosterCount = 0;
  SkinEngine = std::make_unique<skin::SkinEngine>();
}

void StartApplication() {
  platform::StartGdiplus();
  HINSTANCE self = ::GetModuleHandleA(nullptr);
  HICON icon = ::LoadIconA(self, MAKEINTRESOURCEA(kNumberedIconId));
  if (!icon) icon = ::LoadIconA(self, kIconName);
  skin::ModuleIcon = icon;
  skin::SetModuleDefaults();
  skin::SetDeactivationHandler(TrimUnlessClosing);
  InstallDrawKeys();
}

void ExitApplicationModule() {
  SetVoice(nullptr);
  Roster.clear();
  Roster.shrink_to_fit();
  RosterCount = 0;
  if (SkinEngine) {
    SkinEngine->Destroy();
    SkinEngine.reset();
  }
}

int Main() {
  PrepareRuntime();
  if (!UseFolderArgument()) return 1;
  // Before anything is read or written: a second copy leaves the folder's
  // files to the first.
  OneCopy copy(DataDirectory());
  if (!copy.First()) {
    copy.BringRunningCopyToFront();
    return 0;
  }
  InitApplicationModule();
  skin::InitSkinModule();
  ShutdownOnExit shutdown;
  StartApplication();
  copy.Publish(CreateMainWindow());
  RunMessageLoop();
  return 0;
}

}  // namespace app
