// Whole-file access and the program's own folder. Paths are code page 936 texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using Bytes = std::vector<uint8_t>;

// The whole file; empty when it is missing or cannot be read.
Bytes ReadWholeFile(const std::string& path);
// Writes (creates or replaces) the file; false when that fails.
bool WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);
// Writes to a temporary name beside `path`, then renames it into place, so a
// reader never sees a half-written file.
bool WriteWholeFileAtomically(const std::string& path, const uint8_t* data, size_t size);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Size in bytes; -1 when there is no such file.
int64_t FileSize(const std::string& path);

// Folder of the running program, without a trailing separator.
std::string ModuleDirectory();

// Value of an environment variable; empty when it is not set.
std::string EnvironmentVariable(const char* name);

}  // namespace platform
