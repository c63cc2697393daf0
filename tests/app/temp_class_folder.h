// A fresh class folder under the test's working folder, made the program's
// data folder for the lifetime of the object.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/paths.h"
#include "platform/files.h"

class TempClassFolder {
 public:
  explicit TempClassFolder(const std::string& name) {
    char cwd[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, cwd);
    path_ = std::string(cwd) + "\\" + name;
    RemoveTree(path_);
    ::CreateDirectoryA(path_.c_str(), nullptr);
    ::CreateDirectoryA((path_ + "\\img").c_str(), nullptr);
    previous_ = app::DataDirectory();
    app::SetDataDirectory(path_);
  }
  ~TempClassFolder() { app::SetDataDirectory(previous_); }

  const std::string& path() const { return path_; }

  void WriteFile(const std::string& relative, const std::string& bytes) const {
    platform::WriteWholeFile(path_ + "\\" + relative,
                             reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  void WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) const {
    platform::WriteWholeFile(path_ + "\\" + relative, bytes.data(), bytes.size());
  }

 private:
  static void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE h = ::FindFirstFileA((dir + "\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string full = dir + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(full);
        else
          ::DeleteFileA(full.c_str());
      } while (::FindNextFileA(h, &found));
      ::FindClose(h);
    }
    ::RemoveDirectoryA(dir.c_str());
  }

  std::string path_;
  std::string previous_;
};
