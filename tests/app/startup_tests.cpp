#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rollcall_version.h"

#include "app/globals.h"
#include "app/one_copy.h"
#include "app/startup.h"
#include "platform/gdiplus_session.h"
#include "skin/engine/module_state.h"
#include "skin/engine/skin_engine.h"

namespace {

TEST(OneCopy, AFolderIsOneKeyHoweverItIsWrittenAndHeldByTheFirstCopyOnly) {
  EXPECT_EQ(app::FolderKey("C:\\Class\\三年级\\"), app::FolderKey("c:/class/x/../三年级"));
  EXPECT_EQ(app::FolderKey("C:\\Class\\.\\A\\\\"), app::FolderKey("C:\\CLASS\\a"));
  EXPECT_NE(app::FolderKey("C:\\Class\\A"), app::FolderKey("C:\\Class\\AB"));
  EXPECT_EQ(app::FolderKey("C:\\"), L"C:\\");

  // Never shown, so it goes at once (restoring a minimised copy is the
  // end-to-end test's).
  HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
  {
    app::OneCopy first("C:\\one_copy_test\\A");
    ASSERT_TRUE(first.First());
    first.Publish(window);
    app::OneCopy again("c:\\ONE_COPY_TEST\\b\\..\\a\\");
    EXPECT_FALSE(again.First());
    EXPECT_EQ(again.BringRunningCopyToFront(0), window);
    EXPECT_TRUE(app::OneCopy("C:\\one_copy_test\\B").First());
  }
  EXPECT_TRUE(app::OneCopy("C:\\one_copy_test\\A").First()) << "free once the first ends";
  ::DestroyWindow(window);
}

TEST(Startup, BuildsTheEngineLoadsTheNamedIconAndSetsTheDefaults) {
  app::InitApplicationModule();
  ASSERT_NE(app::SkinEngine, nullptr);
  EXPECT_EQ(skin::Module.ThemeColour, ::GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(app::Roster.empty());

  app::StartApplication();
  EXPECT_NE(platform::GdiplusToken(), 0u);
  // There is no icon numbered 129: the icon comes from DEFAULT_ICON.
  EXPECT_EQ(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(129)), nullptr);
  ASSERT_NE(skin::ModuleIcon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(skin::ModuleIcon, &info));
  BITMAP colour{};
  ::GetObjectA(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, ::GetSystemMetrics(SM_CXICON));
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  // The icon carries small and large pictures.
  for (int size : {16, 32, 48}) {
    HANDLE icon =
        ::LoadImageA(::GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, 0);
    EXPECT_NE(icon, nullptr) << size;
    ::DestroyIcon(static_cast<HICON>(icon));
  }
  EXPECT_TRUE(skin::Module.FirstSizePending);
  EXPECT_TRUE(skin::Module.SkinChildControls);
  EXPECT_EQ(skin::Module.Translucency, 160);
  EXPECT_EQ(skin::Module.AccentColour, 0xDDCA22u);
  EXPECT_TRUE(skin::Module.TrackOption);
}

TEST(Startup, ShutdownFreesTheRosterAndShutsGdiplusDownOnce) {
  app::InitApplicationModule();
  app::StartApplication();
  app::Roster = {"甲", "乙"};
  app::RosterCount = 2;

  app::ExitApplicationModule();
  EXPECT_TRUE(app::Roster.empty());
  EXPECT_EQ(app::RosterCount, 0);
  EXPECT_EQ(app::SkinEngine, nullptr);
  EXPECT_EQ(skin::ModuleIcon, nullptr);
  EXPECT_EQ(platform::GdiplusToken(), 0u);
  platform::ShutdownGdiplus();  // a second shutdown finds no token and does nothing
  EXPECT_EQ(platform::GdiplusToken(), 0u);
}

}  // namespace

namespace {

// Windows shows the program's name, description and version in the file's
// properties (this test program carries the same resources).
TEST(Startup, TheProgramCarriesItsVersionForTheFilesProperties) {
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(self, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(::GetFileVersionInfoA(self, 0, size, block.data()));
  auto value = [&](const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\080404b0\\") + name;
    if (!::VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
      return std::string();
    return std::string(text);
  };
  EXPECT_EQ(value("ProductName"), "点名");
  EXPECT_EQ(value("ProductVersion"), ROLLCALL_VERSION_TEXT);
  EXPECT_EQ(value("OriginalFilename"), "rollcall.exe");
  EXPECT_NE(value("LegalCopyright").find("2026"), std::string::npos);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), ROLLCALL_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), ROLLCALL_VERSION_MINOR);
}

}  // namespace
