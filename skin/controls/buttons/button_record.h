// The record of a skinned button: push buttons, check boxes, radio buttons
// and image buttons share one list per window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/tooltip.h"

namespace skin {

// Which painter draws the button.
enum ButtonKind : int32_t {
  kPushButton = 0,        // push button, default push button
  kImageButton = 1,       // one image beside or above the caption
  kStateImageButton = 3,  // one image per look, no caption
  kRadioButton = 4,       // automatic radio button
  kCheckBox = 5,
};

struct ButtonRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int32_t kind = kPushButton;
  // Image buttons: the image (kind 1) or the normal, hot, pressed, spare and
  // disabled images (kind 3); empty stands for no image.
  std::vector<uint8_t> images[5];
  int32_t imageBeside = 0;  // kind 1: 1 = image left of the caption, 0 = above it
  std::string caption;
  int32_t focused = 0;
  int32_t checkedAtSkin = 0;
  HWND parentWnd = nullptr;
  graphics::Tooltip tooltip;  // its window is made when a tip text is first given
  std::string fontName;
  int32_t fontSize = 0;
  int32_t fontStyle = 0;
};

// Positions of the image buffers.
enum ButtonImageSlot { kNormalImage = 0, kHotImage = 1, kPressedImage = 2, kDisabledImage = 4 };

}  // namespace skin
