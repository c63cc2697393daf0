#include "graphics/text.h"

#include <windows.h>

namespace graphics {

std::wstring Utf16FromCodePage(const std::string& text) {
  if (text.empty()) return {};
  int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(size_t(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &wide[0], length);
  // A text with an embedded NUL ends there, as it does for the C functions.
  wide.resize(wcsnlen(wide.c_str(), wide.size()));
  return wide;
}

std::string CodePageFromUtf16(const std::wstring& text) {
  if (text.empty()) return {};
  int length =
      ::WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(size_t(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), &narrow[0], length, nullptr,
                        nullptr);
  narrow.resize(strnlen(narrow.c_str(), narrow.size()));
  return narrow;
}

std::string CodePageFromUtf16(const wchar_t* text) {
  return text ? CodePageFromUtf16(std::wstring(text)) : std::string();
}

}  // namespace graphics

namespace graphics {
namespace detail {
int Utf16Length(const std::wstring& text) { return int(wcslen(text.c_str())); }
}  // namespace detail
}  // namespace graphics
