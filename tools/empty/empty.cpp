// empty.exe {pid | task-name}: empties the working set of one process (or of
// every process with that image name), so its pages go back to the system.
// Exit code 0 when every process was trimmed, 1 otherwise.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Trimming other users' processes needs the debug privilege; without it the
// tool still trims what it may open.
void EnableDebugPrivilege() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    std::printf("OpenProcessToken failed with %lu\n", ::GetLastError());
    return;
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!::LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &privileges.Privileges[0].Luid)) {
    std::printf("LookupPrivilegeValue failed with %lu\n", ::GetLastError());
  } else if (!::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr)) {
    std::printf("AdjustTokenPrivileges failed with %lu\n", ::GetLastError());
  }
  ::CloseHandle(token);
}

bool EmptyWorkingSetOf(DWORD pid) {
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_SET_QUOTA, FALSE, pid);
  if (!process) return false;
  const SIZE_T all = static_cast<SIZE_T>(-1);
  const bool ok = ::SetProcessWorkingSetSize(process, all, all) != FALSE;
  ::CloseHandle(process);
  return ok;
}

bool IsNumber(const char* text) {
  if (!*text) return false;
  for (; *text; ++text)
    if (*text < '0' || *text > '9') return false;
  return true;
}

// Image names match without regard to case, with or without ".exe".
bool SameTask(const char* image, const char* name) {
  if (::lstrcmpiA(image, name) == 0) return true;
  char withExtension[MAX_PATH + 8];
  std::snprintf(withExtension, sizeof withExtension, "%s.exe", name);
  return ::lstrcmpiA(image, withExtension) == 0;
}

int EmptyTask(const char* name) {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) {
    std::printf("could not empty working set for process #%d [%s]\n", 0, name);
    return 1;
  }
  int found = 0, failed = 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot, &entry); more;
       more = ::Process32Next(snapshot, &entry)) {
    if (!SameTask(entry.szExeFile, name)) continue;
    ++found;
    if (!EmptyWorkingSetOf(entry.th32ProcessID)) {
      ++failed;
      std::printf("could not empty working set for process #%lu [%s]\n", entry.th32ProcessID, name);
    }
  }
  ::CloseHandle(snapshot);
  if (found == 0) std::printf("could not empty working set for process #%d [%s]\n", 0, name);
  return found > 0 && failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !*argv[1]) {
    std::printf("missing pid or task name\nUSAGE: empty.exe {pid | task-name}\n");
    return 1;
  }
  EnableDebugPrivilege();
  const char* target = argv[1];
  if (!IsNumber(target)) return EmptyTask(target);
  const unsigned long pid = std::strtoul(target, nullptr, 10);
  if (!EmptyWorkingSetOf(static_cast<DWORD>(pid))) {
    std::printf("could not empty working set for process #%lu\n", pid);
    return 1;
  }
  return 0;
}
