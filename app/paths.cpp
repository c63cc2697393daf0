#include "app/paths.h"

#include "platform/files.h"

namespace app {
namespace {
std::string& Directory() {
  static std::string directory = platform::ModuleDirectory();
  return directory;
}
}  // namespace

const std::string& DataDirectory() { return Directory(); }
void SetDataDirectory(const std::string& directory) { Directory() = directory; }

std::string SettingsPath() { return DataDirectory() + "\\pz.ini"; }
std::string RosterPath() { return DataDirectory() + "\\ming.txt"; }
std::string BackgroundPath() { return DataDirectory() + "\\img\\背景.jpg"; }
std::string PhotoPath(int32_t line) {
  return DataDirectory() + "\\img\\" + std::to_string(line) + ".jpg";
}

std::string ProgressPath() { return DataDirectory() + "\\点名进度.txt"; }
std::string PickLogPath() { return DataDirectory() + "\\点名记录.csv"; }

}  // namespace app
