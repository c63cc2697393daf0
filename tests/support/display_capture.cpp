#include "tests/support/display_capture.h"

#include <objbase.h>
#include <gdiplus.h>

#include <cstring>

#include "platform/files.h"
#include "platform/handles.h"

namespace testing_support {
namespace {

// The Unix path of a Windows path, through Wine's own conversion.
std::string UnixPath(const std::string& windowsPath) {
  using Convert = char*(__cdecl*)(const wchar_t*);
  auto convert = reinterpret_cast<Convert>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  std::wstring wide(windowsPath.begin(), windowsPath.end());
  char* unix = convert(wide.c_str());
  if (!unix) return {};
  std::string result = unix;
  ::HeapFree(::GetProcessHeap(), 0, unix);
  return result;
}

}  // namespace

bool UnderWine() {
  return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

Pixels LoadPicture(const std::string& path) {
  std::wstring wide(path.begin(), path.end());
  Gdiplus::Bitmap bitmap(wide.c_str());
  if (bitmap.GetLastStatus() != Gdiplus::Ok) return {};
  const int w = static_cast<int>(bitmap.GetWidth()), h = static_cast<int>(bitmap.GetHeight());
  Pixels pixels(w, h);
  Gdiplus::Rect all(0, 0, w, h);
  Gdiplus::BitmapData data{};
  if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) != Gdiplus::Ok)
    return {};
  for (int y = 0; y < h; ++y)
    memcpy(pixels.data() + size_t(y) * w, static_cast<const uint8_t*>(data.Scan0) + y * data.Stride,
           size_t(w) * 4);
  bitmap.UnlockBits(&data);
  return pixels;
}

Pixels CaptureScreenArea(const RECT& r, const std::string& name) {
  const std::string path = OutputPath(name);
  if (!UnderWine()) {
    HDC screen = ::GetDC(nullptr);
    Pixels shot = CaptureDC(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ::ReleaseDC(nullptr, screen);
    shot.SavePng(path);
    return shot;
  }
  const std::string target = UnixPath(path);
  if (target.empty()) return {};
  ::DeleteFileA(path.c_str());
  // Written under another name and renamed when complete: the file's
  // appearance tells that the capture is done.
  const std::string command = "/bin/sh -c \"import -display \\\"$DISPLAY\\\" -window root -crop " +
                              std::to_string(r.right - r.left) + "x" +
                              std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) +
                              "+" + std::to_string(r.top) + " +repage '" + target +
                              ".part.png' && mv '" + target + ".part.png' '" + target + "'\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string line = command;
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
    return {};
  // Wine difference: a Unix program started this way comes with no process
  // handle to wait on, and the thread handle is left as garbage (once the
  // value of a handle the test itself held open, its standard output):
  // close the two only when there is a process.
  if (pi.hProcess) {
    platform::UniqueHandle process(pi.hProcess), thread(pi.hThread);
  }
  for (int i = 0; i < 200 && !platform::FileExists(path); ++i) PumpFor(50);
  return LoadPicture(path);
}

Pixels CaptureShown(HWND window, const std::string& name) {
  PumpFor(150);  // everything painted and handed to the display
  RECT r;
  ::GetWindowRect(window, &r);
  return CaptureScreenArea(r, name);
}

}  // namespace testing_support
