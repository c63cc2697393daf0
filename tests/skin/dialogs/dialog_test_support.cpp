#include "tests/skin/dialogs/dialog_test_support.h"

#include <algorithm>
#include <set>

#include "skin/engine/properties.h"

namespace dialog_test {
namespace {

void PushText(std::vector<WORD>& out, const std::string& text) {
  const int n = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(n, 1)), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  for (wchar_t c : wide) out.push_back(static_cast<WORD>(c));  // ends with the NUL
}

void PushDword(std::vector<WORD>& out, DWORD v) {
  out.push_back(LOWORD(v));
  out.push_back(HIWORD(v));
}

void AlignToDword(std::vector<WORD>& out) {
  if (out.size() % 2) out.push_back(0);
}

struct Modal {
  HHOOK hook = nullptr;
  HWND dialog = nullptr;
  bool looked = false;
  bool forced = false;
  UINT_PTR check = 0;
  const std::function<void(HWND)>* look = nullptr;
};
Modal* g_modal = nullptr;

void CALLBACK CheckEnded(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  Modal* m = g_modal;
  if (m && m->check == id) m->check = 0;
  if (!m || !::IsWindow(m->dialog) || !::IsWindowVisible(m->dialog)) return;
  m->forced = true;
  ::PostMessageA(m->dialog, WM_COMMAND, IDCANCEL, 0);
}

void CALLBACK LookLater(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  Modal* m = g_modal;
  if (!m || m->looked || !m->dialog) return;
  m->looked = true;
  testing_support::PumpFor(200);  // painted, and skinned where a hook does it
  (*m->look)(m->dialog);
  // Keys `look` queued reach the dialog's own loop now; a dialog they did
  // not end is ended a little later, and the caller hears of it.
  if (g_modal == m) m->check = ::SetTimer(nullptr, 0, 2000, CheckEnded);
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && g_modal && !g_modal->dialog) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (skin::GetClassText(window) == "#32770" &&
        !(::GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
      g_modal->dialog = window;
      ::SetTimer(nullptr, 0, 100, LookLater);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (g_modal && !g_modal->looked && g_modal->dialog)
    ::PostMessageA(g_modal->dialog, WM_COMMAND, IDCANCEL, 0);
}

INPUT Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Collect(HWND parent, std::vector<HWND>& out) {
  for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(c)) continue;
    out.push_back(c);
    Collect(c, out);
  }
}

}  // namespace

std::vector<WORD> Template(DWORD style, const std::string& title, short cx, short cy,
                           const std::vector<Item>& items) {
  std::vector<WORD> t;
  PushDword(t, style | DS_SETFONT);
  PushDword(t, 0);
  t.push_back(static_cast<WORD>(items.size()));
  t.push_back(10);
  t.push_back(10);
  t.push_back(static_cast<WORD>(cx));
  t.push_back(static_cast<WORD>(cy));
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  PushText(t, title);
  t.push_back(9);
  PushText(t, "宋体");
  for (const Item& item : items) {
    AlignToDword(t);
    PushDword(t, item.style | WS_CHILD | WS_VISIBLE);
    PushDword(t, 0);
    t.push_back(static_cast<WORD>(item.x));
    t.push_back(static_cast<WORD>(item.y));
    t.push_back(static_cast<WORD>(item.cx));
    t.push_back(static_cast<WORD>(item.cy));
    t.push_back(item.id);
    PushText(t, item.cls);
    PushText(t, item.text);
    t.push_back(0);  // no creation data
  }
  return t;
}

bool WhileModal(const std::function<void()>& open, const std::function<void(HWND)>& look) {
  Modal modal;
  modal.look = &look;
  g_modal = &modal;
  modal.hook = ::SetWindowsHookExA(WH_CBT, OnCbt, nullptr, ::GetCurrentThreadId());
  const UINT_PTR giveUp = ::SetTimer(nullptr, 0, 10000, GiveUp);
  open();
  ::KillTimer(nullptr, giveUp);
  if (modal.check) ::KillTimer(nullptr, modal.check);
  ::UnhookWindowsHookEx(modal.hook);
  g_modal = nullptr;
  return modal.looked && !modal.forced;
}

void ClickAt(POINT screen) {
  ::SetCursorPos(screen.x, screen.y);
  testing_support::PumpFor(60);
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &input[0], sizeof(INPUT));
  testing_support::PumpFor(60);
  ::SendInput(1, &input[1], sizeof(INPUT));
  testing_support::PumpFor(60);
}

void PressKey(WORD key, std::vector<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD m : modifiers) inputs.push_back(Key(m, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) inputs.push_back(Key(*m, true));
  for (INPUT& input : inputs) {
    ::SendInput(1, &input, sizeof input);
    testing_support::PumpFor(20);
  }
  testing_support::PumpFor(60);
}

void TypeText(const std::string& ascii) {
  for (char c : ascii) {
    const SHORT vk = ::VkKeyScanA(c);
    std::vector<WORD> modifiers;
    if (HIBYTE(vk) & 1) modifiers.push_back(VK_SHIFT);
    PressKey(LOBYTE(vk), modifiers);
  }
}

void QueueKeys(const std::vector<std::vector<WORD>>& chords) {
  std::vector<INPUT> inputs;
  for (const std::vector<WORD>& chord : chords) {
    for (WORD k : chord) inputs.push_back(Key(k, false));
    for (auto k = chord.rbegin(); k != chord.rend(); ++k) inputs.push_back(Key(*k, true));
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void DragBy(POINT from, int dx, int dy) {
  ::SetCursorPos(from.x, from.y);
  testing_support::PumpFor(80);
  const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs;
  INPUT down{};
  down.type = INPUT_MOUSE;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs.push_back(down);
  constexpr int kSteps = 8;
  for (int n = 1; n <= kSteps; ++n) {
    INPUT move{};
    move.type = INPUT_MOUSE;
    const int x = from.x + dx * n / kSteps, y = from.y + dy * n / kSteps;
    move.mi.dx = (x * 65536 + sw - 1) / sw;
    move.mi.dy = (y * 65536 + sh - 1) / sh;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(move);
  }
  INPUT up = down;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  inputs.push_back(up);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  testing_support::PumpFor(400);
}

POINT CentreOf(HWND window) {
  RECT r;
  ::GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::vector<HWND> VisibleDescendants(HWND window) {
  std::vector<HWND> all;
  Collect(window, all);
  return all;
}

std::vector<HWND> StandardControls(HWND window) {
  static const std::set<std::string> kFamilies = {
      "Button",         "Edit",          "ComboBox",          "ListBox",
      "SysListView32",  "SysTreeView32", "msctls_trackbar32", "msctls_progress32",
      "msctls_updown32"};
  std::vector<HWND> found;
  for (HWND c : VisibleDescendants(window)) {
    const std::string cls = skin::GetClassText(c);
    if (!kFamilies.count(cls)) continue;
    if (cls == "Button" && (::GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) continue;
    if (cls == "Edit" && skin::GetClassText(::GetParent(c)) == "ComboBox") continue;
    found.push_back(c);
  }
  return found;
}

bool IsSkinned(HWND control) {
  return ::GetPropA(control, "Hw_FuID") != nullptr || ::GetPropA(control, "Kj_FuID") != nullptr;
}

std::string Describe(const std::vector<HWND>& controls) {
  std::string text;
  for (HWND c : controls) {
    if (!text.empty()) text += ", ";
    text += skin::GetClassText(c) + " #" + std::to_string(::GetDlgCtrlID(c));
  }
  return text.empty() ? "none" : text;
}

int DistinctSaturatedColours(const testing_support::Pixels& picture) {
  std::set<int> seen;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const COLORREF c = picture.at(x, y);
      const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
      if (std::max({r, g, b}) - std::min({r, g, b}) < 80) continue;
      seen.insert((r >> 4) << 8 | (g >> 4) << 4 | (b >> 4));
    }
  return static_cast<int>(seen.size());
}

}  // namespace dialog_test
