#include "app/speech.h"

#include <windows.h>
#include <sapi.h>

#include "app/globals.h"
#include "graphics/text.h"

namespace app {
namespace {

// {96749377-3391-11D2-9EE3-00C04F797396}, {6C44DF74-72B9-4992-A1EC-EF996E0422D4}:
// spelt out here so no import library has to carry them.
constexpr GUID kSpVoiceClass = {
    0x96749377, 0x3391, 0x11d2, {0x9e, 0xe3, 0x00, 0xc0, 0x4f, 0x79, 0x73, 0x96}};
constexpr GUID kSpVoiceInterface = {
    0x6c44df74, 0x72b9, 0x4992, {0xa1, 0xec, 0xef, 0x99, 0x6e, 0x04, 0x22, 0xd4}};

// COM on this thread for as long as the voice lives.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (ok_) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ok_;
};

class SystemVoice final : public Voice {
 public:
  // Takes `voice` (one reference), released before COM ends.
  SystemVoice(std::unique_ptr<ComScope> com, ISpVoice* voice)
      : com_(std::move(com)), voice_(voice) {}
  ~SystemVoice() override {
    Stop();
    voice_->Release();
  }
  SystemVoice(const SystemVoice&) = delete;
  SystemVoice& operator=(const SystemVoice&) = delete;

  void Speak(const std::string& text) override {
    const std::wstring wide = graphics::Utf16FromCodePage(text);
    if (wide.empty()) return;
    // Failures are silent: the draw goes on without the voice.
    voice_->Speak(wide.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
  }
  void Stop() override { voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr); }

 private:
  std::unique_ptr<ComScope> com_;
  ISpVoice* voice_;
};

std::unique_ptr<Voice> g_voice;

}  // namespace

std::unique_ptr<Voice> MakeSystemVoice() {
  auto com = std::make_unique<ComScope>();
  ISpVoice* voice = nullptr;
  if (FAILED(::CoCreateInstance(kSpVoiceClass, nullptr, CLSCTX_ALL, kSpVoiceInterface,
                                reinterpret_cast<void**>(&voice))) ||
      !voice)
    return nullptr;
  return std::make_unique<SystemVoice>(std::move(com), voice);
}

void SetVoice(std::unique_ptr<Voice> voice) { g_voice = std::move(voice); }

Voice* CurrentVoice() { return g_voice.get(); }

void OnDrawStarting() {
  if (ReadAloud && g_voice) g_voice->Stop();
}

void OnDrawLanded(const std::string& name) {
  if (ReadAloud && g_voice) g_voice->Speak(name);
}

}  // namespace app
