// Console output of classcheck: code page 936 text on stdout, progress on
// stderr.
#pragma once

#include <cstddef>
#include <string>

namespace classcheck {

// Writes code page 936 text to stdout: through the console with its output
// code page switched to 936 for the write, or as bytes to a file or pipe.
void WriteOut(const std::string& text);

// Started by a double-click, the console window would close with the report:
// then it waits for Enter first.
void WaitIfOwnConsole();

// Progress of long checks, on stderr: a line redrawn in place on a console,
// a line every few hundred photos into a file or pipe. Quiet for short runs.
class ProgressPrinter {
 public:
  void operator()(size_t done, size_t total);
  void Finish();  // clears the line on a console

 private:
  bool shown_ = false;
};

}  // namespace classcheck
