// Pictures kept in the source tree and compared with what a test draws now.
//
// One set of kept pictures serves the 32-bit and the 64-bit build. GDI+ under
// Wine rounds its blends and interpolations differently in 32-bit code (x87
// against SSE arithmetic): the same frame comes out 1 to 3 levels apart in
// one colour channel, in a few pixels or, where a picture is stretched and
// veiled, in most of them (seen on all 25 kept frames: worst 3, up to 92 % of
// a frame's pixels). So a pixel matches when no channel lies more than
// kKeptPictureTolerance levels away, and every pixel must match.
//
// Why 3 and nothing more: that is the worst rounding seen between the builds.
// A count limit would have to allow nearly every pixel and so would catch
// nothing; the channel limit is what catches a real change: a moved edge or
// line differs by tens of levels, a colour or gradient stop changed by 4
// levels or more fails outright.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/display_capture.h"  // LoadPicture
#include "tests/support/screen.h"

namespace testing_support {

constexpr int kKeptPictureTolerance = 3;

struct PictureDifference {
  bool sameSize = true;
  int differing = 0;  // pixels beyond the tolerance
  int worst = 0;      // largest channel difference anywhere
  int firstX = -1, firstY = -1;
  COLORREF now = 0, kept = 0;  // at the first differing pixel

  bool matches() const { return sameSize && differing == 0; }
  std::string Describe() const;
};

PictureDifference ComparePictures(const Pixels& now, const Pixels& kept,
                                  int tolerance = kKeptPictureTolerance);

}  // namespace testing_support
