// A stream over a block of global memory, filled from a byte buffer: what GDI+
// loads images from and saves them to.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <vector>

#include "platform/handles.h"

namespace graphics {

class MemoryStream {
 public:
  MemoryStream() = default;
  ~MemoryStream();                             // 0
  MemoryStream(const MemoryStream&) = delete;  // 1
  MemoryStream& operator=(const MemoryStream&) = delete;
  MemoryStream(MemoryStream&& other) noexcept;
  MemoryStream& operator=(MemoryStream&& other) noexcept;

  // Replaces what the object held by a movable block holding `bytes` and a
  // stream on it (the stream does not free the block). An empty buffer gives a
  // growable empty block, which saving can write into.
  bool FillFromBytes(const std::vector<uint8_t>& bytes);  // 2
  void Release();                                         // 3
  size_t GetSize() const;                                 // 4
  IStream* GetStream() const { return stream_; }          // 5
  HGLOBAL GetMemory() const { return memory_.get(); }     // 6
  static HGLOBAL GetHGlobalFromStream(IStream* stream);   // 7
  // Every byte written to the stream (the block may be larger than that).
  std::vector<uint8_t> GetBytes();  // 8

 private:
  void SyncBlock();

  platform::UniqueGlobal memory_;
  IStream* stream_ = nullptr;
};

}  // namespace graphics
