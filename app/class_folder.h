// Several classes with one program: `rollcall.exe <folder>` (or a folder
// dropped onto the program's icon) reads and writes that folder's class
// files instead of the program's own.
#pragma once

#include <optional>
#include <string>

namespace app {

// The first argument of the command line, in the ANSI code page the file
// functions take; nothing when there is none.
std::optional<std::string> FolderArgument();

// The folder as the class files' directory: made absolute, without a
// trailing separator or the stray quote a quoted trailing backslash leaves.
// Nothing when it is not an existing folder.
std::optional<std::string> ClassFolderOf(const std::string& argument);

// Points the program at the folder of the command line, if one is given.
// False after telling the teacher ("找不到班级文件夹: ...") that it does not
// exist: the program then ends.
bool UseFolderArgument();

}  // namespace app
