// The gallery's sample window: a resizable skinned window with minimise and
// maximise boxes and pictures of its own on them, a status bar of three
// panels, a transparent tab control docked across it whose pages hold
// skinned buttons and edits, and a transparent month calendar.
#pragma once

#include <windows.h>

#include "skin/engine/skin_engine.h"

namespace gallery {

constexpr char kSampleWindowClass[] = "SkinGallerySampleWindow";
constexpr int kSampleWidth = 512, kSampleHeight = 394;
constexpr int kSampleStatusHeight = 24;

// Control identifiers of the sample window's pages.
enum SampleId : int {
  kCallId = 201,  // 点一个名: counts a call in the first panel
  kResetId,       // 清零
  kRemarkId,
  kLogId,
  kTabId,
  kCalendarId,
};

struct SampleWindow {
  HWND window = nullptr;
  HWND tab = nullptr;  // transparent, docked
  HWND pages[2] = {};  // children of the tab: 点名, 日历
  HWND call = nullptr;
  HWND reset = nullptr;
  HWND remark = nullptr;    // single-line edit
  HWND log = nullptr;       // check box
  HWND calendar = nullptr;  // transparent month calendar
  int calls = 0;
};

// Opens the sample window beside the screen's centre (once; later calls
// bring it forward) and skins it with `engine`, whose theme is set already.
HWND OpenSampleWindow(skin::SkinEngine& engine, HFONT font);

// The open sample window's parts; all null when it is closed.
const SampleWindow& Sample();

// What the first panel says after `calls` calls.
std::string CallsText(int calls);

}  // namespace gallery
