// Shared by the container tests: a skinned window over a plain grey picture,
// containers registered in it, full paints read back from a memory surface
// the test owns, and a log of the messages windows receive.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/handles.h"
#include "skin/controls/containers/container_record.h"
#include "tests/skin/support/frame_test_support.h"

namespace container_test {

using testing_support::Pixels;

// The picture behind everything, and what the looks make of it.
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kOuterLine = RGB(108, 108, 108);    // black at alpha 40 over grey
constexpr COLORREF kInnerLine = RGB(173, 173, 173);    // white at alpha 90
constexpr COLORREF kBorderInner = RGB(178, 178, 178);  // white at alpha 100
constexpr skin::Colour kBlueTint = 0xFF0000;           // red | green << 8 | blue << 16
constexpr skin::Colour kRedTint = 0x0000FF;
constexpr COLORREF kGreyUnderBlue = RGB(64, 64, 192);  // blue at alpha 128 over grey
constexpr COLORREF kGreyUnderRed = RGB(191, 64, 64);
constexpr COLORREF kGreyUnderBlueThenRed = RGB(160, 32, 96);

// A 32-bit memory surface of its own, filled with one colour.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = RGB(255, 0, 255));
  HDC dc() const { return surface_.dc(); }
  Pixels Read() const;

 private:
  int width_, height_;
  platform::MemorySurface surface_;
};

// Messages sent or posted to the watched windows, in order, as they are
// handled (a thread hook on window procedures and on retrieved messages).
class MessageLog {
 public:
  explicit MessageLog(std::vector<HWND> watched);
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  struct Entry {
    HWND window;
    UINT message;
  };
  const std::vector<Entry>& entries() const;
  bool Saw(HWND window, UINT message) const;
  void Clear();
};

// Fixture: a hidden 400 x 300 skinned window without caption over a grey
// picture, translucency 150 given.
class ContainerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
             HWND parent = nullptr, DWORD exStyle = 0);
  // Shows the window with its first frame (for tests that need update regions).
  void Show();
  skin::ContainerRecord* Container(HWND container);
  // A full paint of the container into a surface of its client size.
  Pixels FullPaint(HWND container);
  // What the capture puts behind `control`, over its whole window.
  Pixels Behind(HWND control);

  HWND window = nullptr;
  int i = 0;
};

bool Near(COLORREF a, COLORREF b, int tolerance = 2);
// Picks one pixel out for failure messages: "(r,g,b)".
std::string Rgb(COLORREF c);

}  // namespace container_test
