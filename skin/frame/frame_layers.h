// What a skinned window's frame keeps between renders, as plain pixels (no
// GDI or GDI+ object, so it costs no handles and goes with the window's
// record). Each copy is kept with the full description of what it was drawn
// from; a render whose description differs in anything draws afresh, so a
// new background, size, colour, title or button picture shows at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

#include "platform/handles.h"

namespace skin {

// A byte string naming everything a layer was drawn from; equal keys mean
// equal pixels.
class LayerKey {
 public:
  LayerKey& Add(int64_t value) {
    text_.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
  }
  LayerKey& Add(const void* data, size_t size) {
    Add(static_cast<int64_t>(size));
    text_.append(static_cast<const char*>(data), size);
    return *this;
  }
  LayerKey& Add(const std::string& s) { return Add(s.data(), s.size()); }
  LayerKey& Add(const std::vector<uint8_t>& bytes) { return Add(bytes.data(), bytes.size()); }
  // Every field is of fixed size or led by its length, so keys join
  // without running into each other.
  LayerKey& Append(const LayerKey& other) {
    text_ += other.text_;
    return *this;
  }
  bool operator==(const LayerKey& o) const { return text_ == o.text_; }
  bool operator!=(const LayerKey& o) const { return !(*this == o); }
  bool empty() const { return text_.empty(); }
  void clear() { text_.clear(); }

 private:
  std::string text_;
};

// One kept picture of (part of) the frame and what it shows.
struct KeptPixels {
  LayerKey key;
  std::vector<uint32_t> pixels;  // the 32-bit frame bitmap, whole, in its own row order

  bool Holds(const LayerKey& k) const { return !pixels.empty() && key == k; }
  // Forgets the pixels but keeps their memory: the next ground, often of
  // much the same size, is copied into pages already in place.
  void Clear() {
    key.clear();
    pixels.clear();
  }
};

// The finished frame as the rows where it differs from the ground it was
// drawn on (the caption and status strips): kept whole, it would cost as
// much memory as the ground again.
struct KeptRows {
  LayerKey key;
  bool valid = false;
  std::vector<int> rows;         // in the bitmap's own row order
  std::vector<uint32_t> pixels;  // those rows, one after the other

  bool Holds(const LayerKey& k) const { return valid && key == k; }
  void Clear() {
    key.clear();
    valid = false;
    rows.clear();
    pixels.clear();
  }
};

// A caption button's box as one fade step leaves it (the button and the
// separators beside it).
struct KeptButtonStep {
  LayerKey key;
  int x = 0, y = 0, width = 0, height = 0;
  std::vector<uint32_t> pixels;  // top-down rows of that box
};

struct FrameLayers {
  // Memory the frame bitmap of every render maps (a section of `sectionBytes`):
  // each render makes a new bitmap, and pages already in place take far less
  // to fill than fresh ones, which the system hands out one fault at a time.
  platform::UniqueHandle section;
  size_t sectionBytes = 0;
  // The frame after background, picture, gloss and outline: the ground every
  // render starts from.
  KeptPixels base;
  // The finished frame (title, caption buttons and status panels on the
  // base): a render of an unchanged window is a copy of the base and these.
  KeptRows finished;
  // The window region as the system holds it after a render set it, and
  // the client size it was made for.
  std::vector<uint8_t> region;
  int regionWidth = 0, regionHeight = 0;
  // Counts the grounds drawn: the clean caption and status strips kept in
  // the window record were copied from base number `generation`.
  uint64_t generation = 0;
  // Size of that clean caption strip; 0 while there is none.
  int stripWidth = 0, stripHeight = 0;
  // Fade steps of the caption buttons drawn on their own (never during a
  // render), each over the clean caption strip of one generation.
  std::vector<KeptButtonStep> buttonSteps;

  void Clear() {
    base.Clear();
    finished.Clear();
    buttonSteps.clear();
    stripWidth = stripHeight = 0;
  }
};

}  // namespace skin
