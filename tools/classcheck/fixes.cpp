#include "tools/classcheck/fixes.h"

#include <windows.h>

#include "app/paths.h"
#include "platform/files.h"
#include "tools/classcheck/photo_scale.h"
#include "tools/classcheck/safe_files.h"

namespace classcheck {
namespace {

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string Relative(const std::string& path) {
  return path.substr(app::DataDirectory().size() + 1);
}

// The files that would change, each checked before anything is touched.
std::vector<std::string> Unwritable(bool roster, bool photos, const std::vector<int32_t>& lines) {
  std::vector<std::string> out;
  const std::string dir = app::DataDirectory();
  if (roster && (!CanCreateIn(dir) || !CanReplace(app::RosterPath()))) out.push_back("ming.txt");
  if (photos) {
    const std::string img = dir + "\\img";
    const DWORD originals = ::GetFileAttributesA(OriginalsFolder().c_str());
    const bool originalsOk =
        originals == INVALID_FILE_ATTRIBUTES ? CanCreateIn(img) : CanCreateIn(OriginalsFolder());
    if (!CanCreateIn(img) || !originalsOk) out.push_back("img 文件夹");
    for (int32_t line : lines)
      if (!CanReplace(app::PhotoPath(line))) out.push_back(PhotoName(line));
  }
  return out;
}

void FixRoster(const RosterCheck& roster, Report& report) {
  const std::string path = app::RosterPath();
  const std::string backup = FreeNumberedName(path + ".bak");
  if (!::CopyFileA(path.c_str(), backup.c_str(), TRUE)) {
    report.NotFixed("ming.txt 没有转换: 无法保存备份 " + Relative(backup));
    return;
  }
  const Bytes fixed = JoinCrLf(roster.text);
  if (!platform::WriteWholeFileAtomically(path, fixed.data(), fixed.size())) {
    ::DeleteFileA(backup.c_str());
    report.NotFixed("ming.txt 没有转换: 无法写入");
    return;
  }
  report.Fixed(std::string("ming.txt 已从 ") + EncodingName(roster.text.encoding) +
               " 转为 GBK, 行尾 CR LF, 共 " + std::to_string(roster.text.lines.size()) +
               " 行 (空行保留, 照片编号不变); 原文件保存为 " + Relative(backup));
}

void FixPhoto(const Photo& photo, Report& report) {
  const std::string path = app::PhotoPath(photo.line);
  const std::string name = PhotoName(photo.line);
  const std::vector<uint8_t> scaled = ScaleToBox(platform::ReadWholeFile(path));
  if (scaled.empty()) {
    report.NotFixed(name + " 没有改: 无法解码或编码这张照片");
    return;
  }
  ::CreateDirectoryA(OriginalsFolder().c_str(), nullptr);
  const std::string original = FreeNameInFolder(OriginalsFolder(), BaseName(path));
  if (!::MoveFileA(path.c_str(), original.c_str())) {
    report.NotFixed(name + " 没有改: 无法把原图移到 img\\原图\\");
    return;
  }
  if (!platform::WriteWholeFileAtomically(path, scaled.data(), scaled.size())) {
    ::MoveFileA(original.c_str(), path.c_str());
    report.NotFixed(name + " 没有改: 无法写入");
    return;
  }
  const std::string turned =
      photo.probe.Turned() ? " 已转正 (" + TurnText(photo.probe.orientation) + "), 去掉了方向标记"
                           : "";
  const std::string resized = photo.probe.LargerThanBox()
                                  ? std::string(photo.probe.Turned() ? ", 并" : " ") + "从 " +
                                        std::to_string(photo.probe.width) + " x " +
                                        std::to_string(photo.probe.height) +
                                        " 缩放为 440 x 272 (取中间部分)"
                                  : "";
  report.Fixed(name + turned + resized + "; 原图移到 " + Relative(original));
}

}  // namespace

std::string OriginalsFolder() { return app::DataDirectory() + "\\img\\原图"; }

bool ApplyFixes(const RosterCheck& roster, const PhotoCheck& photos, Report& report,
                const Progress& progress) {
  const bool fixRoster = roster.canConvert;
  const std::vector<int32_t> lines = photos.ToFix();
  if (roster.needsConversion && !roster.canConvert)
    report.NotFixed("ming.txt 没有转换: 先解决上面列出的 ming.txt 问题");
  if (!fixRoster && lines.empty()) {
    report.Note("没有 --fix 能自动修正的内容, 什么也没改");
    return false;
  }
  const std::vector<std::string> blocked = Unwritable(fixRoster, !lines.empty(), lines);
  if (!blocked.empty()) {
    report.NotFixed("文件夹或文件是只读的, 无法写入: " + JoinList(blocked) +
                    "。什么也没改。办法: 把班级文件夹复制到可写的地方 (或去掉只读属性) 再运行");
    return false;
  }
  if (fixRoster) FixRoster(roster, report);
  size_t done = 0;
  for (const Photo& photo : photos.photos) {
    bool scale = false;
    for (int32_t line : lines) scale = scale || line == photo.line;
    if (!scale) continue;
    FixPhoto(photo, report);
    if (progress) progress(++done, lines.size());
  }
  return true;
}

}  // namespace classcheck
