#include "tools/classcheck/photo_check.h"

#include <windows.h>

#include "app/paths.h"
#include "platform/files.h"

namespace classcheck {
namespace {

// ASCII letters folded to lower case, double-byte characters left alone.
std::string FoldAscii(const std::string& s) {
  std::string out = s;
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 0x81)
      ++i;
    else if (c >= 'A' && c <= 'Z')
      out[i] = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool EndsWith(const std::string& s, const char* tail) {
  const std::string t(tail);
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

bool IsPictureName(const std::string& folded) {
  for (const char* ext : {".jpg", ".jpeg", ".png", ".bmp", ".gif"})
    if (EndsWith(folded, ext)) return true;
  return false;
}

// The line whose photo this file is (as app::PhotoPath names it), else 0.
int32_t LineOfPhotoName(const std::string& folded, int32_t lineCount) {
  if (!EndsWith(folded, ".jpg")) return 0;
  const std::string digits = folded.substr(0, folded.size() - 4);
  if (digits.empty() || digits.size() > 10 || digits[0] == '0') return 0;
  int64_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n <= lineCount ? static_cast<int32_t>(n) : 0;
}

std::vector<std::string> Orphans(int32_t lineCount) {
  std::vector<std::string> out;
  const std::string img = app::DataDirectory() + "\\img";
  const std::string background = FoldAscii("背景.jpg");
  WIN32_FIND_DATAA found;
  HANDLE h = ::FindFirstFileA((img + "\\*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return out;
  do {
    if (found.dwFileAttributes &
        (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
      continue;
    const std::string folded = FoldAscii(found.cFileName);
    if (!IsPictureName(folded) || folded == background) continue;
    if (LineOfPhotoName(folded, lineCount) == 0)
      out.push_back(std::string("img\\") + found.cFileName);
  } while (::FindNextFileA(h, &found));
  ::FindClose(h);
  return out;
}

std::string SizeText(const PictureProbe& p) {
  return std::to_string(p.width) + " x " + std::to_string(p.height);
}

void Summarise(const PhotoCheck& c, int32_t lineCount, Report& report) {
  if (lineCount > 0 && c.photos.empty()) {
    report.Note("img 文件夹里没有任何照片: 抽签时照片框是空的");
  } else if (!c.missing.empty()) {
    report.Problem(LineList(c.missing) +
                   " 没有照片, 抽到时照片框是空的。办法: 照片按行号命名, 如第 " +
                   std::to_string(c.missing[0]) + " 行的照片存为 " + PhotoName(c.missing[0]));
  }
  if (!c.orphans.empty())
    report.Problem("没有哪一行用到的照片: " + JoinList(c.orphans) +
                   "。办法: 照片要按名单的行号命名 (第 7 行的照片是 img\\7.jpg), 改名或移走");
  std::vector<std::string> empty, unreadable, phone, huge, large, small, turned;
  for (const Photo& p : c.photos) {
    const std::string name = PhotoName(p.line);
    if (p.probe.Turned() && p.probe.state != PictureState::kTooLarge)
      turned.push_back(name + " (" + TurnText(p.probe.orientation) + ")");
    switch (p.probe.state) {
      case PictureState::kEmpty: empty.push_back(name); break;
      case PictureState::kUnreadable: unreadable.push_back(name); break;
      case PictureState::kPhoneFormat: phone.push_back(name); break;
      case PictureState::kTooLarge: huge.push_back(name + " (" + SizeText(p.probe) + ")"); break;
      case PictureState::kShown:
        if (p.probe.LargerThanBox())
          large.push_back(name + " (" + SizeText(p.probe) + ")");
        else if (p.probe.SmallerThanBox())
          small.push_back(name);
        break;
    }
  }
  if (!empty.empty()) report.Problem("空的照片文件: " + JoinList(empty) + "。办法: 换成真正的照片");
  if (!unreadable.empty())
    report.Problem("打不开的照片 (损坏或不是图片): " + JoinList(unreadable) +
                   "。办法: 用看图软件重新另存为 JPEG, 或换一张");
  if (!phone.empty())
    report.Problem(
        "不是 JPEG 的照片 (手机的 HEIC 格式, 只是名字叫 .jpg), 程序打不开: " + JoinList(phone) +
        "。办法: 用 Windows 的\"照片\"或\"画图\"打开, \"另存为\" JPEG 格式; 或在手机的"
        "相机设置里把格式改为\"兼容性最佳\" (JPEG) 后重新拍摄");
  if (!turned.empty())
    report.Problem(
        "带方向标记的照片 (手机竖拍, 存的是侧躺的图), 程序会按标记转正显示: " + JoinList(turned) +
            "。办法: 运行 classcheck --fix 存成转正的照片, 去掉方向标记 (原图移到 "
            "img\\原图\\)",
        true);
  if (!huge.empty())
    report.Problem("超过 4000 万像素的照片, 程序不显示: " + JoinList(huge) +
                       "。办法: 运行 classcheck --fix 缩小 (原图移到 img\\原图\\)",
                   true);
  if (!large.empty())
    report.Problem("比照片框 (440 x 272) 大的照片, 只显示左上角: " + JoinList(large) +
                       "。办法: 运行 classcheck --fix 缩小到 440 x 272 (原图移到 img\\原图\\)",
                   true);
  if (!small.empty())
    report.Note("比照片框 (440 x 272) 小的照片会在框里重复平铺: " + JoinList(small));
  if (!c.photos.empty()) report.Note("照片 " + std::to_string(c.photos.size()) + " 张");
}

}  // namespace

std::string PhotoName(int32_t line) { return "img\\" + std::to_string(line) + ".jpg"; }

std::string TurnText(int orientation) {
  switch (orientation) {
    case 2: return "左右翻转";
    case 3: return "转 180°";
    case 4: return "上下翻转";
    case 5: return "顺时针转 90° 再左右翻转";
    case 6: return "顺时针转 90°";
    case 7: return "逆时针转 90° 再左右翻转";
    case 8: return "逆时针转 90°";
  }
  return "不转";
}

std::vector<int32_t> PhotoCheck::ToFix() const {
  std::vector<int32_t> out;
  for (const Photo& p : photos)
    if (p.probe.state == PictureState::kTooLarge ||
        (p.probe.state == PictureState::kShown && (p.probe.LargerThanBox() || p.probe.Turned())))
      out.push_back(p.line);
  return out;
}

PhotoCheck CheckPhotos(int32_t lineCount, Report& report, const Progress& progress) {
  PhotoCheck c;
  for (int32_t line = 1; line <= lineCount; ++line) {
    const std::string path = app::PhotoPath(line);
    if (!platform::FileExists(path)) {
      c.missing.push_back(line);
    } else {
      // One picture at a time: its bytes and pixels are gone before the next.
      c.photos.push_back({line, ProbePicture(platform::ReadWholeFile(path))});
    }
    if (progress) progress(size_t(line), size_t(lineCount));
  }
  c.orphans = Orphans(lineCount);
  Summarise(c, lineCount, report);
  return c;
}

void CheckBackground(Report& report) {
  const std::string path = app::BackgroundPath();
  if (!platform::FileExists(path)) {
    report.Problem(
        "没有背景图片 img\\背景.jpg: 窗口背景是黑的。办法: 把一张 JPEG 图片命名为 "
        "背景.jpg 放进 img 文件夹");
    return;
  }
  const PictureProbe probe = ProbePicture(platform::ReadWholeFile(path));
  if (probe.state != PictureState::kShown && probe.state != PictureState::kTooLarge)
    report.Problem(
        "背景图片 img\\背景.jpg 打不开 (损坏或不是图片), 窗口背景是黑的。办法: "
        "重新另存为 JPEG, 或换一张");
}

}  // namespace classcheck
