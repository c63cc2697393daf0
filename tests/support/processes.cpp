#include "tests/support/processes.h"

namespace testing_support {
namespace {

struct Search {
  DWORD pid;
  const char* className;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  char name[128] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (pid == search->pid && std::string(name) == search->className &&
      (!search->visibleOnly || ::IsWindowVisible(window))) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& ch : path)
    if (ch == '/') ch = '\\';
  return path;
}

HWND FindTopWindow(DWORD pid, const char* className, bool visibleOnly) {
  Search search{pid, className, visibleOnly, nullptr};
  ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace testing_support
