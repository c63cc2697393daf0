// Where the program finds its files: all beside the program itself.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// Folder of the class files, without a trailing separator. Defaults to the
// program's own folder; tests point it elsewhere.
const std::string& DataDirectory();
void SetDataDirectory(const std::string& directory);

std::string SettingsPath();           // <dir>\pz.ini
std::string RosterPath();             // <dir>\ming.txt
std::string BackgroundPath();         // <dir>\img\背景.jpg
std::string PhotoPath(int32_t line);  // <dir>\img\<line>.jpg
std::string ProgressPath();           // <dir>\点名进度.txt (fair rounds)
std::string PickLogPath();            // <dir>\点名记录.csv (the pick log)

}  // namespace app
