// One running copy per class folder: two copies on one folder would both
// write the progress file and the pick log, the last writer winning. The
// first copy on a folder holds a named block of shared memory keyed by the
// folder and publishes its window there; a later copy on the same folder
// brings that window to the front and ends. Copies on other folders run
// beside each other.
#pragma once

#include <windows.h>

#include <string>

#include "platform/handles.h"

namespace app {

// The folder as one key for every way of writing it: the full path with
// `..` and `.` resolved, '/' as '\', no trailing separators, upper case.
std::wstring FolderKey(const std::string& folder);

class OneCopy {
 public:
  // Claims `folder` (a path in the ANSI code page) for this copy.
  explicit OneCopy(const std::string& folder);

  // False when another copy already holds the folder.
  bool First() const { return first_; }

  // The first copy: records its main window for later copies.
  void Publish(HWND window);

  // A later copy: shows the running copy's window in front, restored if it
  // was minimised; waits up to `waitMs` for a copy still starting to
  // publish it. Returns that window, or null.
  HWND BringRunningCopyToFront(DWORD waitMs = 5000) const;

 private:
  platform::UniqueHandle mapping_;
  bool first_ = true;
};

}  // namespace app
