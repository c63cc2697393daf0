// One set of kept frames for both builds: the 32-bit build's renders of every
// golden case (golden/i686/) match the kept pictures through the comparison
// the golden test uses, and that comparison still fails on the faults a
// change of the frame painting would bring.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/kept_pictures.h"

namespace {

using testing_support::ComparePictures;
using testing_support::LoadPicture;
using testing_support::Pixels;

std::string GoldenFolder(const std::string& sub = {}) {
  std::string path = "Z:" ROLLCALL_GOLDEN_DIR "/" + sub;
  for (char& ch : path)
    if (ch == '/') ch = '\\';
  if (path.back() != '\\') path += '\\';
  return path;
}

std::vector<std::string> PngsIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = ::FindFirstFileA((folder + "*.png").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (::FindNextFileA(search, &found));
  ::FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

Pixels Kept(const std::string& name) { return LoadPicture(GoldenFolder() + name); }

uint32_t Rgb(int r, int g, int b) {
  auto clamp = [](int v) { return uint32_t(std::min(255, std::max(0, v))); };
  return 0xFF000000u | clamp(r) << 16 | clamp(g) << 8 | clamp(b);
}

void Put(Pixels& p, int x, int y, uint32_t argb) { p.data()[size_t(y) * p.width() + x] = argb; }

TEST(FrameGoldenBuilds, TheThirtyTwoBitFramesMatchTheKeptPictures) {
  const std::vector<std::string> kept = PngsIn(GoldenFolder());
  const std::vector<std::string> i686 = PngsIn(GoldenFolder("i686"));
  ASSERT_EQ(kept.size(), 25u);
  ASSERT_EQ(i686, kept) << "golden/i686 holds one frame per kept picture";
  int roundedSomewhere = 0;
  for (const std::string& name : i686) {
    const Pixels theirs = LoadPicture(GoldenFolder("i686") + name);
    const Pixels ours = Kept(name);
    ASSERT_FALSE(theirs.empty() || ours.empty()) << name;
    const testing_support::PictureDifference d = ComparePictures(theirs, ours);
    EXPECT_TRUE(d.matches()) << name << ": " << d.Describe();
    roundedSomewhere += d.worst > 0;
  }
  // The record is really the other build's: most frames show its rounding.
  EXPECT_GE(roundedSomewhere, 15);
}

// The left edge of the frame one pixel further in: the dark outer line lands
// on the light inner one.
TEST(FrameGoldenBuilds, ABorderMovedByOnePixelFails) {
  Pixels p = Kept("none_200x150.png");
  ASSERT_FALSE(p.empty());
  const Pixels kept = p;
  for (int y = 0; y < p.height(); ++y)
    for (int x = 3; x >= 1; --x) Put(p, x, y, kept.raw(x - 1, y));
  for (int y = 0; y < p.height(); ++y) Put(p, 0, y, kept.raw(3, y));
  const testing_support::PictureDifference d = ComparePictures(p, kept);
  EXPECT_FALSE(d.matches());
  EXPECT_GT(d.worst, 20) << d.Describe();
}

// The caption gloss's top colour stop 8 levels lighter: the change fades to
// nothing at the strip's bottom, as the gradient carries it.
TEST(FrameGoldenBuilds, AColourStopChangedByEightLevelsFails) {
  Pixels p = Kept("gloss_mode3_512x394.png");
  ASSERT_FALSE(p.empty());
  const Pixels kept = p;
  constexpr int kStrip = 50;
  for (int y = 0; y < kStrip; ++y) {
    const int lift = (8 * (kStrip - y) + kStrip / 2) / kStrip;
    for (int x = 0; x < p.width(); ++x) {
      const COLORREF c = kept.at(x, y);
      Put(p, x, y, Rgb(GetRValue(c) + lift, GetGValue(c) + lift, GetBValue(c) + lift));
    }
  }
  EXPECT_FALSE(ComparePictures(p, kept).matches());
}

// The caption strip 2 pixels shorter: the gloss ramps out over 48 rows
// instead of 50. Rebuilt from the kept frames with and without the gloss
// (the same case otherwise), between the title and the caption buttons.
TEST(FrameGoldenBuilds, ACaptionStripTwoPixelsShorterFails) {
  const Pixels glossed = Kept("gloss_mode3_512x394.png");
  const Pixels plain = Kept("theme_mode3_512x394.png");
  ASSERT_FALSE(glossed.empty() || plain.empty());
  Pixels p = glossed;
  constexpr int kStrip = 50, kShorter = 48;
  for (int y = 0; y < kStrip; ++y) {
    const double kept = 1.0 - (y + 0.5) / kStrip;
    const double shorter = std::max(0.0, 1.0 - (y + 0.5) / kShorter);
    for (int x = 150; x < 380; ++x) {
      const COLORREF g = glossed.at(x, y), b = plain.at(x, y);
      auto channel = [&](int gv, int bv) { return int(bv + (gv - bv) * shorter / kept + 0.5); };
      Put(p, x, y,
          Rgb(channel(GetRValue(g), GetRValue(b)), channel(GetGValue(g), GetGValue(b)),
              channel(GetBValue(g), GetBValue(b))));
    }
  }
  EXPECT_FALSE(ComparePictures(p, glossed).matches());
}

TEST(FrameGoldenBuilds, PicturesOfAnotherSizeNeverMatch) {
  const Pixels small = Kept("none_200x150.png"), large = Kept("none_777x555.png");
  ASSERT_FALSE(small.empty() || large.empty());
  EXPECT_FALSE(ComparePictures(small, large).matches());
  EXPECT_TRUE(ComparePictures(small, small).matches());
}

}  // namespace
