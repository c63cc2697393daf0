// Reading pixels back from windows and device contexts, and saving them as PNG.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A 32-bit top-down copy of some pixels; colours as COLORREF (red in the low byte).
class Pixels {
 public:
  Pixels() = default;
  Pixels(int width, int height) : width_(width), height_(height), data_(size_t(width) * height) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return data_.empty(); }
  COLORREF at(int x, int y) const;
  uint32_t raw(int x, int y) const { return data_[size_t(y) * width_ + x]; }  // 0xAARRGGBB
  uint32_t* data() { return data_.data(); }

  // Writes a PNG file (through GDI+); returns false on failure.
  bool SavePng(const std::string& path) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> data_;
};

// A 32-bit top-down DIB section of that size (the caller owns it), and
// where its pixels are when `bits` is given.
HBITMAP MakeDibSection(int width, int height, void** bits = nullptr);

// Copies a rectangle of a device context.
Pixels CaptureDC(HDC dc, int x, int y, int width, int height);
// Copies the window as it is on the screen (window rectangle, from the screen DC).
Pixels CaptureWindowFromScreen(HWND window);
// Copies the client area through the window's own DC.
Pixels CaptureClient(HWND window);

// Handles every pending message, then keeps doing so for `ms` milliseconds.
void PumpFor(unsigned ms);

// Distance between two colours: the largest difference of one channel.
int ColourDistance(COLORREF a, COLORREF b);

// A JPEG of one colour, encoded with GDI+.
std::vector<uint8_t> SolidJpeg(int width, int height, COLORREF colour);
// The same JPEG with the frame size in its start-of-frame header replaced.
std::vector<uint8_t> WithJpegSize(std::vector<uint8_t> jpeg, int width, int height);

// Folder the test writes its pictures to (the test's working folder).
std::string OutputPath(const std::string& file_name);

}  // namespace testing_support
