#include "tools/classcheck/safe_files.h"

#include <windows.h>

#include "platform/handles.h"

namespace classcheck {
namespace {

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::string FreeNumberedName(const std::string& base) {
  if (!Exists(base)) return base;
  for (int n = 2;; ++n) {
    std::string name = base + std::to_string(n);
    if (!Exists(name)) return name;
  }
}

std::string FreeNameInFolder(const std::string& dir, const std::string& fileName) {
  std::string path = dir + "\\" + fileName;
  if (!Exists(path)) return path;
  const size_t dot = fileName.rfind('.');
  const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
  const std::string ext = dot == std::string::npos ? std::string() : fileName.substr(dot);
  for (int n = 2;; ++n) {
    path = dir + "\\" + stem + " (" + std::to_string(n) + ")" + ext;
    if (!Exists(path)) return path;
  }
}

bool CanCreateIn(const std::string& dir) {
  const std::string probe = FreeNameInFolder(dir, "classcheck-probe.tmp");
  platform::UniqueHandle file(::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                            nullptr));
  return static_cast<bool>(file);
}

bool CanReplace(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  platform::UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE | DELETE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
  return static_cast<bool>(file);
}

}  // namespace classcheck
