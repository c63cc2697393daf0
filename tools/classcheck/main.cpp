// classcheck [--fix] [folder]: checks a class folder (the current one unless
// given) and prints what the roll-call program will make of it.
#include <windows.h>

#include <string>

#include "platform/gdiplus_session.h"
#include "tools/classcheck/checker.h"
#include "tools/classcheck/console.h"

namespace {

constexpr char kUsage[] =
    "用法: classcheck [--fix] [班级文件夹]\r\n"
    "  检查 ming.txt、img 里的照片和 pz.ini, 每个问题一行, 附办法。\r\n"
    "  --fix  把 ming.txt 转为 GBK 和 CR LF (原文件存为 ming.txt.bak),\r\n"
    "         把大于 440 x 272 的照片缩小 (原图移到 img\\原图\\)。\r\n"
    "  不给文件夹时检查当前文件夹。退出码: 0 没有问题, 1 有问题, 2 用法错误。\r\n";

std::string CurrentFolder() {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
  return std::string(buffer, n < sizeof buffer ? n : 0);
}

}  // namespace

int main(int argc, char** argv) {
  bool fix = false;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--fix" || arg == "/fix") {
      fix = true;
    } else if (arg == "--help" || arg == "-h" || arg == "/?") {
      classcheck::WriteOut(kUsage);
      return 0;
    } else if (arg.size() > 1 && arg[0] == '-') {
      classcheck::WriteOut("不认识的选项 " + arg + "\r\n" + kUsage);
      return 2;
    } else if (folder.empty()) {
      folder = arg;
    } else {
      classcheck::WriteOut(std::string("只能给一个文件夹\r\n") + kUsage);
      return 2;
    }
  }
  if (folder.empty()) folder = CurrentFolder();

  platform::StartGdiplus();
  classcheck::ProgressPrinter progress;
  classcheck::CheckResult result = classcheck::RunClassCheck(
      folder, fix, [&progress](size_t done, size_t total) { progress(done, total); });
  progress.Finish();
  classcheck::WriteOut(classcheck::FormatReport(result.report));
  platform::ShutdownGdiplus();
  classcheck::WaitIfOwnConsole();
  return result.exitCode;
}
