// The controls of the gallery window, one of each family the engine skins.
#pragma once

#include <windows.h>

namespace gallery {

enum ControlId : int {
  kPushId = 101,
  kDefaultPushId,
  kDisabledId,
  kShowPhotosId,
  kRepeatId,
  kRandomId,
  kInOrderId,
  kByGroupId,
  kApplyId,
  kImportId,
  kPhotosId,
  kFavouriteId,
  kGroupBoxId,
  kPanelId,
  kNoteId,
  kSampleId,
};

struct GalleryControls {
  HWND groupBox = nullptr;
  HWND panel = nullptr;
  HWND import = nullptr;     // image beside its caption
  HWND photos = nullptr;     // image above its caption
  HWND favourite = nullptr;  // one image per look
  HWND note = nullptr;       // says what was last clicked
  HWND sample = nullptr;     // opens the sample window
};

// Creates every control of the gallery on `window`, in the GUI font.
GalleryControls CreateGalleryControls(HWND window, HFONT font);

}  // namespace gallery
