// File operations of --fix that never overwrite what the teacher already has.
#pragma once

#include <string>

namespace classcheck {

// `base` when nothing of that name exists, else base + "2", base + "3" ...
// (ming.txt.bak, ming.txt.bak2, ...).
std::string FreeNumberedName(const std::string& base);
// "dir\stem.ext", else "dir\stem (2).ext", "dir\stem (3).ext" ...
std::string FreeNameInFolder(const std::string& dir, const std::string& fileName);

// Whether a new file can be made in `dir` (tried with a file deleted on close).
bool CanCreateIn(const std::string& dir);
// Whether `path` may be replaced: it exists and is not read-only.
bool CanReplace(const std::string& path);

}  // namespace classcheck
