#include "app/hot_key.h"

#include <cctype>
#include <vector>

#include "app/draw_loop.h"
#include "app/main_window.h"
#include "app/settings.h"

namespace app {
namespace {

// The window that had the keyboard when the hot key raised ours; null when
// ours was not raised by it (or has given the keyboard back).
HWND g_previous = nullptr;

std::string Trimmed(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
  return s.substr(a, b - a);
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

UINT ModifierOf(const std::string& name) {
  if (name == "CTRL") return MOD_CONTROL;
  if (name == "ALT") return MOD_ALT;
  if (name == "SHIFT") return MOD_SHIFT;
  if (name == "WIN") return MOD_WIN;
  return 0;
}

UINT KeyOf(const std::string& name) {
  if (name.size() == 1 &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
    return static_cast<UINT>(name[0]);
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    int n = 0;
    for (size_t i = 1; i < name.size(); ++i) {
      if (name[i] < '0' || name[i] > '9') return 0;
      n = n * 10 + (name[i] - '0');
    }
    if (name[1] != '0' && n >= 1 && n <= 24) return static_cast<UINT>(VK_F1 + n - 1);
  }
  return 0;
}

void Raise(HWND window) {
  if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
  // Topmost while it has the keyboard: above a full-screen slide show.
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  ::SetForegroundWindow(window);
}

}  // namespace

std::optional<HotKey> ParseHotKey(const std::string& text) {
  const std::string folded = Upper(FoldFullWidth(text));
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t plus; (plus = folded.find('+', start)) != std::string::npos; start = plus + 1)
    parts.push_back(Trimmed(folded.substr(start, plus - start)));
  parts.push_back(Trimmed(folded.substr(start)));
  HotKey hotKey;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    const UINT modifier = ModifierOf(parts[i]);
    if (modifier == 0 || (hotKey.modifiers & modifier)) return std::nullopt;
    hotKey.modifiers |= modifier;
  }
  hotKey.key = KeyOf(parts.back());
  if (hotKey.key == 0) return std::nullopt;
  const bool functionKey = hotKey.key >= VK_F1 && hotKey.key <= VK_F24;
  if (!functionKey && hotKey.modifiers == 0) return std::nullopt;
  return hotKey;
}

std::string RegisterStartHotKey(HWND window, const std::string& text) {
  const std::optional<HotKey> hotKey = ParseHotKey(text);
  if (!hotKey)
    return "热键 \"" + text +
           "\" 写得不对, 没有启用。写法: Ctrl、Alt、Shift、Win 加 + 号, 最后是一个键 (A-Z、0-9、"
           "F1-F24), 例如 开始=Ctrl+Alt+D";
  if (!::RegisterHotKey(window, kStartHotKeyId, hotKey->modifiers, hotKey->key))
    return "热键 " + Trimmed(text) + " 已被其他程序占用";
  return {};
}

void OnStartHotKey() {
  const MainWindowControls& c = MainWindow();
  if (!c.window) return;
  if (DrawRunning()) {
    OnStopClick();
    return;
  }
  if (g_previous) {
    GiveBackAfterHotKey();
    return;
  }
  HWND foreground = ::GetForegroundWindow();
  if (foreground != c.window) g_previous = foreground;
  Raise(c.window);
  // As the Start button would: the draw runs from the loop, not from here.
  ::PostMessageA(c.window, WM_COMMAND, MAKEWPARAM(kStartButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(c.startButton));
}

bool GiveBackAfterHotKey() {
  HWND window = MainWindow().window;
  HWND previous = g_previous;
  g_previous = nullptr;
  if (!window || !previous) return false;
  ::SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (::IsWindow(previous)) {
    ::SetForegroundWindow(previous);
    // Behind the window that has the keyboard again.
    ::SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return true;
}

}  // namespace app
