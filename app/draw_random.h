// The draw's pseudo-random numbers: a 15-bit linear congruential generator,
// reseeded from the clock at the start of every draw.
#pragma once

#include <cstdint>

namespace app {

class DrawRandom {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  // Next value, 0 to 32767.
  int32_t Next();
  // lo + (next mod (hi - lo + 1)); lo itself, without using a value, when lo = hi.
  int32_t InRange(int32_t lo, int32_t hi);

 private:
  uint32_t state_ = 1;
};

// The generator of the draw loop.
DrawRandom& DrawGenerator();

// Reseeds DrawGenerator() from `ticks` plus a process-wide offset that grows
// by (seed AND 0xFF) + 100 after each seeding; returns the seed used.
uint32_t ReseedDrawGenerator(uint32_t ticks);

}  // namespace app
