#include "app/trimmer.h"

#include <shlwapi.h>

#include <vector>

#include "platform/files.h"
#include "platform/handles.h"

namespace app {

// The bytes of tools/empty, embedded by the build.
extern const unsigned char EmptyToolImage[];
extern const unsigned EmptyToolImageSize;

void StartTrimmer() { ::SHCreateThread(TrimWorkingSet, nullptr, 0, nullptr); }

DWORD WINAPI TrimWorkingSet(void*) {
  TrimWorkingSetWith(platform::EnvironmentVariable("windir"), ::GetCurrentProcessId(), true);
  return 0;
}

bool TrimWorkingSetWith(const std::string& windir, uint32_t pid, bool wait) {
  // Without a Windows directory the path would fall to the root of the
  // current drive: write and run nothing there.
  if (windir.empty()) return false;
  const std::string path = windir + "\\empty.exe";

  // A file already there is run as it is. A new one appears only complete
  // (written aside, then renamed), so a half-written tool is never started.
  if (!platform::FileExists(path)) {
    platform::WriteWholeFileAtomically(path, EmptyToolImage, EmptyToolImageSize);
    if (!platform::FileExists(path)) return false;
  }

  // The program is named explicitly and quoted, so a windir with spaces
  // never makes CreateProcess try a shorter path.
  const std::string command = "\"" + path + "\" " + std::to_string(pid);
  std::vector<char> commandLine(command.begin(), command.end());
  commandLine.push_back('\0');

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
    return false;
  platform::UniqueHandle process(started.hProcess);
  platform::UniqueHandle thread(started.hThread);
  if (wait) ::WaitForSingleObject(process.get(), INFINITE);
  return true;
}

}  // namespace app
