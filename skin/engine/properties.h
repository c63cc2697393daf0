// Window properties: the only links from a platform window back to the
// engine's records, and the subclass protocol built on them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace skin {
namespace prop {
// Exact keys; values are small integers or handles.
inline constexpr char Hw_lbID[] = "Hw_lbID";      // window number, or a child's list position
inline constexpr char Hw_FuID[] = "Hw_FuID";      // a child's window number
inline constexpr char Hw_hProc[] = "Hw_hProc";    // procedure before subclassing
inline constexpr char Kj_lbID[] = "Kj_lbID";      // transparent child: list position
inline constexpr char Kj_FuID[] = "Kj_FuID";      // transparent child: window number
inline constexpr char Kj_hProc[] = "Kj_hProc";    // transparent child: procedure before
inline constexpr char Kj_Ztys[] = "Kj_Ztys";      // text colour of a control
inline constexpr char Kj_dxjb[] = "Kj_dxjb";      // brush last returned for a control
inline constexpr char Kj_wtjb[] = "Kj_wtjb";      // bitmap behind that brush
inline constexpr char Ck_Ycjdx[] = "Ck_Ycjdx";    // the bitmap FrameDC held when created
inline constexpr char Ck_wtjbdx[] = "Ck_wtjbdx";  // the bitmap FrameDC holds now
inline constexpr char Mb_zpf[] = "Mb_zpf";        // container: nearest marked ancestor
inline constexpr char Wxk_Zpf[] = "Wxk_Zpf";      // set by other code: 1 = background source
inline constexpr char Wxk_Cj[] = "Wxk_Cj";        // set by other code: DC with its drawing
}  // namespace prop

intptr_t GetIntProp(HWND window, const char* key);
void SetIntProp(HWND window, const char* key, intptr_t value);
template <typename T>
T GetHandleProp(HWND window, const char* key) {
  return reinterpret_cast<T>(::GetPropA(window, key));
}
template <typename T>
void SetHandleProp(HWND window, const char* key, T handle) {
  ::SetPropA(window, key, reinterpret_cast<HANDLE>(handle));
}

// Installs `procedure` on the window and returns the one it replaces.
WNDPROC ReplaceWindowProc(HWND window, WNDPROC procedure);
// Hands a message on to the procedure saved under `key`.
LRESULT ForwardMessage(const char* key, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window's class name (up to 255 bytes).
std::string GetClassText(HWND window);
// The window's text, whatever its length.
std::string WindowText(HWND window);

// Takes a destroyed window out of the registry, releases its frame surfaces
// and brushes, and renumbers the windows after it, properties included.
void UnregisterWindow(HWND window);

}  // namespace skin
