#include "tools/classcheck/console.h"

#include <windows.h>

namespace classcheck {
namespace {

constexpr size_t kQuietBelow = 50;  // photos checked without any progress line

bool IsConsole(HANDLE h, DWORD& mode) { return h && ::GetConsoleMode(h, &mode); }

void Write(DWORD which, const std::string& text) {
  HANDLE h = ::GetStdHandle(which);
  if (!h || h == INVALID_HANDLE_VALUE || text.empty()) return;
  DWORD mode = 0, written = 0;
  if (IsConsole(h, mode)) {
    const UINT previous = ::GetConsoleOutputCP();
    if (previous != 936) ::SetConsoleOutputCP(936);
    ::WriteConsoleA(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    if (previous != 936) ::SetConsoleOutputCP(previous);
  } else {
    ::WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace

void WriteOut(const std::string& text) { Write(STD_OUTPUT_HANDLE, text); }

void WaitIfOwnConsole() {
  DWORD mode = 0, processes[2];
  HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
  if (!IsConsole(::GetStdHandle(STD_OUTPUT_HANDLE), mode) || !IsConsole(in, mode)) return;
  if (::GetConsoleProcessList(processes, 2) != 1) return;  // a command prompt is there too
  WriteOut("按回车键关闭...");
  char line[16];
  DWORD got = 0;
  ::ReadConsoleA(in, line, sizeof line, &got, nullptr);
}

void ProgressPrinter::operator()(size_t done, size_t total) {
  if (total < kQuietBelow) return;
  DWORD mode = 0;
  const bool console = IsConsole(::GetStdHandle(STD_ERROR_HANDLE), mode);
  const std::string text = "正在检查照片 " + std::to_string(done) + " / " + std::to_string(total);
  if (console) {
    if (done % 10 == 0 || done == total) Write(STD_ERROR_HANDLE, "\r" + text);
    shown_ = true;
  } else if (done % 250 == 0 || done == total) {
    Write(STD_ERROR_HANDLE, text + "\r\n");
  }
}

void ProgressPrinter::Finish() {
  if (shown_) Write(STD_ERROR_HANDLE, "\r" + std::string(40, ' ') + "\r");
  shown_ = false;
}

}  // namespace classcheck
