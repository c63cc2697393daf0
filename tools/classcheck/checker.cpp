#include "tools/classcheck/checker.h"

#include <windows.h>

#include "app/paths.h"
#include "tools/classcheck/fixes.h"
#include "tools/classcheck/roster_check.h"
#include "tools/classcheck/settings_check.h"

namespace classcheck {
namespace {

struct DataFolderScope {
  explicit DataFolderScope(const std::string& folder) : previous(app::DataDirectory()) {
    app::SetDataDirectory(folder);
  }
  ~DataFolderScope() { app::SetDataDirectory(previous); }
  std::string previous;
};

std::string WithoutTrailingSeparator(std::string folder) {
  // "D:\class\" typed with quotes reaches the program as D:\class" (the
  // backslash escapes the quote): no folder name ends in a quote.
  if (!folder.empty() && folder.back() == '"') folder.pop_back();
  while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') &&
         folder[folder.size() - 2] != ':')
    folder.pop_back();
  return folder;
}

struct Findings {
  RosterCheck roster;
  PhotoCheck photos;
};

Findings CheckAll(Report& report, const Progress& progress) {
  Findings f;
  f.roster = CheckRoster(report);
  f.photos = CheckPhotos(f.roster.LineCount(), report, progress);
  CheckBackground(report);
  CheckSettings(report);
  return f;
}

}  // namespace

CheckResult RunClassCheck(const std::string& rawFolder, bool fix, const Progress& progress) {
  CheckResult result;
  Report& report = result.report;
  const std::string folder = WithoutTrailingSeparator(rawFolder);
  const DWORD attributes = ::GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    report.Problem("找不到文件夹 " + folder + "。办法: 给出班级文件夹的路径, 或在该文件夹里运行");
    result.exitCode = 1;
    return result;
  }
  DataFolderScope scope(folder);
  report.Note("检查班级文件夹 " + folder);
  const Findings found = CheckAll(report, progress);
  int problems = report.Count(Kind::kProblem);
  if (!fix) {
    if (problems == 0)
      report.Note("没有发现问题");
    else
      report.Note("共 " + std::to_string(problems) + " 个问题, 其中 " +
                  std::to_string(report.FixableCount()) + " 个可用 classcheck --fix 修正");
  } else {
    if (ApplyFixes(found.roster, found.photos, report, progress)) {
      Report after;
      CheckAll(after, {});
      problems = after.Count(Kind::kProblem);
    }
    if (problems == 0)
      report.Note("修正后没有问题了");
    else
      report.Note("还有 " + std::to_string(problems) + " 个问题要手工处理 (见上面的 [问题])");
  }
  result.exitCode = problems == 0 ? 0 : 1;
  return result;
}

}  // namespace classcheck
