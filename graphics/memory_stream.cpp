#include "graphics/memory_stream.h"

#include <cstring>
#include <utility>

namespace graphics {

MemoryStream::~MemoryStream() { Release(); }

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memory_(std::move(other.memory_)), stream_(std::exchange(other.stream_, nullptr)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
  if (this != &other) {
    Release();
    memory_ = std::move(other.memory_);
    stream_ = std::exchange(other.stream_, nullptr);
  }
  return *this;
}

bool MemoryStream::FillFromBytes(const std::vector<uint8_t>& bytes) {
  Release();
  platform::UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size()));
  if (!block) return false;
  if (!bytes.empty()) {
    void* data = ::GlobalLock(block.get());
    if (!data) return false;
    memcpy(data, bytes.data(), bytes.size());
    ::GlobalUnlock(block.get());
  }
  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(block.get(), FALSE, &stream)) || !stream) return false;
  memory_ = std::move(block);
  stream_ = stream;
  return true;
}

void MemoryStream::Release() {
  SyncBlock();
  if (stream_) stream_->Release();
  stream_ = nullptr;
  memory_.reset();
}

size_t MemoryStream::GetSize() const {
  HGLOBAL block = GetHGlobalFromStream(stream_);
  if (!block) block = memory_.get();
  return block ? ::GlobalSize(block) : 0;
}

HGLOBAL MemoryStream::GetHGlobalFromStream(IStream* stream) {
  HGLOBAL block = nullptr;
  if (!stream || FAILED(::GetHGlobalFromStream(stream, &block))) return nullptr;
  return block;
}

// Growing the stream reallocates its block; a movable block normally keeps its
// handle, but the stream's own handle is the one to trust.
void MemoryStream::SyncBlock() {
  HGLOBAL current = GetHGlobalFromStream(stream_);
  if (current && current != memory_.get()) {
    memory_.release();
    memory_ = platform::UniqueGlobal(current);
  }
}

std::vector<uint8_t> MemoryStream::GetBytes() {
  SyncBlock();
  if (!memory_) return {};
  // The stream may have grown the block past its own end: take only what the
  // stream holds, so an encoded picture carries no trailing bytes.
  size_t size = ::GlobalSize(memory_.get());
  STATSTG stat{};
  if (stream_ && SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart < size) {
    size = size_t(stat.cbSize.QuadPart);
  }
  if (size == 0) return {};
  const void* data = ::GlobalLock(memory_.get());
  if (!data) return {};
  std::vector<uint8_t> bytes(static_cast<const uint8_t*>(data),
                             static_cast<const uint8_t*>(data) + size);
  ::GlobalUnlock(memory_.get());
  return bytes;
}

}  // namespace graphics
