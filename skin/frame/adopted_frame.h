// Windows the engine did not make: a dialog, one of the platform's common
// dialogs, a program's main window with a caption and border. The engine
// removes the platform's caption and border and keeps strips of its own
// around the client area instead (the caption strip above it, margins at
// the sides and below, the status strip at the bottom), answering the
// platform's non-client messages for them. The client area keeps its size
// and its coordinates, so the window's own layout and painting go on as
// before; the window grows by the strips.
#pragma once

#include <windows.h>

namespace skin {

struct SkinnedWindow;

// True when the window has a platform caption, border or edge.
bool HasPlatformFrame(HWND window);
// Removes the platform's caption, borders and edges; the system menu and
// the minimise and maximise boxes stay (they become caption buttons).
void RemovePlatformFrame(HWND window);
// WM_STYLECHANGING: a style the window sets itself later loses the
// platform's frame too (a dialog that makes itself resizable).
void KeepPlatformFrameOff(WPARAM which, LPARAM styles);
// The strips kept around the client area of a window with that caption,
// status strip and frame margin.
RECT AdoptedInsets(int captionHeight, bool showCaption, int statusHeight, int margin);
// Gives the window its new non-client area: its top-left stays where it is
// and it grows so that the client area keeps `clientSize`.
void LayOutAdoptedWindow(const SkinnedWindow& w, SIZE clientSize);

// WM_NCCALCSIZE: the client area is the window less the strips.
LRESULT AdoptedNcCalcSize(const SkinnedWindow& w, WPARAM wParam, LPARAM lParam);
// True when the screen point (of WM_NCHITTEST) lies on one of the strips:
// the engine's, answered as client area so that the frame's own mouse
// handling sees it.
bool OnAdoptedStrip(const SkinnedWindow& w, LPARAM screenPoint);
// A client-coordinate mouse position as a frame position.
LPARAM ClientToFramePoint(const SkinnedWindow& w, LPARAM clientPoint);
// True when a client-coordinate mouse position lies inside the client area.
bool InsideClient(const SkinnedWindow& w, LPARAM clientPoint);
// The icon the window shows in its own caption (its small icon, else its
// big one, else its class's), or null.
HICON OwnIcon(HWND window);

}  // namespace skin
