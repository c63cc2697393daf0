#include "skin/engine/engine_session.h"

#include "platform/gdiplus_session.h"
#include "skin/engine/module_state.h"

namespace skin {

EngineSession::EngineSession() {
  if (!platform::GdiplusRunning()) {
    platform::StartGdiplus();
    startedGdiplus_ = platform::GdiplusToken() != 0;
  }
  InitSkinModule();
  SetModuleDefaults();
  engine_ = std::make_unique<SkinEngine>();
}

EngineSession::~EngineSession() {
  engine_->Release();
  engine_.reset();
  ExitSkinModule();
  if (startedGdiplus_) platform::ShutdownGdiplus();
}

}  // namespace skin
