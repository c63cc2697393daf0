// The global theme and switches, and the per-window title and background.
#include <windows.h>

#include "skin/drawing/backgrounds.h"
#include "skin/engine/module_state.h"
#include "skin/engine/registry.h"
#include "skin/engine/skin_engine.h"

namespace skin {
namespace {

constexpr Colour kDefaultAccent = 0xDDCA22;  // #22CADD
constexpr int kDefaultMode = 4;

}  // namespace

void SkinEngine::SetTheme(std::optional<std::string> fileName, std::optional<Bytes> image,
                          std::optional<Colour> frameColour, std::optional<Colour> accent,
                          std::optional<int> mode) {
  const bool accentFollowsTheme = accent && *accent == kAccentFollowsTheme;
  if (!accent)
    Module.AccentColour = kDefaultAccent;
  else if (!accentFollowsTheme)
    Module.AccentColour = *accent;
  if (!fileName && !image && !frameColour) return;

  const bool fromFile = fileName && !fileName->empty();
  const bool fromBytes = image && !image->empty();
  if (fromFile || fromBytes) {
    Module.ThemeColour = frameColour ? *frameColour
                         : fromFile  ? AverageColourOfFile(*fileName)
                                     : AverageColour(*image);
    if (accentFollowsTheme) Module.AccentColour = Module.ThemeColour;
    Module.BackgroundMode = mode.value_or(kDefaultMode);
    Module.BackgroundImage =
        fromFile ? BackgroundFileForMode(*fileName, Module.ThemeColour, Module.BackgroundMode)
                 : BackgroundForMode(*image, Module.ThemeColour, Module.BackgroundMode);
  } else if (frameColour) {
    Module.BackgroundImage.clear();
    Module.ThemeColour = *frameColour;
    if (accentFollowsTheme) Module.AccentColour = Module.ThemeColour;
  }

  // Windows skinned earlier take the new theme at once.
  for (int i = 1; i <= WindowCount(); ++i) {
    HWND window = WindowRecord(i)->Hwnd;
    if (!::IsWindowVisible(window)) continue;
    RenderFrame(i);
    ::InvalidateRect(window, nullptr, FALSE);
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
    if (SkinnedWindow* w = WindowRecord(i))
      for (const HeaderRecord& header : w->Headers)
        if (header.hwnd) ::InvalidateRect(header.hwnd, nullptr, FALSE);
  }
}

void SkinEngine::SetOptions(bool skinChildren, std::optional<int> translucency,
                            std::optional<bool> trackOption) {
  Module.SkinChildControls = skinChildren;
  Module.Translucency = translucency.value_or(160);
  Module.TranslucencyGiven = translucency.has_value();
  Module.TrackOption = trackOption.value_or(true);
}

bool SkinEngine::AddCaptionButton(HWND window, const Bytes& image, const std::string& tipText,
                                  Subroutine handler) {
  const int i = WindowNumberOf(window);
  SkinnedWindow* w = WindowRecord(i);
  // A skinned control's list position is no window number.
  if (!w || w->Hwnd != window) return false;
  w->ButtonsWidth += 27;
  CaptionButton button;
  button.Width = 26;
  button.Height = 18;
  button.ButtonImage = image;
  button.Kind = kCustomButton;
  button.TipText = tipText;
  button.Handler = handler;
  // Custom buttons stand left of the built-in ones.
  w->CaptionButtons.insert_front(std::move(button));
  w->ToolCount = w->CaptionButtons.count();
  w->Tooltip.AddTool(RECT{}, tipText, static_cast<UINT>(w->ToolCount));
  LayoutCaptionButtons(i);
  // The strip has moved: the frame is drawn anew at the next paint.
  w->Dirty = true;
  ::InvalidateRect(window, nullptr, FALSE);
  return true;
}

bool SkinEngine::SetTitleFont(HWND window, std::optional<std::string> fontName,
                              std::optional<int> size, std::optional<Colour> colour,
                              std::optional<Colour> shadowColour, std::optional<int> style) {
  const int i = WindowNumberOf(window);
  SkinnedWindow* w = WindowRecord(i);
  if (!w || w->Hwnd != window) return false;
  if (fontName) w->TitleFontName = *fontName;
  if (size) w->TitleFontSize = *size;
  if (colour) w->TitleColour = *colour;
  if (shadowColour) w->TitleShadowColour = *shadowColour;
  if (style) w->TitleFontStyle = *style;
  // A window that shows no title keeps its caption as it is.
  if (!w->ShowTitle || !w->ShowCaption) return true;
  const int length = ::GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), length + 1)));
  DrawTitle(i, nullptr, text);
  return true;
}

bool SkinEngine::SetWindowBackground(HWND window, const Bytes& image, std::optional<int> mode) {
  SkinnedWindow* w = WindowRecord(WindowNumberOf(window));
  if (!w || w->Hwnd != window || image.empty()) return false;
  if (mode) w->BackMode = *mode;
  w->BackColour = AverageColour(image);
  w->BackImage = BackgroundForMode(image, w->BackColour, w->BackMode);
  w->Dirty = true;
  ::InvalidateRect(window, nullptr, FALSE);
  return true;
}

}  // namespace skin
