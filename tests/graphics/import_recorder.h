// Records which GDI+ flat functions the test program calls, by pointing the
// program's import entries for gdiplus.dll at small thunks that set a flag and
// jump on to the real function. Only for 32-bit x86 builds.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace graphics_test {

class ImportRecorder {
 public:
  explicit ImportRecorder(const char* dll_name);
  ~ImportRecorder();
  ImportRecorder(const ImportRecorder&) = delete;
  ImportRecorder& operator=(const ImportRecorder&) = delete;

  bool installed() const { return !entries_.empty(); }
  void Clear();
  bool Called(const std::string& function) const;
  bool Imported(const std::string& function) const { return index_.count(function) != 0; }
  std::vector<std::string> CalledFunctions() const;

 private:
  struct Entry {
    std::string name;
    void** slot;     // the import entry in the program
    void* original;  // where it pointed
  };
  std::vector<Entry> entries_;
  std::map<std::string, size_t> index_;
  volatile LONG* flags_ = nullptr;
  void** originals_ = nullptr;
  unsigned char* thunks_ = nullptr;
};

}  // namespace graphics_test
