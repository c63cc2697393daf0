// The name read aloud ([朗读] 开启=1): where a draw lands the name is spoken,
// asynchronously so the window never waits, and a new draw silences what is
// still being said. No voice, or a voice that fails: silence, no message.
#pragma once

#include <memory>
#include <string>

namespace app {

// What speaks. The program's is the platform's speech interface; tests put
// a stand-in in its place.
class Voice {
 public:
  virtual ~Voice() = default;
  // Starts saying `text` (code page 936) and returns; what was still being
  // said stops first.
  virtual void Speak(const std::string& text) = 0;
  virtual void Stop() = 0;
};

// The platform's voice (SAPI ISpVoice), or null when there is none.
std::unique_ptr<Voice> MakeSystemVoice();

// The voice draws speak with; null: silent.
void SetVoice(std::unique_ptr<Voice> voice);
Voice* CurrentVoice();

// Called by the draw: when reading aloud is on, a starting draw stops the
// voice and a landing speaks the landed name.
void OnDrawStarting();
void OnDrawLanded(const std::string& name);

}  // namespace app
