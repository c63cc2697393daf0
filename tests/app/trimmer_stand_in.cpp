// Stands in for empty.exe in the trimmer's tests. Appends to "<own path>.log"
// the line "start|<command line>|<startup flags>|<show state>"; then, while a
// file "<own path>.hold" exists, keeps running (a minute at most); then
// appends "end".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void Append(const std::string& file, const std::string& line) {
  if (FILE* f = std::fopen(file.c_str(), "ab")) {
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
  }
}

bool Exists(const std::string& file) {
  return ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int main() {
  char self[MAX_PATH * 2] = {};
  ::GetModuleFileNameA(nullptr, self, sizeof self);
  const std::string me(self);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  ::GetStartupInfoA(&startup);
  Append(me + ".log", "start|" + std::string(::GetCommandLineA()) + "|" +
                          std::to_string(startup.dwFlags) + "|" +
                          std::to_string(startup.wShowWindow));
  for (int i = 0; i < 3000 && Exists(me + ".hold"); ++i) ::Sleep(20);
  Append(me + ".log", "end");
  return 0;
}
