// Conversion between the program's code-page texts and the UTF-16 that GDI+
// and OLE take. The code page is the system's ANSI page (936 here).
#pragma once

#include <string>

namespace graphics {

// Code-page text to UTF-16 (MultiByteToWideChar with the ANSI code page).
std::wstring Utf16FromCodePage(const std::string& text);
// UTF-16 to a code-page text (WideCharToMultiByte with the ANSI code page).
std::string CodePageFromUtf16(const std::wstring& text);
// The same for a NUL-terminated UTF-16 buffer; null gives an empty text.
std::string CodePageFromUtf16(const wchar_t* text);

}  // namespace graphics

namespace graphics {
namespace detail {
// Length of a UTF-16 text as GDI+ is told it: up to the first NUL.
int Utf16Length(const std::wstring& text);
}  // namespace detail
}  // namespace graphics
