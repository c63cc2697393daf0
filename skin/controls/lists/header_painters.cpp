// The painter of headers: the facts of each item from the control and the
// record, its look drawn over what lies behind it, one transfer per item.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>

#include "graphics/bitmap.h"
#include "platform/handles.h"
#include "skin/controls/lists/list_looks.h"
#include "skin/controls/lists/lists.h"
#include "skin/drawing/paint_frame.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"

namespace skin {
namespace {

constexpr int kTextBuffer = 260;

// What the painter needs of the record, copied before the control is asked
// anything (its answers pass through the engine's procedure).
struct HeaderFacts {
  HWND hwnd = nullptr;
  bool hover = false, buttons = false;
  int hotItem = 0, pressedItem = 0;
  std::string fontName;
  int fontSize = 0, fontStyle = 0;
};

struct HeaderItem {
  RECT rect{};
  std::string text;
  int format = 0;
  int image = 0;
};

HeaderItem ReadItem(HWND header, int k) {
  HeaderItem item;
  ::SendMessageA(header, HDM_GETITEMRECT, k, reinterpret_cast<LPARAM>(&item.rect));
  char text[kTextBuffer] = {};
  HDITEMA read{};
  read.mask = HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
  read.pszText = text;
  read.cchTextMax = kTextBuffer;
  if (::SendMessageA(header, HDM_GETITEMA, k, reinterpret_cast<LPARAM>(&read))) {
    item.text = text;
    item.format = read.fmt;
    item.image = read.iImage;
  }
  return item;
}

// The right edge, in the header's coordinates, that the last item of a list
// view's header reaches: the list view's client area ends there.
int StretchedRight(HWND header) {
  HWND parent = ::GetParent(header);
  if (GetClassText(parent) != "SysListView32") return INT_MIN;
  RECT client{};
  ::GetClientRect(parent, &client);
  POINT edge{client.right, 0};
  ::MapWindowPoints(parent, header, &edge, 1);
  return edge.x;
}

void PaintItem(HWND header, HDC target, const HeaderFacts& f, const HeaderItem& item, int k,
               int right, HIMAGELIST images, int margin) {
  RECT r = item.rect;
  if (r.right < right) r.right = right;
  HeaderItemLook look;
  look.text = item.text;
  look.fontName = f.fontName;
  look.fontSize = f.fontSize;
  look.fontStyle = f.fontStyle;
  look.format = item.format;
  look.width = r.right - r.left;
  look.height = r.bottom - r.top;
  look.margin = margin;
  look.buttons = f.buttons;
  look.hot = f.hover && f.hotItem == k;
  look.pressed = f.pressedItem == k;
  look.translucent = Module.TranslucencyGiven;
  look.translucency = Module.Translucency;
  look.accent = Module.AccentColour;

  platform::UniqueIcon icon;
  graphics::Bitmap picture;
  if ((item.format & HDF_IMAGE) && images)
    icon.reset(::ImageList_GetIcon(images, item.image, ILD_NORMAL));
  if (icon && picture.CreateBitmapFromHICON(icon.get())) look.icon = &picture;

  PaintFrame frame(header, r);
  if (!frame) return;
  DrawHeaderItemLook(frame.graphics(), look);
  frame.CopyTo(target, r.left, r.top);
}

// Right of the last item a stand-alone header shows what lies behind it,
// never what was on screen there before.
void PaintRest(HWND header, HDC target, int from) {
  RECT client{};
  ::GetClientRect(header, &client);
  if (from >= client.right) return;
  PaintFrame frame(header, RECT{from, 0, client.right, client.bottom});
  frame.CopyTo(target, from, 0);
}

}  // namespace

void PaintHeader(int i, int index, HDC target) {
  SkinnedWindow* w = WindowRecord(i);
  HeaderRecord* r = w ? w->Headers.find(index) : nullptr;
  if (!r || !r->hwnd) return;
  const HeaderFacts facts{r->hwnd,        r->hover != 0, r->buttons != 0, r->hotItem,
                          r->pressedItem, r->fontName,   r->fontSize,     r->fontStyle};
  HWND header = facts.hwnd;
  // The image list may have been replaced (or destroyed) since registration.
  const HIMAGELIST images =
      reinterpret_cast<HIMAGELIST>(::SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
  if ((w = WindowRecord(i)) && (r = w->Headers.find(index)) && r->hwnd == header)
    r->imageList = images;

  platform::WindowDC own(header, target ? nullptr : ::GetDC(header));
  HDC dc = target ? target : own.get();
  if (!dc) return;
  const int margin = static_cast<int>(::SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  const int count = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  const int stretch = StretchedRight(header);
  int end = 0;
  for (int k = 1; k <= count; ++k) {
    const HeaderItem item = ReadItem(header, k - 1);
    const int right = k == count ? stretch : INT_MIN;
    PaintItem(header, dc, facts, item, k, right, images, margin);
    end = std::max<int>(end, std::max<int>(item.rect.right, right));
  }
  PaintRest(header, dc, end);
}

}  // namespace skin
