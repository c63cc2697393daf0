#include <windows.h>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/handles.h"
#include "platform/messages.h"
#include "platform/profile.h"

namespace {

TEST(Handles, CountsFollowOwnership) {
  long before = platform::LiveGdiObjects();
  {
    platform::UniqueBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    platform::UniqueRegion region(::CreateRectRgn(0, 0, 5, 5));
    EXPECT_EQ(platform::LiveGdiObjects(), before + 2);
    platform::UniqueBrush moved = std::move(brush);
    EXPECT_FALSE(brush);
    EXPECT_EQ(platform::LiveGdiObjects(), before + 2);
    HRGN given = region.release();  // handed over, no longer ours
    EXPECT_EQ(platform::LiveGdiObjects(), before + 1);
    ::DeleteObject(given);
  }
  EXPECT_EQ(platform::LiveGdiObjects(), before);
}

TEST(Handles, MemorySurfaceSelectsBackBeforeDeleting) {
  long before = platform::LiveGdiObjects();
  HDC screen = ::GetDC(nullptr);
  {
    platform::MemorySurface surface(screen,
                                    platform::UniqueBitmap(::CreateCompatibleBitmap(screen, 8, 8)));
    ASSERT_TRUE(surface);
    EXPECT_EQ(::GetCurrentObject(surface.dc(), OBJ_BITMAP), surface.bitmap());
    HBITMAP bitmap = surface.bitmap();
    surface.reset();
    // The bitmap is gone: GetObject fails on a deleted handle.
    BITMAP info;
    EXPECT_EQ(::GetObjectA(bitmap, sizeof info, &info), 0);
  }
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(platform::LiveGdiObjects(), before);
}

TEST(Files, WholeFilesRoundTripAndMissingFilesReadEmpty) {
  std::string path = "platform_file.bin";
  const uint8_t data[] = {0, 1, 2, 0xFF, 13, 10};
  ASSERT_TRUE(platform::WriteWholeFileAtomically(path, data, sizeof data));
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_EQ(platform::ReadWholeFile(path), platform::Bytes(data, data + sizeof data));
  EXPECT_TRUE(platform::ReadWholeFile("no such file.bin").empty());
  EXPECT_FALSE(platform::FileExists("no such file.bin"));
  EXPECT_FALSE(platform::FileExists("."));  // folders are not files
  ::DeleteFileA(path.c_str());
}

TEST(Files, ModuleDirectoryHasNoTrailingSeparator) {
  std::string dir = platform::ModuleDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
  EXPECT_NE(dir.back(), '/');
}

TEST(Profile, ReadsBackWrittenKeysAndFallsBack) {
  char dir[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, dir);
  std::string file = std::string(dir) + "\\platform_profile.ini";
  ::DeleteFileA(file.c_str());
  EXPECT_EQ(platform::ReadProfileKey(file, "节", "键", "默认"), "默认");
  ASSERT_TRUE(platform::WriteProfileKey(file, "节", "键", "值 1"));
  EXPECT_EQ(platform::ReadProfileKey(file, "节", "键"), "值 1");
  EXPECT_EQ(platform::ReadProfileKey(file, "节", "别的键"), "");
  ::DeleteFileA(file.c_str());
}

TEST(Messages, PumpHandlesPostedMessagesAndKeepsQuitForTheMainLoop) {
  ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 5, 0, 0);
  EXPECT_TRUE(platform::PumpPendingMessages());
  MSG msg;
  EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_USER + 5, WM_USER + 5, PM_NOREMOVE));

  ::PostQuitMessage(3);
  EXPECT_FALSE(platform::PumpPendingMessages());
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
