#include "examples/gallery/gallery_form.h"

#include <commctrl.h>

#include <string>

#include "examples/gallery/gallery_pictures.h"
#include "graphics/bitmap.h"

namespace gallery {
namespace {

constexpr const char* kStudents[] = {
    "王芳", "李娜", "张伟", "刘洋", "陈静", "杨帆", "赵敏", "黄磊", "周杰", "吴婷",
    "徐明", "孙丽", "马超", "朱琳", "胡军", "郭静", "何平", "高翔", "林晓", "罗佳",
};
constexpr int kStudentCount = sizeof kStudents / sizeof kStudents[0];

HWND Make(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y,
          int w, int h, HFONT font) {
  HWND control = ::CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                   parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void Label(HWND parent, const char* text, int x, int y, HFONT font) {
  Make(parent, "STATIC", text, SS_LEFT, 0, x, y + 4, 40, 18, font);
}

HWND Combo(HWND parent, DWORD type, int x, int y, int w, int h, HFONT font,
           std::initializer_list<const char*> items, int selected) {
  HWND combo = Make(parent, "COMBOBOX", "", type | WS_VSCROLL, 0, x, y, w, h, font);
  for (const char* item : items)
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  ::SendMessageA(combo, CB_SETCURSEL, selected, 0);
  return combo;
}

void FillRoll(HWND roll, HIMAGELIST icons) {
  ::SendMessageA(roll, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  ::SendMessageA(roll, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
  const char* headings[] = {"学号", "姓名", "上次点名"};
  const int widths[] = {70, 90, 110};
  for (int c = 0; c < 3; ++c) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(headings[c]);
    column.cx = widths[c];
    column.iSubItem = c;
    ::SendMessageA(roll, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
  }
  for (int k = 0; k < kStudentCount; ++k) {
    const std::string number = "2026" + std::string(k < 9 ? "0" : "") + std::to_string(k + 1);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = k;
    item.iImage = k % 2;
    item.pszText = const_cast<char*>(number.c_str());
    ::SendMessageA(roll, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const std::string called = k % 3 == 2 ? "还没点过" : "12月" + std::to_string(1 + k % 8) + "日";
    const char* cells[] = {kStudents[k], called.c_str()};
    for (int c = 1; c < 3; ++c) {
      LVITEMA cell{};
      cell.iSubItem = c;
      cell.pszText = const_cast<char*>(cells[c - 1]);
      ::SendMessageA(roll, LVM_SETITEMTEXTA, k, reinterpret_cast<LPARAM>(&cell));
    }
  }
}

HTREEITEM TreeItem(HWND tree, HTREEITEM parent, const char* text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text);
  return reinterpret_cast<HTREEITEM>(
      ::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillGroups(HWND tree) {
  const char* groups[] = {"第一组", "第二组", "第三组", "第四组"};
  for (int g = 0; g < 4; ++g) {
    HTREEITEM group = TreeItem(tree, TVI_ROOT, groups[g]);
    for (int k = g * 5; k < g * 5 + 5; ++k) TreeItem(tree, group, kStudents[k]);
    if (g == 0) ::SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
  }
}

// Two small pictures of a student: one in the accent blue, one in green.
HIMAGELIST StudentIcons() {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
  for (uint32_t colour : {0xFF2E7BD6u, 0xFF3CA03Cu}) {
    graphics::Bitmap bitmap;
    platform::UniqueIcon icon;
    if (bitmap.CreateBitmapFromStream(StudentIcon(16, colour)) &&
        bitmap.CreateHICONFromBitmap(icon))
      ImageList_AddIcon(list, icon.get());
  }
  return list;
}

}  // namespace

std::vector<HWND> ClassForm::All() const {
  return {name, className, subject, date, computer, group, notes, remark, students, roll, groups};
}

ClassForm CreateClassForm(HWND window, HFONT font, int x, int y, int listsLeft, int listsTop,
                          int listsWidth) {
  ClassForm f;
  const int field = x + 44, right = x + 190, rightField = x + 234;
  Label(window, "姓名", x, y, font);
  f.name = Make(window, "EDIT", "张伟", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, field, y, 136, 24, font);
  Label(window, "班级", right, y, font);
  f.className = Combo(window, CBS_DROPDOWN, rightField, y, 142, 200, font,
                      {"三年级一班", "三年级二班", "四年级一班", "四年级二班"}, 0);

  Label(window, "科目", x, y + 36, font);
  f.subject = Combo(window, CBS_DROPDOWNLIST, field, y + 36, 136, 200, font,
                    {"语文", "数学", "英语", "科学", "美术"}, 1);
  Label(window, "日期", right, y + 36, font);
  f.date = Make(window, DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT, 0, rightField, y + 36, 142,
                24, font);

  Label(window, "电脑", x, y + 72, font);
  f.computer = Make(window, WC_IPADDRESSA, "", 0, 0, field, y + 72, 136, 24, font);
  ::SendMessageA(f.computer, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 20));
  Label(window, "小组", right, y + 72, font);
  f.group = Combo(window, CBS_SIMPLE, rightField, y + 72, 142, 96, font,
                  {"第一组", "第二组", "第三组", "第四组"}, 2);

  Label(window, "备注", x, y + 108, font);
  f.notes =
      Make(window, "EDIT",
           "王芳：本周值日，负责擦黑板和关窗户。\r\n李娜：数学竞赛报名，周五放学后培训。\r\n"
           "张伟：请假两天（周三、周四），作业由同桌转交。\r\n刘洋：新同学，座位在第三排靠窗。\r\n"
           "陈静：英语课代表。\r\n杨帆：体育委员，负责课间操点名。",
           ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL,
           WS_EX_CLIENTEDGE, field, y + 108, 136, 126, font);
  Label(window, "评语", right, y + 180, font);
  f.remark = Make(window, "EDIT", "上课认真，\r\n回答问题积极。", ES_MULTILINE | ES_WANTRETURN,
                  WS_EX_CLIENTEDGE, rightField, y + 180, 142, 54, font);

  // The lists below: students, the roll with its header, the groups.
  const int gap = 16, listWidth = 150, treeWidth = 170;
  const int rollWidth = listsWidth - listWidth - treeWidth - 2 * gap;
  f.students = Make(window, "LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 0, listsLeft,
                    listsTop, listWidth, 260, font);
  for (const char* student : kStudents)
    ::SendMessageA(f.students, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(student));
  ::SendMessageA(f.students, LB_SETCURSEL, 2, 0);

  f.roll = Make(window, WC_LISTVIEWA, "", LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                WS_EX_CLIENTEDGE, listsLeft + listWidth + gap, listsTop, rollWidth, 260, font);
  f.icons = StudentIcons();
  FillRoll(f.roll, f.icons);

  f.groups = Make(
      window, WC_TREEVIEWA, "", TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
      WS_EX_CLIENTEDGE, listsLeft + listsWidth - treeWidth, listsTop, treeWidth, 260, font);
  FillGroups(f.groups);
  return f;
}

}  // namespace gallery
