#include "platform/profile.h"

#include <windows.h>

#include <vector>

namespace platform {

bool WriteProfileKey(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
         FALSE;
}

std::string ReadProfileKey(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback) {
  std::vector<char> buffer(10240, '\0');
  DWORD n =
      ::GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), file.c_str());
  return std::string(buffer.data(), n);
}

}  // namespace platform
