// Tooltip windows and their tools, read back from the common control.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstring>

#include "graphics/tooltip.h"

namespace {

using graphics::Tooltip;

// The first layout of the record: 40 bytes on 32-bit Windows.
constexpr UINT kFirstRecordSize = offsetof(TOOLINFOA, lParam);

struct Owner {
  HWND window = ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ~Owner() { ::DestroyWindow(window); }
};

struct ToolView {
  bool found = false;
  RECT rect{};
  std::string text;
  UINT flags = 0;
  LPSTR text_pointer = nullptr;
};

// What the tooltip window holds for tool `id` of `owner`.
ToolView ReadTool(HWND tip, HWND owner, UINT id) {
  char buffer[256] = {};
  TOOLINFOA tool{};
  tool.cbSize = kFirstRecordSize;
  tool.hwnd = owner;
  tool.uId = id;
  tool.lpszText = buffer;
  ToolView view;
  view.found = ::SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
  view.rect = tool.rect;
  view.flags = tool.uFlags;
  view.text_pointer = tool.lpszText;
  if (view.found && tool.lpszText != LPSTR_TEXTCALLBACKA) {
    char text[256] = {};
    TOOLINFOA query{};
    query.cbSize = kFirstRecordSize;
    query.hwnd = owner;
    query.uId = id;
    query.lpszText = text;
    ::SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&query));
    view.text = text;
  }
  return view;
}

bool HitsTool(HWND tip, HWND owner, int x, int y, UINT* id = nullptr) {
  TTHITTESTINFOA hit{};
  hit.hwnd = owner;
  hit.pt = {x, y};
  hit.ti.cbSize = kFirstRecordSize;
  const bool found = ::SendMessageA(tip, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)) != 0;
  if (found && id) *id = UINT(hit.ti.uId);
  return found;
}

int ToolCount(HWND tip) { return int(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0)); }

TEST(Tooltip, CreatesATooltipWindowForItsOwner) {
  Owner owner;
  Tooltip tip;
  EXPECT_EQ(tip.GetWindow(), nullptr);
  HWND window = tip.Create(owner.window);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(tip.GetWindow(), window);
  EXPECT_EQ(tip.GetOwner(), owner.window);
  char class_name[64] = {};
  ::GetClassNameA(window, class_name, sizeof class_name);
  EXPECT_STRCASEEQ(class_name, TOOLTIPS_CLASSA);
  const LONG style = ::GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & TTS_ALWAYSTIP);
  EXPECT_FALSE(style & TTS_BALLOON);
  EXPECT_EQ(::GetParent(window), nullptr);

  Tooltip balloon;
  HWND balloon_window = balloon.Create(owner.window, true);
  ASSERT_NE(balloon_window, nullptr);
  EXPECT_TRUE(::GetWindowLongA(balloon_window, GWL_STYLE) & TTS_BALLOON);

  // The object does not take its window with it.
  {
    Tooltip temporary = tip;
    EXPECT_EQ(temporary.GetWindow(), window);  // a copy shares the window
  }
  EXPECT_TRUE(::IsWindow(window));
  ::DestroyWindow(window);
  ::DestroyWindow(balloon_window);
}

TEST(Tooltip, AddsMovesRenamesAndDeletesTools) {
  Owner owner;
  Tooltip tip;
  HWND window = tip.Create(owner.window);
  ASSERT_NE(window, nullptr);

  tip.AddTool(RECT{0, 0, 0, 0}, "开始", 3);  // an empty rectangle at first
  ASSERT_EQ(ToolCount(window), 1);
  ToolView tool = ReadTool(window, owner.window, 3);
  ASSERT_TRUE(tool.found);
  EXPECT_EQ(tool.text, "开始");
  EXPECT_TRUE(tool.flags & TTF_SUBCLASS);
  EXPECT_FALSE(HitsTool(window, owner.window, 15, 15));

  tip.SetToolRect(3, RECT{10, 10, 40, 30});
  tool = ReadTool(window, owner.window, 3);
  EXPECT_EQ(tool.rect.left, 10);
  EXPECT_EQ(tool.rect.top, 10);
  EXPECT_EQ(tool.rect.right, 40);
  EXPECT_EQ(tool.rect.bottom, 30);
  UINT id = 0;
  EXPECT_TRUE(HitsTool(window, owner.window, 15, 15, &id));
  EXPECT_EQ(id, 3u);
  EXPECT_FALSE(HitsTool(window, owner.window, 45, 15));  // over the new rectangle only

  tip.SetToolText(3, "停止");
  EXPECT_EQ(ReadTool(window, owner.window, 3).text, "停止");

  // A number that was never added changes nothing.
  tip.SetToolText(9, "其他");
  tip.SetToolRect(9, RECT{0, 0, 100, 100});
  EXPECT_EQ(ToolCount(window), 1);
  EXPECT_FALSE(ReadTool(window, owner.window, 9).found);
  EXPECT_EQ(ReadTool(window, owner.window, 3).text, "停止");

  // The text is copied: the caller's may go away.
  {
    std::string passing = "最小化";
    tip.AddTool(RECT{50, 0, 70, 20}, passing, 4);
    passing.assign(passing.size(), 'x');
  }
  EXPECT_EQ(ReadTool(window, owner.window, 4).text, "最小化");
  EXPECT_EQ(ToolCount(window), 2);

  tip.DeleteTool(3);
  EXPECT_EQ(ToolCount(window), 1);
  EXPECT_FALSE(ReadTool(window, owner.window, 3).found);
  EXPECT_TRUE(ReadTool(window, owner.window, 4).found);
  ::DestroyWindow(window);
}

TEST(Tooltip, CallbackToolsColoursAndWidth) {
  Owner owner;
  Tooltip tip;
  HWND window = tip.Create(owner.window);
  ASSERT_NE(window, nullptr);
  tip.AddCallbackTool(RECT{0, 0, 20, 20}, 7);
  ToolView tool = ReadTool(window, owner.window, 7);
  ASSERT_TRUE(tool.found);
  EXPECT_EQ(tool.text_pointer, LPSTR_TEXTCALLBACKA);

  tip.SetBackColour(RGB(0x22, 0xCA, 0xDD));
  tip.SetTextColour(RGB(1, 2, 3));
  tip.SetMaxWidth(180);
  EXPECT_EQ(COLORREF(::SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0)), RGB(0x22, 0xCA, 0xDD));
  EXPECT_EQ(COLORREF(::SendMessageA(window, TTM_GETTIPTEXTCOLOR, 0, 0)), RGB(1, 2, 3));
  EXPECT_EQ(::SendMessageA(window, TTM_GETMAXTIPWIDTH, 0, 0), 180);
  ::DestroyWindow(window);
}

TEST(Tooltip, TwoTooltipsOnOneOwnerKeepSeparateTools) {
  Owner owner;
  Tooltip first, second;
  HWND a = first.Create(owner.window);
  HWND b = second.Create(owner.window);
  ASSERT_TRUE(a && b);
  first.AddTool(RECT{0, 0, 10, 10}, "一", 1);
  second.AddTool(RECT{20, 0, 30, 10}, "二", 1);
  EXPECT_EQ(ReadTool(a, owner.window, 1).text, "一");
  EXPECT_EQ(ReadTool(b, owner.window, 1).text, "二");
  first.DeleteTool(1);
  EXPECT_EQ(ToolCount(a), 0);
  EXPECT_EQ(ToolCount(b), 1);
  ::DestroyWindow(a);
  ::DestroyWindow(b);
}

TEST(Tooltip, WithoutAWindowNothingHappens) {
  Tooltip tip;  // never created
  tip.AddTool(RECT{0, 0, 5, 5}, "x", 1);
  tip.SetToolText(1, "y");
  tip.DeleteTool(1);
  EXPECT_EQ(tip.GetWindow(), nullptr);
}

}  // namespace
