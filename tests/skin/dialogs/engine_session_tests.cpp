// What a program sets up to skin its windows and dialogs: the engine session
// and the thread's dialog hook, started and ended in every order a program
// may use them.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/globals.h"
#include "graphics/bitmap.h"
#include "platform/gdiplus_session.h"
#include "skin/engine/engine_session.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "tests/skin/dialogs/dialog_test_support.h"
#include "tests/skin/support/frame_test_support.h"

namespace {

using frame_test::Engine;

class EngineSetUp : public frame_test::FrameTest {
 protected:
  void TearDown() override {
    // Another engine object took the frame entry over: the tests' own comes
    // back, with the module state the other tests expect.
    app::SkinEngine.reset();
    skin::InitSkinModule();
    Engine();
    FrameTest::TearDown();
  }
};

bool GdiplusDraws() {
  graphics::Bitmap bitmap;
  return bitmap.CreateBitmap(4, 4);
}

TEST_F(EngineSetUp, ASessionSetsEverythingUpAndLeavesARunningGdiplusRunning) {
  skin::Module = skin::ModuleState{};
  {
    skin::EngineSession session;
    // GDI+ runs already (the test program started it): the session leaves it be.
    EXPECT_FALSE(session.startedGdiplus());
    EXPECT_TRUE(skin::Module.SkinChildControls) << "the module defaults are set";
    EXPECT_EQ(skin::Module.Translucency, 160);
    HWND window = frame_test::MakeWindow(200, 150);
    ASSERT_TRUE(session.engine().SkinWindow(window));
    EXPECT_EQ(skin::WindowCount(), 1);
    ::DestroyWindow(window);
    EXPECT_EQ(skin::WindowCount(), 0);
  }
  EXPECT_TRUE(GdiplusDraws()) << "the session shut down a GDI+ it did not start";
}

TEST_F(EngineSetUp, AWindowStillOpenWhenTheSessionEndsKeepsWorking) {
  HWND window = frame_test::MakeWindow(200, 150);
  {
    skin::EngineSession session;
    ASSERT_TRUE(session.engine().SkinWindow(window));
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window);
  }
  EXPECT_EQ(skin::WindowCount(), 0) << "the module state went with the session";
  // Its procedure hands everything on: it paints, answers and goes.
  ::SetWindowTextA(window, "还在");
  ::InvalidateRect(window, nullptr, TRUE);
  ::UpdateWindow(window);
  char text[16] = "";
  ::GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "还在");
  ::DestroyWindow(window);
  EXPECT_FALSE(::IsWindow(window));
}

TEST_F(EngineSetUp, GdiplusStartedByTheProgramStaysItsOwn) {
  platform::StartGdiplus();
  const ULONG_PTR token = platform::GdiplusToken();
  ASSERT_NE(token, 0u);
  {
    skin::EngineSession session;
    EXPECT_FALSE(session.startedGdiplus());
  }
  EXPECT_EQ(platform::GdiplusToken(), token) << "the session ended the program's GDI+";
  platform::ShutdownGdiplus();
}

int MessageBoxesSkinned(int count) {
  int skinned = 0;
  for (int n = 0; n < count; ++n)
    dialog_test::WhileModal([] { ::MessageBoxA(nullptr, "好", "点名", MB_OK); },
                            [&](HWND box) {
                              skinned += skin::FindSkinnedWindow(box) != 0;
                              ::PostMessageA(box, WM_COMMAND, IDOK, 0);
                            });
  return skinned;
}

TEST_F(EngineSetUp, ThreadDialogsAreSkinnedFromTheCallUntilItEnds) {
  EXPECT_EQ(MessageBoxesSkinned(1), 0);
  ASSERT_TRUE(Engine().SkinThreadDialogs());
  EXPECT_FALSE(Engine().SkinThreadDialogs()) << "a second call must not hook twice";
  EXPECT_EQ(MessageBoxesSkinned(1), 1);
  Engine().StopSkinningThreadDialogs();
  EXPECT_EQ(MessageBoxesSkinned(1), 0);

  // An engine that goes takes its hook with it.
  {
    auto other = std::make_unique<skin::SkinEngine>();
    ASSERT_TRUE(other->SkinThreadDialogs());
  }
  EXPECT_EQ(MessageBoxesSkinned(1), 0);
  EXPECT_TRUE(Engine().SkinThreadDialogs()) << "the thread is free to hook again";
  Engine().StopSkinningThreadDialogs();
}

}  // namespace
