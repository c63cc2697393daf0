// Keys of a Windows profile (INI) file, through the platform's own reader and writer.
#pragma once

#include <string>

namespace platform {

bool WriteProfileKey(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value);
// The key's value; `fallback` when the file, section or key is missing.
// Values are cut at 10 239 bytes, the size of the read buffer.
std::string ReadProfileKey(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback = std::string());

}  // namespace platform
