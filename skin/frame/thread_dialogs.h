// The thread's dialog hook: which engine skins the calling thread's dialogs
// as they activate, and with which options.
#pragma once

namespace skin {

class SkinEngine;

// Ends the calling thread's hook when `engine` set it (an engine that goes).
void ForgetThreadDialogs(const SkinEngine* engine);

}  // namespace skin
