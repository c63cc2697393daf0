// Replacing the standard caption buttons' pictures: only on the buttons the
// style has, nothing for images not given, and an image that does not decode
// leaving the picture there was.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/skin/support/frame_test_support.h"

namespace {

using namespace frame_test;

class CaptionImages : public FrameTest {};

const std::vector<uint8_t>& Red() {
  static const std::vector<uint8_t> png = SolidPng(26, 18, RGB(220, 0, 0));
  return png;
}
const std::vector<uint8_t>& Green() {
  static const std::vector<uint8_t> png = SolidPng(26, 18, RGB(0, 200, 0));
  return png;
}
const std::vector<uint8_t>& Blue() {
  static const std::vector<uint8_t> png = SolidPng(26, 18, RGB(0, 0, 220));
  return png;
}
const std::vector<uint8_t>& Yellow() {
  static const std::vector<uint8_t> png = SolidPng(38, 18, RGB(230, 220, 0));
  return png;
}

// The middle of caption button k as the frame shows it.
COLORREF ButtonMiddle(int i, int k) {
  const skin::CaptionButton& b = Record(i).CaptionButtons.at(k);
  return FramePixels(i).at(int(b.Rect.X) - 1 + b.Width / 2,
                           Record(i).ButtonsTop + 1 + b.Height / 2);
}

struct StyleCase {
  DWORD style;
  int count;  // caption buttons
  int minAt;  // 0: none
  int maxAt;
};

TEST_F(CaptionImages, OnlyTheButtonsTheStyleHasTakeTheirPictures) {
  const StyleCase cases[] = {
      {WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 3, 1, 2},
      {WS_MAXIMIZEBOX, 2, 0, 1},  // a minimise picture has nowhere to go
      {WS_MINIMIZEBOX, 2, 1, 0},
      {0, 1, 0, 0},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << std::hex << c.style);
    HWND window = MakeWindow(300, 200, c.style);
    const int i = Skin(window);
    ASSERT_EQ(Record(i).CaptionButtons.count(), c.count);
    ASSERT_TRUE(Engine().SetCaptionButtonImages(window, Red(), Green(), Blue(), Yellow()));
    for (int k = 1; k <= c.count; ++k) {
      const skin::CaptionButton& b = Record(i).CaptionButtons.at(k);
      if (k != c.minAt) {
        EXPECT_NE(b.ButtonImage, Red()) << "red only on a minimise button, " << k;
      }
      if (k == c.minAt) {
        EXPECT_EQ(b.ButtonImage, Red());
      }
      if (k == c.maxAt) {
        EXPECT_EQ(b.ButtonImage, Green());
        EXPECT_EQ(b.AltImage, Blue());
      }
    }
    if (c.minAt) {
      EXPECT_TRUE(Near(ButtonMiddle(i, c.minAt), RGB(220, 0, 0), 12));
    }
    if (c.maxAt) {
      EXPECT_TRUE(Near(ButtonMiddle(i, c.maxAt), RGB(0, 200, 0), 12));
    }
    EXPECT_EQ(Record(i).CaptionButtons.at(c.count).ButtonImage, Yellow());
    EXPECT_TRUE(Near(ButtonMiddle(i, c.count), RGB(230, 220, 0), 12));
  }
  EXPECT_FALSE(Engine().SetCaptionButtonImages(MakeWindow(100, 100), Red()));
}

TEST_F(CaptionImages, NoImageOrOneThatDoesNotDecodeLeavesThePictureThere) {
  HWND window = MakeWindow(300, 200, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int i = Skin(window);
  std::vector<skin::CaptionButton> before(Record(i).CaptionButtons.begin(),
                                          Record(i).CaptionButtons.end());
  const testing_support::Pixels rest = FramePixels(i);
  auto expectUnchanged = [&](const char* what) {
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(Record(i).CaptionButtons.at(k).ButtonImage, before[k - 1].ButtonImage) << what << k;
      EXPECT_EQ(Record(i).CaptionButtons.at(k).AltImage, before[k - 1].AltImage) << what << k;
    }
    const testing_support::Pixels now = FramePixels(i);
    int differences = 0;
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 300; ++x)
        if (now.at(x, y) != rest.at(x, y)) ++differences;
    EXPECT_EQ(differences, 0) << what;
  };
  EXPECT_TRUE(Engine().SetCaptionButtonImages(window));
  expectUnchanged("nothing given, button ");
  const std::vector<uint8_t> garbage{0x89, 'P', 'N', 'G', 1, 2, 3, 4};
  EXPECT_TRUE(
      Engine().SetCaptionButtonImages(window, garbage, garbage, std::vector<uint8_t>{}, garbage));
  expectUnchanged("undecodable, button ");

  // One good picture among bad ones: only that one changes.
  EXPECT_TRUE(Engine().SetCaptionButtonImages(window, garbage, Green()));
  EXPECT_EQ(Record(i).CaptionButtons.at(2).ButtonImage, Green());
  EXPECT_EQ(Record(i).CaptionButtons.at(1).ButtonImage, before[0].ButtonImage);
}

TEST_F(CaptionImages, AStyleChangedAfterSkinningNeverReachesAnotherButton) {
  // Skinned with a maximise box only; a minimise box added later has no
  // button, and the one before maximise is none.
  HWND window = MakeWindow(300, 200, WS_MAXIMIZEBOX);
  const int i = Skin(window);
  ::SetWindowLongA(window, GWL_STYLE, ::GetWindowLongA(window, GWL_STYLE) | WS_MINIMIZEBOX);
  EXPECT_TRUE(Engine().SetCaptionButtonImages(window, Red(), Green()));
  EXPECT_EQ(Record(i).CaptionButtons.at(1).ButtonImage, Green());

  // A window skinned with neither box, both added later: only close exists.
  HWND bare = MakeWindow(300, 200, 0, 100, 100);
  const int j = Skin(bare);
  ::SetWindowLongA(bare, GWL_STYLE,
                   ::GetWindowLongA(bare, GWL_STYLE) | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const std::vector<uint8_t> close = Record(j).CaptionButtons.at(1).ButtonImage;
  EXPECT_TRUE(Engine().SetCaptionButtonImages(bare, Red(), Green(), Blue()));
  EXPECT_EQ(Record(j).CaptionButtons.count(), 1);
  EXPECT_EQ(Record(j).CaptionButtons.at(1).ButtonImage, close);
}

TEST_F(CaptionImages, AContainerIsNotTakenForTheWindowOfItsIndex) {
  HWND window = MakeWindow(300, 200, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  HWND group = ::CreateWindowExA(0, "Button", "组", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10, 40,
                                 200, 100, window, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  const int i = Skin(window);
  Engine().SkinChildren(group);
  ASSERT_EQ(skin::WindowNumberOf(group), i) << "the container's index reads as a window number";
  const std::vector<uint8_t> close = Record(i).CaptionButtons.at(3).ButtonImage;
  EXPECT_FALSE(Engine().SetCaptionButtonImages(group, Red(), Green(), Blue(), Yellow()));
  EXPECT_EQ(Record(i).CaptionButtons.at(3).ButtonImage, close);
  EXPECT_NE(Record(i).CaptionButtons.at(1).ButtonImage, Red());
  EXPECT_FALSE(Engine().SetStatusStyle(group, true, true));
  EXPECT_FALSE(Record(i).StatusGlow);
}

}  // namespace
