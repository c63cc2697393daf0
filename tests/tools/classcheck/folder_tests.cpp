// The built classcheck.exe on prepared class folders: what it prints, its exit
// status, and the files it leaves; and the in-process check of a large class.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "app/exif_orientation.h"
#include "tests/app/temp_class_folder.h"
#include "tests/app/turned_jpeg.h"
#include "tests/support/processes.h"
#include "tests/tools/classcheck/class_folder_helpers.h"
#include "tools/classcheck/checker.h"

using namespace classcheck_test;

namespace {

struct CheckerRun {
  DWORD code = DWORD(-1);
  std::string out, err;  // code page 936
};

std::string ReadText(const std::string& path) {
  Bytes b = platform::ReadWholeFile(path);
  return std::string(b.begin(), b.end());
}

// Runs classcheck.exe with `args`; stdout and stderr go to files beside the test.
CheckerRun RunChecker(const std::string& args) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  auto open = [&inherit](const char* name) {
    return platform::UniqueHandle(
        ::CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
  };
  CheckerRun run;
  {
    platform::UniqueHandle out = open("checker_out.txt"), err = open("checker_err.txt");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    std::string command = "\"" + testing_support::WindowsPath(CLASSCHECK_EXE) + "\" " + args;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &started))
      return run;
    platform::UniqueHandle process(started.hProcess), thread(started.hThread);
    ::WaitForSingleObject(process.get(), 300000);
    ::GetExitCodeProcess(process.get(), &run.code);
  }
  run.out = ReadText("checker_out.txt");
  run.err = ReadText("checker_err.txt");
  return run;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

void SetReadOnly(const std::string& dir, bool on) {
  for (const auto& file : Snapshot(dir)) {
    const std::string path = dir + "\\" + file.first;
    DWORD a = ::GetFileAttributesA(path.c_str());
    ::SetFileAttributesA(path.c_str(),
                         on ? a | FILE_ATTRIBUTE_READONLY : a & ~FILE_ATTRIBUTE_READONLY);
  }
}

// UTF-8 with a mark and LF-only line ends, a duplicate, a phone photo, a
// corrupt photo, a missing one, two orphans.
struct PreparedClass {
  TempClassFolder folder{"prepared_class"};
  std::string roster = std::string("\xEF\xBB\xBF") + u8"张三\n李四\n张三\n赵六\n";
  Bytes phone = Jpeg(4000, 3000, 0xFF00C000, 250);  // blue bands that cover-scaling cuts off
  Bytes corrupt;
  PreparedClass() {
    corrupt = Jpeg(300, 200);
    corrupt.resize(corrupt.size() / 3);
    for (size_t i = 40; i < corrupt.size(); ++i) corrupt[i] = uint8_t(i * 7);
    folder.WriteFile("ming.txt", roster);
    folder.WriteFile("img\\1.jpg", phone);
    folder.WriteFile("img\\2.jpg", corrupt);
    folder.WriteFile("img\\3.jpg", Jpeg(200, 150));
    folder.WriteFile("img\\7.jpg", Jpeg(200, 150));
    folder.WriteFile("img\\照片.jpg", Jpeg(200, 150));
    folder.WriteFile("img\\背景.jpg", Jpeg(512, 394));
    folder.WriteFile("pz.ini",
                     "[循环次数]\r\n次数=15\r\n[循环两遍]\r\n第一次循环多少次=1\r\n"
                     "第二次循环多少次=5\r\n[一次时间]\r\n第一次循环间隔=1000\r\n"
                     "[两次时间]\r\n第二次循环间隔=1000\r\n");
  }
  std::string Arg() const { return Quoted(folder.path()); }
};

TEST(ClassCheckProgram, ReportsEveryProblemOfAPreparedFolderAndChangesNothing) {
  PreparedClass c;
  const auto before = Snapshot(c.folder.path());
  CheckerRun run = RunChecker(c.Arg());
  EXPECT_EQ(1u, run.code);
  for (const char* line :
       {"[问题] ming.txt 保存成了 UTF-8(带 BOM) 编码, 程序按 GBK 读, 名字会显示成乱码 (程序读到 1 "
        "行, 应为 4 行)",
        "[问题] ming.txt 全部行尾只有 LF (换行), 程序只认 CR LF: 会把 4 个名字读成 1 个",
        "[问题] 重名: 「张三」 在 第 1、3 行", "[问题] 第 4 行 没有照片",
        "[问题] 没有哪一行用到的照片: img\\7.jpg、img\\照片.jpg",
        "[问题] 打不开的照片 (损坏或不是图片): img\\2.jpg",
        "[问题] 比照片框 (440 x 272) 大的照片, 只显示左上角: img\\1.jpg (4000 x 3000)",
        "[说明] 比照片框 (440 x 272) 小的照片会在框里重复平铺: img\\3.jpg",
        "[说明] pz.ini 读出: 次数 = 15, 第一次循环多少次 = 1, 第二次循环多少次 = 5, 第一次循环间隔 "
        "= 1000, 第二次循环间隔 = 1000",
        "[说明] 共 7 个问题, 其中 3 个可用 classcheck --fix 修正\r\n"})
    EXPECT_NE(std::string::npos, run.out.find(line)) << line << "\n--- output:\n" << run.out;
  EXPECT_EQ(std::string::npos, run.out.find("背景")) << "the background is fine";
  EXPECT_EQ(before, Snapshot(c.folder.path()));
}

TEST(ClassCheckProgram, FixConvertsTheListScalesThePhotoKeepsOriginalsAndRunTwiceDoesNothing) {
  PreparedClass c;
  CheckerRun run = RunChecker("--fix " + c.Arg());
  EXPECT_EQ(1u, run.code) << run.out;  // the duplicate, the corrupt and missing photos remain
  EXPECT_NE(std::string::npos,
            run.out.find("[已修正] ming.txt 已从 UTF-8(带 BOM) 转为 GBK, 行尾 CR LF, 共 4 行"))
      << run.out;
  EXPECT_NE(std::string::npos, run.out.find("原文件保存为 ming.txt.bak\r\n"));
  EXPECT_NE(std::string::npos, run.out.find("[已修正] img\\1.jpg 从 4000 x 3000 缩放为 440 x 272"));
  EXPECT_NE(std::string::npos, run.out.find("原图移到 img\\原图\\1.jpg"));

  const std::string dir = c.folder.path();
  auto after = Snapshot(dir);
  EXPECT_EQ(ToBytes("张三\r\n李四\r\n张三\r\n赵六\r\n"), after["ming.txt"]);
  EXPECT_EQ(ToBytes(c.roster), after["ming.txt.bak"]);
  EXPECT_EQ(c.phone, after["img\\原图\\1.jpg"]);
  PictureSize scaled = Measure(after["img\\1.jpg"]);
  EXPECT_EQ(440u, scaled.width);
  EXPECT_EQ(272u, scaled.height);
  EXPECT_TRUE(IsGreen(scaled.corner)) << std::hex << scaled.corner << ": not cut around the centre";
  EXPECT_TRUE(IsGreen(scaled.centre)) << std::hex << scaled.centre;
  EXPECT_EQ(c.corrupt, after["img\\2.jpg"]);
  EXPECT_EQ(10u, after.size());  // 8 files + ming.txt.bak + the original

  CheckerRun again = RunChecker("--fix " + c.Arg());
  EXPECT_EQ(1u, again.code);
  EXPECT_NE(std::string::npos, again.out.find("[说明] 没有 --fix 能自动修正的内容, 什么也没改"));
  EXPECT_EQ(std::string::npos, again.out.find("[已修正]"));
  EXPECT_EQ(after, Snapshot(dir));
}

TEST(ClassCheckProgram, FixNeverOverwritesAnEarlierBackupOrOriginal) {
  TempClassFolder folder("earlier_backups");
  folder.WriteFile("ming.txt", "张三\n李四\n");
  folder.WriteFile("ming.txt.bak", "first");
  folder.WriteFile("ming.txt.bak2", "second");
  const Bytes photo = Jpeg(1000, 800);
  folder.WriteFile("img\\1.jpg", photo);
  ::CreateDirectoryA((folder.path() + "\\img\\原图").c_str(), nullptr);
  folder.WriteFile("img\\原图\\1.jpg", "older original");
  CheckerRun run = RunChecker("--fix " + Quoted(folder.path()));
  auto after = Snapshot(folder.path());
  EXPECT_EQ(ToBytes("first"), after["ming.txt.bak"]);
  EXPECT_EQ(ToBytes("second"), after["ming.txt.bak2"]);
  EXPECT_EQ(ToBytes("张三\n李四\n"), after["ming.txt.bak3"]) << run.out;
  EXPECT_EQ(ToBytes("张三\r\n李四\r\n"), after["ming.txt"]);
  EXPECT_EQ(ToBytes("older original"), after["img\\原图\\1.jpg"]);
  EXPECT_EQ(photo, after["img\\原图\\1 (2).jpg"]) << run.out;
  EXPECT_EQ(440u, Measure(after["img\\1.jpg"]).width);
}

TEST(ClassCheckProgram, FixOnAReadOnlyFolderChangesNothingAndSaysSo) {
  PreparedClass c;
  SetReadOnly(c.folder.path(), true);
  const auto before = Snapshot(c.folder.path());
  CheckerRun run = RunChecker("--fix " + c.Arg());
  EXPECT_EQ(1u, run.code);
  EXPECT_NE(
      std::string::npos,
      run.out.find("[未修正] 文件夹或文件是只读的, 无法写入: ming.txt、img\\1.jpg。什么也没改"))
      << run.out;
  EXPECT_EQ(std::string::npos, run.out.find("[已修正]"));
  EXPECT_EQ(before, Snapshot(c.folder.path()));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
            ::GetFileAttributesA((c.folder.path() + "\\img\\原图").c_str()));
  SetReadOnly(c.folder.path(), false);
}

TEST(ClassCheckProgram, ACleanFolderExitsZeroAndAMissingSettingsFileIsNotCreated) {
  TempClassFolder folder("clean_class");
  folder.WriteFile("ming.txt", "张三\r\n李四\r\n");
  folder.WriteFile("img\\1.jpg", Jpeg(440, 272));
  folder.WriteFile("img\\2.jpg", Jpeg(440, 272));
  folder.WriteFile("img\\背景.jpg", Jpeg(512, 394));
  const auto before = Snapshot(folder.path());
  CheckerRun run = RunChecker(Quoted(folder.path() + "\\"));  // the quote arrives escaped
  EXPECT_EQ(0u, run.code) << run.out;
  EXPECT_NE(std::string::npos, run.out.find("[说明] 没有发现问题\r\n")) << run.out;
  EXPECT_NE(std::string::npos, run.out.find("[说明] 没有 pz.ini"));
  EXPECT_EQ(before, Snapshot(folder.path()));
  EXPECT_EQ(0u, RunChecker("--fix " + Quoted(folder.path())).code);
  EXPECT_EQ(before, Snapshot(folder.path()));
}

// Phone photos: stored on their side with a tag, and HEIC named .jpg.
TEST(ClassCheckProgram, TurnedAndPhonePhotosAreNamedAndFixWritesThemUpright) {
  TempClassFolder folder("turned_photos");
  folder.WriteFile("ming.txt", "张三\r\n李四\r\n王五\r\n赵六\r\n");
  const Bytes sideways = turned_jpeg::TurnedJpeg(6);  // 40 x 60 stored, 60 x 40 upright
  const Bytes large = turned_jpeg::WithExif(Jpeg(600, 800), turned_jpeg::OrientationTiff(8));
  Bytes heic =
      ToBytes(std::string("\0\0\0\x18"
                          "ftypheic\0\0\0\0mif1heic",
                          24));
  heic.resize(4000, 0x5A);
  folder.WriteFile("img\\1.jpg", sideways);
  folder.WriteFile("img\\2.jpg", large);
  folder.WriteFile("img\\3.jpg", turned_jpeg::TurnedJpeg(1, 9));  // a broken tag: as stored
  folder.WriteFile("img\\4.jpg", heic);
  folder.WriteFile("img\\背景.jpg", Jpeg(512, 394));

  CheckerRun run = RunChecker(Quoted(folder.path()));
  EXPECT_EQ(1u, run.code);
  for (const char* line :
       {"[问题] 带方向标记的照片 (手机竖拍, 存的是侧躺的图), 程序会按标记转正显示: img\\1.jpg "
        "(顺时针转 90°)、img\\2.jpg (逆时针转 90°)。",
        "[问题] 不是 JPEG 的照片 (手机的 HEIC 格式, 只是名字叫 .jpg), 程序打不开: img\\4.jpg。",
        "[问题] 比照片框 (440 x 272) 大的照片, 只显示左上角: img\\2.jpg (800 x 600)"})
    EXPECT_NE(std::string::npos, run.out.find(line)) << line << "\n--- output:\n" << run.out;
  EXPECT_EQ(std::string::npos, run.out.find("img\\3.jpg (")) << "a broken tag is no turn";
  EXPECT_EQ(std::string::npos, run.out.find("打不开的照片 (损坏")) << "HEIC has its own line";

  CheckerRun fix = RunChecker("--fix " + Quoted(folder.path()));
  EXPECT_NE(std::string::npos,
            fix.out.find("[已修正] img\\1.jpg 已转正 (顺时针转 90°), 去掉了方向标记; 原图移到 "
                         "img\\原图\\1.jpg"))
      << fix.out;
  EXPECT_NE(
      std::string::npos,
      fix.out.find("[已修正] img\\2.jpg 已转正 (逆时针转 90°), 去掉了方向标记, 并从 800 x 600 "
                   "缩放为 440 x 272"))
      << fix.out;
  auto after = Snapshot(folder.path());
  EXPECT_EQ(sideways, after["img\\原图\\1.jpg"]);
  EXPECT_EQ(large, after["img\\原图\\2.jpg"]);
  EXPECT_EQ(heic, after["img\\4.jpg"]);
  EXPECT_EQ(1, app::JpegOrientation(after["img\\1.jpg"]));
  EXPECT_EQ(1, app::JpegOrientation(after["img\\2.jpg"]));
  graphics::Bitmap upright;
  ASSERT_TRUE(upright.CreateBitmapFromStream(after["img\\1.jpg"]));
  EXPECT_EQ(uint32_t(turned_jpeg::kWidth), upright.GetImageWidth());
  EXPECT_EQ(uint32_t(turned_jpeg::kHeight), upright.GetImageHeight());
  Gdiplus::ARGB corner = 0;
  upright.BitmapGetPixel(6, 6, corner);
  EXPECT_GT(corner >> 16 & 0xFF, 180u) << std::hex << corner << ": the red corner is top left";
  EXPECT_LT(corner >> 8 & 0xFF, 80u) << std::hex << corner;
  const PictureSize scaled = Measure(after["img\\2.jpg"]);
  EXPECT_EQ(440u, scaled.width);
  EXPECT_EQ(272u, scaled.height);

  CheckerRun again = RunChecker(Quoted(folder.path()));
  EXPECT_EQ(std::string::npos, again.out.find("带方向标记")) << again.out;
}

TEST(ClassCheckProgram, ARosterOfRandomBytesGetsAReport) {
  TempClassFolder folder("random_roster");
  Bytes noise(20000);
  uint32_t state = 99;
  for (uint8_t& b : noise) b = uint8_t((state = state * 1103515245u + 12345u) >> 23);
  folder.WriteFile("ming.txt", noise);
  CheckerRun run = RunChecker(Quoted(folder.path()));
  EXPECT_EQ(1u, run.code);
  EXPECT_NE(std::string::npos, run.out.find("[问题] ming.txt 第 ")) << run.out;
  EXPECT_NE(std::string::npos, run.out.find("[说明] 共 ")) << run.out;
  CheckerRun fix = RunChecker("--fix " + Quoted(folder.path()));
  EXPECT_EQ(1u, fix.code);
  EXPECT_EQ(noise, platform::ReadWholeFile(folder.path() + "\\ming.txt"));
}

TEST(ClassCheckLargeClass, TwoThousandLinesAndPhotosStayUnder200MegabytesWithProgress) {
  TempClassFolder folder("large_class");
  std::string roster;
  const Bytes small = Jpeg(300, 200), phone = Jpeg(4000, 3000);
  for (int line = 1; line <= 2000; ++line) {
    roster += "学生" + std::to_string(line) + "\r\n";
    folder.WriteFile("img\\" + std::to_string(line) + ".jpg", line % 100 == 0 ? phone : small);
  }
  folder.WriteFile("ming.txt", roster);
  folder.WriteFile("img\\背景.jpg", small);

  size_t calls = 0, last = 0;
  classcheck::CheckResult result = classcheck::RunClassCheck(
      folder.path(), false, [&](size_t done, size_t total) { ++calls, last = done + 0 * total; });
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  ASSERT_TRUE(::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory));
  const double peakMb = double(memory.PeakWorkingSetSize) / (1024 * 1024);
  std::printf("peak working set with 2000 photos: %.1f MB\n", peakMb);
  RecordProperty("peak_working_set_mb", int(peakMb));
  EXPECT_LT(peakMb, 200.0);
  EXPECT_EQ(2000u, calls);
  EXPECT_EQ(2000u, last);
  EXPECT_EQ(1, result.exitCode);
  EXPECT_TRUE(result.report.Contains("名单共 2000 行"));
  EXPECT_TRUE(result.report.Contains("img\\100.jpg (4000 x 3000)、img\\200.jpg"));
  EXPECT_TRUE(result.report.Contains("等共 20 个"));

  CheckerRun run = RunChecker(Quoted(folder.path()));
  EXPECT_EQ(1u, run.code);
  EXPECT_NE(std::string::npos, run.err.find("正在检查照片 250 / 2000\r\n")) << run.err;
  EXPECT_NE(std::string::npos, run.err.find("正在检查照片 2000 / 2000\r\n"));
}

}  // namespace
