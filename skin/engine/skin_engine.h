// The skin engine: one object through which windows are given their look.
// Its operations are declared in table order (slot in the trailing comment);
// window numbers and caption-button indices are one-based.
//
// Status bar. SetStatusBar, LayoutStatusBar and DrawStatusBar do nothing for
// a window number outside the registry, and DrawStatusBar draws nothing for a
// panel number outside the list; SetStatusPanelText refuses (false) a panel
// number below 1 as well as one beyond the list. A panel of width -1 takes
// the client width less twice FrameMargin less the widths before it (never
// below 0); the panels after it keep their widths and start where it ends,
// beyond the strip. Every panel is drawn only inside its own rectangle cut
// to the strip: a panel beyond the strip does not show, one across its end
// shows up to it, and text or glow never spill onto a neighbour. A panel
// redrawn on its own before the first render waits for that render.
//
// Docked children: DockChild adds a direct child of a skinned window (or
// gives one already docked a new top) and lays it out at once; from then on
// every WM_SIZE stretches it to (2, top, client width - 4, client height -
// top - StatusHeight - 3), never to a negative size, and leaves them alone
// while the window is minimised. UndockChild empties its
// entry: the child stays where it is and no longer follows.
//
// Caption images: SetCaptionButtonImages replaces a picture only on a button
// the style names that is of that kind (minimise, maximise/restore, close);
// an image not given, or one that does not decode (an empty buffer
// included), leaves the button's current picture.
//
// AddCaptionButton, SetTitleFont, SetWindowBackground, GetCaptionButtonsRect,
// SetCaptionButtonImages and SetStatusStyle answer false for any handle that
// is not itself a skinned top-level window, a skinned control or container
// included (its Hw_lbID is a list position, not a window number).
//
// Adopted windows: SkinWindow on a window with a platform caption, border or
// edge removes them and keeps strips of its own around the client area (the
// caption strip above, margins of FrameMargin at the sides and below, the
// status strip at the bottom); the client area keeps its size and its
// children their places, the window grows. Such a window paints its own
// client area over the frame's background, resizes only if it had a thick
// frame, and has its child dialogs, views and later children skinned as
// containers and controls. Its frame operations work in window coordinates
// (the frame is the whole window); a borderless window's frame is its
// client area, as always.
//
// Child controls: SkinImageButton and SkinStateImageButton answer false, and
// SkinChildren and SkinTransparentChild do nothing, for a control that
// another family (or another window) has registered already: it runs that family's procedure under the
// same Hw_ properties, and a second registration would make it forward to
// itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/drawing/colours.h"
#include "skin/engine/skinned_window.h"

namespace graphics {
class Graphics;
}

namespace skin {

using Bytes = std::vector<uint8_t>;

// The optional parameters of SkinWindow; each takes its default when left out.
struct SkinWindowOptions {
  std::optional<int> captionHeight;                      // 25; at least 25
  std::optional<bool> showCaption;                       // true
  std::optional<bool> resizable;                         // true
  std::optional<bool> helpButton;                        // false
  std::optional<bool> menuButton;                        // false
  std::optional<bool> showTitle;                         // true
  std::optional<bool> captionGloss;                      // false
  std::optional<int> statusHeight;                       // 0: no status bar
  std::optional<std::vector<StatusPanel>> statusPanels;  // none
  std::optional<Bytes> image;                            // the window's own background
  std::optional<int> mode;                               // BackgroundMode
};

// SetTheme's accent value meaning "follow the theme colour".
inline constexpr Colour kAccentFollowsTheme = 0xFFFFFFFFu;

class SkinEngine {
 public:
  // Binds the frame procedure entry to this object and takes the platform's
  // button-face colour as the theme colour.
  SkinEngine();
  // The frame entry stops reaching an object that is gone, and the dialogs
  // of the thread are no longer skinned by it.
  ~SkinEngine();
  SkinEngine(const SkinEngine&) = default;
  SkinEngine& operator=(const SkinEngine&) = default;

  void Destroy();                            // 0: icon and GDI+ go
  std::unique_ptr<SkinEngine> Copy() const;  // 1
  LRESULT FrameWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);  // 2
  void DoCaptionButton(int i, int k);                                             // 3
  // True when the window is skinned by this call (false: already skinned,
  // or not a top-level window: null, destroyed, or a child window).
  bool SkinWindow(HWND window, const SkinWindowOptions& options = {});  // 4
  bool AddCaptionButton(HWND window, const Bytes& image, const std::string& tipText,
                        Subroutine handler);  // 5
  bool SetTitleFont(HWND window, std::optional<std::string> fontName = {},
                    std::optional<int> size = {}, std::optional<Colour> colour = {},
                    std::optional<Colour> shadowColour = {}, std::optional<int> style = {});  // 6
  bool SetWindowBackground(HWND window, const Bytes& image, std::optional<int> mode = {});    // 7
  // accent kAccentFollowsTheme: the accent follows the theme colour.
  void SetTheme(std::optional<std::string> fileName = {}, std::optional<Bytes> image = {},
                std::optional<Colour> frameColour = {}, std::optional<Colour> accent = {},
                std::optional<int> mode = {});  // 8
  void SetOptions(bool skinChildren, std::optional<int> translucency = {},
                  std::optional<bool> trackOption = {});  // 9
  // Renders the frame into FrameDC; with a paint DC, also shows it.
  void RenderFrame(int i, std::optional<HDC> dc = {});             // 10
  void PresentFrame(int i, HDC dc);                                // 11
  void DrawBackground(graphics::Graphics& g, int i);               // 12
  void DrawFrameBorder(int i, graphics::Graphics& g);              // 13
  void DrawButtonSeparators(int i, int k, graphics::Graphics& g);  // 14
  void RestoreFromCaptionCache(int i, const RECT& rect);           // 15
  void RestoreFromStatusCache(int i, const RECT& rect);            // 16
  // `into` null: draws on a new graphics context and shows the button at once.
  void DrawCaptionButton(int i, int k, graphics::Graphics* into, bool pressed,
                         std::optional<int> alpha = {});                // 17
  void DrawButtonFace(graphics::Graphics& g, int i, int k, int alpha);  // 18
  void LayoutCaptionButtons(int i);                                     // 19
  int HitTestCaptionButton(int i, int x, int y);                        // 20
  int FindMaxButton(int i);                                             // 21
  void OnFrameButtonDown(int i, LPARAM lParam, const RECT& client);     // 22
  void OnFrameMouseMove(int i, LPARAM lParam, const RECT& client);      // 23
  void SetHelpHandler(HWND window, Subroutine handler);                 // 24
  void SetMainMenuHandler(HWND window, Subroutine handler);             // 25
  // `into` null: draws on a new graphics context and shows the title at once.
  void DrawTitle(int i, graphics::Graphics* into, std::optional<std::string> text = {});      // 26
  void SetStatusBar(int i, int height, std::optional<std::vector<StatusPanel>> panels = {});  // 27
  void LayoutStatusBar(int i);                                                                // 28
  void DrawStatusBar(int i, graphics::Graphics* into, std::optional<int> panel = {});         // 29
  bool SetStatusPanelText(HWND window, int panel, const std::string& text,
                          std::optional<Bytes> image = {},
                          std::optional<Colour> colour = {});  // 30
  bool SetStatusStyle(HWND window, std::optional<bool> themeText = {},
                      std::optional<bool> glow = {}, std::optional<Colour> textColour = {},
                      std::optional<Colour> glowColour = {},
                      std::optional<std::string> fontName = {},
                      std::optional<int> fontSize = {});  // 31
  bool SkinImageButton(HWND button, const Bytes& image, int32_t beside,
                       const std::string& tip);  // 32
  bool SkinStateImageButton(HWND button, const Bytes& normal, std::optional<Bytes> hot = {},
                            std::optional<Bytes> pressed = {}, std::optional<Bytes> disabled = {},
                            std::optional<std::string> tip = {});  // 33
  void SkinChildren(HWND container, std::optional<int> paintSelf = {},
                    std::optional<Colour> tintColour = {}, std::optional<uint8_t> tintAlpha = {},
                    std::optional<int> drawBorder = {});  // 34
  void SetContainerAlpha(HWND container, uint8_t alpha);  // 35
  // (ButtonsLeft, ButtonsTop, ButtonsLeft + ButtonsWidth, ButtonsTop + ButtonsHeight).
  bool GetCaptionButtonsRect(HWND window, RECT& rect);  // 36
  void SkinTransparentChild(HWND control, std::optional<Colour> keyColour = {},
                            std::optional<Colour> tintColour = {},
                            std::optional<uint8_t> tintAlpha = {});  // 37
  void LayoutDockedChildren(int i);                                  // 38
  void SetControlTextColour(HWND control, Colour colour);            // 39
  Colour GetThemeColour() const;                                     // 40
  bool SetCaptionButtonImages(HWND window, std::optional<Bytes> minImage = {},
                              std::optional<Bytes> maxImage = {},
                              std::optional<Bytes> restoreImage = {},
                              std::optional<Bytes> closeImage = {});  // 41

  // Not in the table: how a developer docks a child. Both are false for a
  // window that is not skinned; DockChild also for a handle that is not a
  // direct child of it, UndockChild for a child that is not docked.
  bool DockChild(HWND window, HWND child, int top);
  bool UndockChild(HWND window, HWND child);

  // Not in the table: skinning a whole program's dialogs. From this call on,
  // every top-level dialog (class "#32770": message boxes, the platform's
  // common dialogs, property sheets, the program's own dialogs) the calling
  // thread activates is skinned with `options` as it first activates, until
  // StopSkinningThreadDialogs on that thread. Their controls are skinned as
  // SetOptions says, child dialogs (property-sheet pages) with them. False
  // when the thread skins its dialogs already (the options stay) or the
  // hook cannot be set.
  bool SkinThreadDialogs(const SkinWindowOptions& options = {});
  // Ends it for the calling thread; dialogs skinned so far stay skinned.
  void StopSkinningThreadDialogs();
  // Destroy without shutting GDI+ down: for a program that runs GDI+ for
  // its own drawing too (EngineSession uses it).
  void Release();

  // Window procedure entry installed on skinned windows; reaches this object.
  WNDPROC FrameProcEntry = nullptr;
  // Right margin of the caption strip, inset of the move/size zones and title.
  int32_t FrameMargin = 0;
  // Caption button under the mouse in the window that last had a mouse message.
  int32_t HotButton = 0;

 private:
  // Steps of the frame procedure.
  // An adopted window's own messages (non-client area, painting): true when
  // answered, with the answer.
  bool AnswerAdopted(int i, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& answer);
  LRESULT OnAdoptedPaint(int i, HWND window, WPARAM wParam, LPARAM lParam);
  void OnAdoptedNcPaint(int i, HWND window);
  void OnHover(int i, HWND window, LPARAM lParam);
  void OnFadeTick(int i, HWND window);
  void OnPress(int i, LPARAM lParam);
  void OnLeave(int i);
};

}  // namespace skin
