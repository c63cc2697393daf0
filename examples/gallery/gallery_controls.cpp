#include "examples/gallery/gallery_controls.h"

namespace gallery {
namespace {

HWND Make(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
          int id, HFONT font) {
  HWND control = ::CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

}  // namespace

GalleryControls CreateGalleryControls(HWND window, HFONT font) {
  GalleryControls c;
  // Buttons standing on the window.
  Make(window, "BUTTON", "普通按钮", BS_PUSHBUTTON, 24, 56, 120, 32, kPushId, font);
  Make(window, "BUTTON", "默认按钮", BS_DEFPUSHBUTTON, 160, 56, 120, 32, kDefaultPushId, font);
  Make(window, "BUTTON", "不可用", BS_PUSHBUTTON | WS_DISABLED, 296, 56, 120, 32, kDisabledId,
       font);
  c.sample = Make(window, "BUTTON", "窗口示例", BS_PUSHBUTTON, 432, 56, 140, 32, kSampleId, font);
  HWND show =
      Make(window, "BUTTON", "显示照片", BS_AUTOCHECKBOX, 24, 104, 120, 24, kShowPhotosId, font);
  ::SendMessageA(show, BM_SETCHECK, BST_CHECKED, 0);
  Make(window, "BUTTON", "自动循环", BS_AUTOCHECKBOX, 160, 104, 120, 24, kRepeatId, font);

  // A group box with children of its own.
  c.groupBox = Make(window, "BUTTON", "抽取方式", BS_GROUPBOX | BS_LEFT, 24, 140, 260, 150,
                    kGroupBoxId, font);
  HWND random = Make(c.groupBox, "BUTTON", "随机抽取", BS_AUTORADIOBUTTON | WS_GROUP, 16, 28, 110,
                     24, kRandomId, font);
  ::SendMessageA(random, BM_SETCHECK, BST_CHECKED, 0);
  Make(c.groupBox, "BUTTON", "按学号顺序", BS_AUTORADIOBUTTON, 16, 58, 110, 24, kInOrderId, font);
  Make(c.groupBox, "BUTTON", "按小组", BS_AUTORADIOBUTTON, 16, 88, 110, 24, kByGroupId, font);
  Make(c.groupBox, "BUTTON", "应用", BS_PUSHBUTTON, 150, 104, 90, 30, kApplyId, font);

  // A bordered panel holding the image buttons.
  c.panel = Make(window, "STATIC", "", SS_NOTIFY, 300, 140, 276, 150, kPanelId, font);
  c.import = Make(c.panel, "BUTTON", "导入名单", BS_PUSHBUTTON, 14, 16, 130, 40, kImportId, font);
  c.photos = Make(c.panel, "BUTTON", "照片", BS_PUSHBUTTON, 160, 16, 96, 72, kPhotosId, font);
  c.favourite = Make(c.panel, "BUTTON", "", BS_PUSHBUTTON, 14, 72, 40, 40, kFavouriteId, font);

  c.note = Make(window, "STATIC", "把鼠标移到按钮上，再点一下试试。", SS_LEFT, 24, 728, 408, 24,
                kNoteId, font);
  return c;
}

}  // namespace gallery
