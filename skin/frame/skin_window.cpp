// Taking a top-level window over: its record, caption buttons, tooltip and
// window procedure; and the caption strip's layout.
#include <windows.h>

#include <algorithm>

#include "skin/controls/child_skinning.h"
#include "skin/drawing/backgrounds.h"
#include "skin/drawing/skin_images.h"
#include "skin/engine/module_state.h"
#include "skin/engine/properties.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"
#include "skin/frame/adopted_children.h"
#include "skin/frame/adopted_frame.h"
#include "skin/frame/frame_space.h"

namespace skin {
namespace {

constexpr int kMinCaptionHeight = 25;
constexpr int kButtonHeight = 18;
constexpr int kButtonWidth = 26;
constexpr int kCloseImageWidth = 38;
constexpr int kCloseRectWidth = 40;
constexpr int kButtonPitch = 27;
constexpr int kStripHeight = 22;
constexpr char kDefaultFontName[] = "宋体";

CaptionButton BuiltInButton(CaptionButtonKind kind, SkinImage image, const char* tip,
                            int width = kButtonWidth) {
  CaptionButton b;
  b.Width = width;
  b.Height = kButtonHeight;
  b.ButtonImage = SkinImageBytes(image);
  b.Kind = kind;
  b.TipText = tip;
  return b;
}

void AddBuiltInButtons(SkinnedWindow& w) {
  if (w.HelpButtonWanted)
    w.CaptionButtons.append(BuiltInButton(kHelpButton, SkinImage::Help, "帮助"));
  if (w.MenuButtonWanted)
    w.CaptionButtons.append(BuiltInButton(kMenuButton, SkinImage::MainMenu, "主菜单"));
  if (w.MinButtonWanted)
    w.CaptionButtons.append(BuiltInButton(kMinButton, SkinImage::Minimise, "最小化"));
  if (w.MaxButtonWanted) {
    CaptionButton max = BuiltInButton(kMaxButton, SkinImage::Maximise, "最大化");
    max.AltImage = SkinImageBytes(SkinImage::Restore);
    w.CaptionButtons.append(std::move(max));
  }
  // A window always gets its close button, whatever else it wants.
  w.CaptionButtons.append(BuiltInButton(kCloseButton, SkinImage::Close, "关闭", kCloseImageWidth));
}

}  // namespace

bool SkinEngine::SkinWindow(HWND window, const SkinWindowOptions& o) {
  if (!window || !::IsWindow(window) || FindSkinnedWindow(window)) return false;
  const LONG style = ::GetWindowLongA(window, GWL_STYLE);
  // A child window is no frame: a control taken over here would forward to
  // the procedure it already runs, and its list record would be lost.
  if (style & WS_CHILD) return false;
  RECT client;
  ::GetClientRect(window, &client);
  FrameMargin = 3;
  // A window with a platform caption or border of its own gives them up for
  // the engine's strips; one made borderless for the engine is all frame.
  const bool adopted = HasPlatformFrame(window);

  auto record = std::make_unique<SkinnedWindow>();
  SkinnedWindow& w = *record;
  w.Hwnd = window;
  w.CaptionHeight = std::max(o.captionHeight.value_or(kMinCaptionHeight), kMinCaptionHeight);
  w.HelpButtonWanted = o.helpButton.value_or(false);
  w.MenuButtonWanted = o.menuButton.value_or(false);
  w.MinButtonWanted = (style & WS_MINIMIZEBOX) != 0;
  w.MaxButtonWanted = (style & WS_MAXIMIZEBOX) != 0;
  w.ShowCaption = o.showCaption.value_or(true);
  // An adopted window stays as resizable as its own frame made it.
  w.Resizable = o.resizable.value_or(adopted ? (style & WS_THICKFRAME) != 0 : true);
  w.ShowTitle = o.showTitle.value_or(true);
  w.CaptionGloss = o.captionGloss.value_or(false);
  w.BackMode = o.mode.value_or(Module.BackgroundMode);
  w.MinTrackWidth = 200;
  w.MinTrackHeight = 150;
  w.MaxTrackWidth = ::GetSystemMetrics(SM_CXSCREEN);
  w.MaxTrackHeight = ::GetSystemMetrics(SM_CYSCREEN);
  if (o.image && !o.image->empty()) {
    w.BackColour = AverageColour(*o.image);
    w.BackImage = BackgroundForMode(*o.image, w.BackColour, w.BackMode);
  }
  w.TitleColour = 0xFFFFFF;
  w.TitleShadowColour = 0x808080;
  w.TitleFontName = kDefaultFontName;
  w.TitleFontSize = 12;
  w.TitleFontStyle = 1;

  AddBuiltInButtons(w);
  int widths = 0;
  for (const CaptionButton& b : w.CaptionButtons) widths += b.Width;
  w.ButtonsWidth = widths + (w.CaptionButtons.count() - 1) + 3;
  w.ButtonsHeight = kStripHeight;
  w.ButtonsLeft = client.right - FrameMargin - w.ButtonsWidth - 2;
  w.ButtonsTop = 0;

  ::SetWindowLongA(window, GWL_STYLE, style | WS_SYSMENU);
  if (adopted) RemovePlatformFrame(window);

  SkinnedWindows().push_back(std::move(record));
  const int i = WindowCount();

  w.Tooltip.Create(window);
  for (int k = 1; k <= w.CaptionButtons.count(); ++k)
    w.Tooltip.AddTool(RECT{}, w.CaptionButtons.at(k).TipText, static_cast<UINT>(k));
  w.ToolCount = w.CaptionButtons.count();
  LayoutCaptionButtons(i);

  if (o.statusHeight.value_or(0) > 0) {
    // No panels given: one empty panel across the strip.
    SetStatusBar(i, *o.statusHeight, o.statusPanels);
    w.StatusTextColour = 0xFFFFFF;
    w.StatusFontName = kDefaultFontName;
    w.StatusFontSize = 12;
    LayoutStatusBar(i);
  }

  SkinEveryFamily(i, window);
  // A window the engine did not make holds its controls in child dialogs
  // and views too.
  if (adopted) TakeChildContainers(*this, i, window);

  w.Dirty = true;
  w.OldWndProc = ReplaceWindowProc(window, FrameProcEntry);
  SetHandleProp(window, prop::Hw_hProc, w.OldWndProc);
  SetIntProp(window, prop::Hw_lbID, i);
  if (adopted) {
    // The frame procedure answers the new non-client area from now on.
    w.Adopted.on = true;
    w.Adopted.insets = AdoptedInsets(w.CaptionHeight, w.ShowCaption, w.StatusHeight, FrameMargin);
    LayOutAdoptedWindow(w, SIZE{client.right, client.bottom});
    // (The new position went through the window's procedure: it may be gone.)
    if (WindowRecord(i) != &w) return true;
    LayoutCaptionButtons(i);
    if (w.StatusHeight > 0) LayoutStatusBar(i);
  }
  return true;
}

void SkinEngine::LayoutCaptionButtons(int i) {
  SkinnedWindow* w = WindowRecord(i);
  if (!w || !w->Hwnd) return;
  w->ButtonsLeft = FrameSize(*w).cx - w->ButtonsWidth + 1;
  w->ButtonsHeight = kStripHeight;
  const float x0 = static_cast<float>(w->ButtonsLeft + 2);
  const float y0 = static_cast<float>(w->ButtonsTop + 1);
  for (int k = 1; k <= w->CaptionButtons.count(); ++k) {
    CaptionButton& b = w->CaptionButtons.at(k);
    const float width = b.Kind == kCloseButton ? kCloseRectWidth : kButtonWidth;
    b.Rect = Gdiplus::RectF(x0 + kButtonPitch * (k - 1), y0, width, kButtonHeight);
  }
  for (int k = 1; k <= w->CaptionButtons.count(); ++k) {
    const Gdiplus::RectF& r = w->CaptionButtons.at(k).Rect;
    const RECT tool{static_cast<LONG>(r.X), static_cast<LONG>(r.Y),
                    static_cast<LONG>(r.X + r.Width), static_cast<LONG>(r.Y + r.Height)};
    w->Tooltip.SetToolRect(static_cast<UINT>(k), tool);
    w->Tooltip.SetToolText(static_cast<UINT>(k), w->CaptionButtons.at(k).TipText);
  }
}

bool SkinEngine::GetCaptionButtonsRect(HWND window, RECT& rect) {
  const SkinnedWindow* w = WindowRecord(WindowNumberOf(window));
  // A skinned control's list position is no window number.
  if (!w || w->Hwnd != window) return false;
  rect = RECT{w->ButtonsLeft, w->ButtonsTop, w->ButtonsLeft + w->ButtonsWidth,
              w->ButtonsTop + w->ButtonsHeight};
  return true;
}

}  // namespace skin
