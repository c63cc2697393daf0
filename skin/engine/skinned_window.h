// The engine's records of a skinned top-level window and its caption buttons.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/tooltip.h"
#include "platform/handles.h"
#include "skin/controls/buttons/button_record.h"
#include "skin/controls/containers/container_record.h"
#include "skin/controls/edits/edit_records.h"
#include "skin/controls/lists/list_records.h"
#include "skin/controls/ranges/range_records.h"
#include "skin/controls/transparent/transparent_child_record.h"
#include "skin/drawing/colours.h"
#include "skin/engine/one_based_list.h"
#include "skin/frame/docked_child.h"
#include "skin/frame/frame_layers.h"

namespace skin {

// A routine run by a caption button (help, main menu, custom).
using Subroutine = void (*)();

enum CaptionButtonKind : int32_t {
  kCloseButton = 0,
  kMaxButton = 1,  // maximise / restore
  kMinButton = 2,
  kMenuButton = 3,
  kHelpButton = 4,
  kCustomButton = 5,
};

struct CaptionButton {
  int32_t Width = 26;  // 38 for close
  int32_t Height = 18;
  std::vector<uint8_t> ButtonImage;  // PNG
  std::vector<uint8_t> AltImage;     // the restore picture of the maximise button
  std::vector<uint8_t> SpareImage;   // never drawn by the caption painter
  int32_t Kind = kCustomButton;
  std::string TipText;
  Subroutine Handler = nullptr;  // custom buttons
  Gdiplus::RectF Rect{};         // set by the layout
};

// One step of the caption-button hover animation.
struct FadeState {
  int32_t button = 0;  // 1-based; 0 = none
  int32_t step = 0;    // 0..8
};

struct IntRect {
  int32_t x = 0, y = 0, width = 0, height = 0;
};

// A panel of the status bar at the bottom of the frame; width -1 takes the rest.
struct StatusPanel {
  int32_t width = -1;
  std::string text;
  std::vector<uint8_t> image;
  Colour colour = 0;
};

// A brush handed to the platform for one child control in answer to a
// colour message, with the bitmap behind it; kept until replaced or until the
// window goes.
struct ControlBrush {
  HWND control = nullptr;
  platform::UniqueBrush brush;
  platform::UniqueBitmap bitmap;
};

// The background picture, decoded once: decoding it again for every render
// would cost far more than the rest of the frame.
struct BackgroundLayer {
  // The picture decoded, kept across sizes: a resize places it again
  // without decoding it again.
  std::vector<uint8_t> decodedSource;
  graphics::Image decoded;
  // Its pixels at its own size, premultiplied, top-down rows.
  std::vector<uint32_t> pixels;
  int32_t width = 0, height = 0;
  bool opaque = false;  // every pixel at full alpha: a copy is its blend

  void Reset() {
    decoded.DisposeImage();
    decodedSource.clear();
    std::vector<uint32_t>().swap(pixels);
    width = height = 0;
    opaque = false;
  }
};

// A window that came with a platform caption or border of its own (a dialog,
// a common dialog, a program's main window): the engine removed them and
// keeps strips of its own around the client area, which keeps its size.
struct AdoptedFrame {
  bool on = false;
  RECT insets{};  // left margin, caption strip, right margin, margin and status strip
};

struct SkinnedWindow {
  HWND Hwnd = nullptr;
  AdoptedFrame Adopted;
  int32_t CaptionHeight = 25;
  bool HelpButtonWanted = false;
  bool MenuButtonWanted = false;
  bool MinButtonWanted = false;
  bool MaxButtonWanted = false;
  bool ShowTitle = true;
  bool CaptionGloss = false;
  WNDPROC OldWndProc = nullptr;
  std::vector<uint8_t> BackImage;  // empty: the theme's picture is used
  int32_t BackMode = 0;
  Colour BackColour = 0;
  OneBasedList<CaptionButton> CaptionButtons;  // left to right
  int32_t ButtonsLeft = 0;
  int32_t ButtonsTop = 0;
  int32_t ButtonsWidth = 0;
  int32_t ButtonsHeight = 22;
  // The caption strip and the status strip without buttons, title or panels:
  // memory DCs with their bitmaps.
  platform::MemorySurface CaptionCacheDC;
  platform::MemorySurface StatusCacheDC;
  bool Maximised = false;
  bool Minimised = false;
  int32_t MinTrackWidth = 200;
  int32_t MinTrackHeight = 150;
  int32_t MaxTrackWidth = 0;
  int32_t MaxTrackHeight = 0;
  bool Resizable = true;
  bool ShowCaption = true;
  Colour TitleColour = 0xFFFFFF;
  Colour TitleShadowColour = 0x808080;
  std::string TitleFontName;
  int32_t TitleFontSize = 12;
  int32_t TitleFontStyle = 1;
  int32_t LastHotButton = 0;
  // Hover bookkeeping shared by the window's skinned child controls.
  int32_t HoverKind = 0;
  int32_t HoverChild = 0;
  int32_t LastHoverChild = 0;
  HWND HotParent = nullptr;  // parent of the edit last drawn hot
  Subroutine HelpHandler = nullptr;
  Subroutine MenuHandler = nullptr;
  graphics::Tooltip Tooltip;
  int32_t ToolCount = 0;
  // Status bar.
  int32_t StatusHeight = 0;
  IntRect StatusRect;
  OneBasedList<StatusPanel> StatusPanels;
  OneBasedList<IntRect> StatusPanelRects;
  bool StatusThemeText = false;
  bool StatusGlow = false;
  Colour StatusTextColour = 0;
  Colour StatusGlowColour = 0xFFFFFF;
  std::string StatusFontName;
  int32_t StatusFontSize = 12;
  // Skinned children, one list per family.
  ChildList<ButtonRecord> ButtonControls;
  ChildList<EditRecord> EditControls;
  ChildList<ListRecord> ListControls;
  ChildList<TrackBarRecord> TrackBars;
  ChildList<ProgressRecord> ProgressBars;
  ChildList<ComboRecord> ComboControls;
  ChildList<UpDownRecord> UpDowns;
  ChildList<HeaderRecord> Headers;
  ChildList<TransparentChildRecord> TransparentChildren;
  ChildList<ContainerRecord> Containers;
  ChildList<DockedChild> DockedChildren;
  bool Dirty = false;
  // The size is still changing (a live resize by the border, a maximise or
  // restore): a new size draws its picture draft, and DraftShown says the
  // frame shows one, to be drawn at full quality once the size settles.
  bool SizeSettling = false;
  bool DraftShown = false;
  // The rendered frame: FrameBitmap is selected into FrameDC (declared first,
  // so the DC goes before its bitmap).
  platform::UniqueBitmap FrameBitmap;
  platform::UniqueMemoryDC FrameDC;
  BackgroundLayer Background;
  // Pixels of the ground, the finished frame and fade steps kept between
  // renders, each with what it was drawn from.
  FrameLayers Layers;
  bool MouseTracking = false;
  FadeState FadeIn;
  FadeState FadeOut;
  bool FadeTimerOn = false;
  std::vector<ControlBrush> ControlBrushes;
};

}  // namespace skin
