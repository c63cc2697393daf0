// Everything a program sets up before its first SkinWindow, in one object:
//
//   skin::EngineSession session;         // GDI+, the module state, its defaults, the engine
//   session.engine().SetOptions(true, 150);
//   session.engine().SkinWindow(window);
//
// The session starts GDI+ only when it is not running yet (a program that
// started it keeps its own start-up), initialises the engine's module state
// with its defaults and makes the engine object. It ends in reverse order:
// the engine releases what it holds (the thread's dialog hook, the icon, the
// windows' pictures), the module state is freed, and GDI+ is shut down when
// the session started it. Windows still open then keep working: the engine's
// procedures hand every message on to their own. The separate calls
// (platform::StartGdiplus, InitSkinModule, SetModuleDefaults, a SkinEngine of
// one's own, Destroy, ExitSkinModule) stay for programs that use them.
#pragma once

#include <memory>

#include "skin/engine/skin_engine.h"

namespace skin {

class EngineSession {
 public:
  EngineSession();
  ~EngineSession();
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  SkinEngine& engine() { return *engine_; }
  // True when this session started GDI+ (and so shuts it down).
  bool startedGdiplus() const { return startedGdiplus_; }

 private:
  bool startedGdiplus_ = false;
  std::unique_ptr<SkinEngine> engine_;
};

}  // namespace skin
