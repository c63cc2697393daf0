#include "app/one_copy.h"

#include <cstdint>
#include <vector>

#include "graphics/text.h"

namespace app {
namespace {

// Object names are at most MAX_PATH characters and take no '\' beyond the
// namespace: the key goes in as a hash.
std::string MappingName(const std::wstring& key) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (wchar_t c : key) {
    hash ^= static_cast<uint16_t>(c);
    hash *= 1099511628211ull;
  }
  char name[64];
  wsprintfA(name, "Local\\RollCallClassFolder-%08lX%08lX", static_cast<unsigned long>(hash >> 32),
            static_cast<unsigned long>(hash & 0xFFFFFFFFu));
  return name;
}

// The window handle kept in the shared block, as a 64-bit number so 32- and
// 64-bit copies read it alike.
class SharedWindow {
 public:
  explicit SharedWindow(HANDLE mapping)
      : view_(static_cast<volatile uint64_t*>(
            mapping ? ::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(uint64_t))
                    : nullptr)) {}
  ~SharedWindow() {
    if (view_) ::UnmapViewOfFile(const_cast<uint64_t*>(view_));
  }
  SharedWindow(const SharedWindow&) = delete;
  SharedWindow& operator=(const SharedWindow&) = delete;
  void Set(HWND window) {
    if (view_) *view_ = reinterpret_cast<uintptr_t>(window);
  }
  HWND Get() const {
    return view_ ? reinterpret_cast<HWND>(static_cast<uintptr_t>(*view_)) : nullptr;
  }

 private:
  volatile uint64_t* view_;
};

}  // namespace

std::wstring FolderKey(const std::string& folder) {
  std::wstring path = graphics::Utf16FromCodePage(folder);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  std::vector<wchar_t> full(32768);
  const DWORD n =
      ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n > 0 && n < full.size()) path.assign(full.data(), n);
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();  // "C:\" keeps its own
  if (!path.empty()) ::CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  return path;
}

OneCopy::OneCopy(const std::string& folder) {
  const std::string name = MappingName(FolderKey(folder));
  HANDLE mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(uint64_t), name.c_str());
  const DWORD error = ::GetLastError();
  mapping_ = platform::UniqueHandle(mapping);
  // Without the block (no memory, a name held by something else) the copy
  // runs as it always has.
  first_ = !mapping_ || error != ERROR_ALREADY_EXISTS;
}

void OneCopy::Publish(HWND window) {
  if (first_) SharedWindow(mapping_.get()).Set(window);
}

HWND OneCopy::BringRunningCopyToFront(DWORD waitMs) const {
  if (first_) return nullptr;
  const SharedWindow shared(mapping_.get());
  HWND window = shared.Get();
  for (DWORD waited = 0; !window && waited < waitMs; waited += 50) {
    ::Sleep(50);
    window = shared.Get();
  }
  if (!window || !::IsWindow(window)) return nullptr;
  if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
  ::SetForegroundWindow(window);
  ::BringWindowToTop(window);
  return window;
}

}  // namespace app
