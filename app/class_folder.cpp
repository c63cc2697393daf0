#include "app/class_folder.h"

#include <windows.h>
#include <shellapi.h>

#include "app/paths.h"
#include "platform/files.h"

namespace app {
namespace {

constexpr char kTitle[] = "点名";

std::string ToAnsi(const wchar_t* text) {
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.resize(static_cast<size_t>(n) - 1);
  return out;
}

}  // namespace

std::optional<std::string> FolderArgument() {
  int count = 0;
  LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!args) return std::nullopt;
  std::optional<std::string> folder;
  if (count > 1 && args[1][0]) folder = ToAnsi(args[1]);
  ::LocalFree(args);
  return folder;
}

std::optional<std::string> ClassFolderOf(const std::string& argument) {
  // "D:\三年级\" in quotes reaches us as D:\三年级" (the backslash escapes the
  // closing quote); no folder name holds a quote, so it is dropped.
  std::string given = argument;
  while (!given.empty() && given.back() == '"') given.pop_back();
  if (given.empty()) return std::nullopt;
  char full[MAX_PATH * 2] = {};
  const DWORD n = ::GetFullPathNameA(given.c_str(), sizeof full, full, nullptr);
  if (n == 0 || n >= sizeof full) return std::nullopt;
  std::string folder(full, n);
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  if (!platform::DirectoryExists(folder + "\\")) return std::nullopt;
  return folder;
}

bool UseFolderArgument() {
  const std::optional<std::string> argument = FolderArgument();
  if (!argument) return true;
  const std::optional<std::string> folder = ClassFolderOf(*argument);
  if (!folder) {
    const std::string message = "找不到班级文件夹: " + *argument;
    ::MessageBoxA(nullptr, message.c_str(), kTitle, MB_OK | MB_ICONERROR);
    return false;
  }
  SetDataDirectory(*folder);
  return true;
}

}  // namespace app
