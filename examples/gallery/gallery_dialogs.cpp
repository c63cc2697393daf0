#include "examples/gallery/gallery_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace gallery {
namespace {

struct PageItem {
  const char* cls;
  const char* text;
  DWORD style;
  short x, y, cx, cy;
};

void PushText(std::vector<WORD>& out, const char* text) {
  const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
  for (wchar_t c : wide) out.push_back(static_cast<WORD>(c));
}

void PushWords(std::vector<WORD>& out, std::initializer_list<WORD> words) {
  for (WORD w : words) out.push_back(w);
}

// A property-sheet page from memory, in the font "宋体" 9.
std::vector<WORD> PageTemplate(const std::vector<PageItem>& items) {
  std::vector<WORD> t;
  const DWORD style = DS_CONTROL | WS_CHILD | DS_SETFONT;
  PushWords(t, {LOWORD(style), HIWORD(style), 0, 0, static_cast<WORD>(items.size()), 0, 0, 210, 120,
                0, 0});
  PushText(t, "");
  t.push_back(9);
  PushText(t, "宋体");
  for (const PageItem& item : items) {
    if (t.size() % 2) t.push_back(0);  // items are DWORD-aligned
    const DWORD s = item.style | WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    PushWords(t, {LOWORD(s), HIWORD(s), 0, 0, static_cast<WORD>(item.x), static_cast<WORD>(item.y),
                  static_cast<WORD>(item.cx), static_cast<WORD>(item.cy), 0});
    PushText(t, item.cls);
    PushText(t, item.text);
    t.push_back(0);
  }
  return t;
}

// The pages need no handling of their own: the sheet and the engine do it all.
INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

void OpenPropertySheet(HWND owner) {
  const std::vector<WORD> general = PageTemplate({
      {"BUTTON", "点名时播放声音", BS_AUTOCHECKBOX, 10, 10, 120, 12},
      {"BUTTON", "随机抽取", BS_AUTORADIOBUTTON | WS_GROUP, 10, 28, 80, 12},
      {"BUTTON", "按学号顺序", BS_AUTORADIOBUTTON, 96, 28, 80, 12},
      {"EDIT", "三年级一班", ES_AUTOHSCROLL | WS_BORDER, 10, 46, 110, 14},
      {"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 66, 110, 60},
      {"msctls_trackbar32", "", TBS_AUTOTICKS, 10, 86, 150, 20},
      {"BUTTON", "恢复默认", BS_PUSHBUTTON, 140, 44, 60, 16},
  });
  const std::vector<WORD> advanced = PageTemplate({
      {"msctls_progress32", "", 0, 10, 10, 150, 10},
      {"msctls_updown32", "", 0, 170, 8, 12, 14},
      {"SysListView32", "", LVS_REPORT | WS_BORDER, 10, 30, 95, 80},
      {"SysTreeView32", "", TVS_HASLINES | WS_BORDER, 110, 30, 95, 80},
  });
  PROPSHEETPAGEA pages[2] = {};
  const std::vector<WORD>* templates[2] = {&general, &advanced};
  const char* titles[2] = {"常规", "高级"};
  for (int k = 0; k < 2; ++k) {
    pages[k].dwSize = sizeof pages[k];
    pages[k].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    pages[k].pResource = reinterpret_cast<LPCDLGTEMPLATEA>(templates[k]->data());
    pages[k].pszTitle = titles[k];
    pages[k].pfnDlgProc = PageProc;
  }
  PROPSHEETHEADERA sheet{};
  sheet.dwSize = sizeof sheet;
  sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  sheet.hwndParent = owner;
  sheet.pszCaption = "点名设置";
  sheet.nPages = 2;
  sheet.ppsp = pages;
  ::PropertySheetA(&sheet);
}

}  // namespace

void CreateDialogButtons(HWND window, HFONT font, int x, int y, int width) {
  const struct {
    const char* text;
    int id;
  } kButtons[] = {{"打开文件…", kOpenFileId},
                  {"颜色…", kColourId},
                  {"字体…", kFontId},
                  {"消息框…", kMessageBoxId},
                  {"属性页…", kPropertySheetId}};
  for (const auto& b : kButtons) {
    HWND button = ::CreateWindowExA(
        0, "BUTTON", b.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, y, width, 26, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    x += width + 6;
  }
}

bool OpenDialogOf(int id, HWND owner) {
  switch (id) {
    case kOpenFileId: {
      char file[MAX_PATH] = "";
      OPENFILENAMEA of{};
      of.lStructSize = sizeof of;
      of.hwndOwner = owner;
      of.lpstrFile = file;
      of.nMaxFile = MAX_PATH;
      of.lpstrFilter = "名单 (*.txt)\0*.txt\0所有文件\0*.*\0";
      of.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST;
      ::GetOpenFileNameA(&of);
      return true;
    }
    case kColourId: {
      static COLORREF custom[16] = {};
      CHOOSECOLORA cc{};
      cc.lStructSize = sizeof cc;
      cc.hwndOwner = owner;
      cc.lpCustColors = custom;
      cc.Flags = CC_FULLOPEN;
      ::ChooseColorA(&cc);
      return true;
    }
    case kFontId: {
      LOGFONTA lf{};
      CHOOSEFONTA cf{};
      cf.lStructSize = sizeof cf;
      cf.hwndOwner = owner;
      cf.lpLogFont = &lf;
      cf.Flags = CF_SCREENFONTS;
      ::ChooseFontA(&cf);
      return true;
    }
    case kMessageBoxId:
      ::MessageBoxA(owner, "要保存这次的点名记录吗?", "点名", MB_YESNOCANCEL | MB_ICONQUESTION);
      return true;
    case kPropertySheetId: OpenPropertySheet(owner); return true;
  }
  return false;
}

}  // namespace gallery
