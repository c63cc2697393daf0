#include "app/draw_random.h"

namespace app {

int32_t DrawRandom::Next() {
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
}

int32_t DrawRandom::InRange(int32_t lo, int32_t hi) {
  if (lo == hi) return lo;
  int64_t span = static_cast<int64_t>(hi) - lo + 1;
  return static_cast<int32_t>(lo + Next() % span);
}

DrawRandom& DrawGenerator() {
  static DrawRandom generator;
  return generator;
}

uint32_t ReseedDrawGenerator(uint32_t ticks) {
  static uint32_t offset = 0;
  uint32_t seed = ticks + offset;
  offset += (seed & 0xFF) + 100;
  DrawGenerator().Seed(seed);
  return seed;
}

}  // namespace app
