// Containers of a skinned window (group boxes, panels, any child window with
// children of its own): registered with the engine's SkinChildren, their
// children skinned, and painted by the engine over what lies behind them.
#pragma once

#include <windows.h>

namespace skin {

// paintSelf of a container with painting of its own (a child dialog): the
// engine lays what lies behind it where it erases and under what it paints,
// and the container's own procedure paints over that.
inline constexpr int kPaintsOwnOverGround = 2;

// The subclass procedure of every registered container.
LRESULT CALLBACK ContainerWndProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam);

// The container as its window procedure paints it: its background (with
// the tints of every enclosing container), then the group-box frame and
// caption or the double border. A full paint goes to `target` (or, with
// none, to the container's DC without its opaque children) and ends the
// pending full paint; a normal paint goes to that DC and lets the
// translucent children redraw over it.
void FullPaintContainer(HWND container, HDC target);
// A container of kPaintsOwnOverGround: its paint, erase and show; true when
// the message was answered (with `answer`).
bool AnswerOwnPainting(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer);
// In an adopted window, a container's children made or shown after it was
// skinned are taken as they appear (through the window's frame).
void NoticeLateChildren(HWND container, UINT message, WPARAM wParam, LPARAM lParam);
void NormalPaintContainer(HWND container);

}  // namespace skin
