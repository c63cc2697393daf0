// How a skinned window and its containers answer their children's colour
// messages, and which child notifications change what a translucent child
// must show behind it. Shared by the frame procedure and the container
// procedure.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

struct SkinnedWindow;

// The control's text colour (Kj_Ztys, black when absent) and a transparent
// background on dc, then a pattern brush of the control's veiled background,
// replacing the control's previous brush and bitmap.
LRESULT AnswerWithPatternBrush(SkinnedWindow& w, HDC dc, HWND control);
// The same with the stock hollow brush.
LRESULT AnswerWithHollowBrush(SkinnedWindow& w, HDC dc, HWND control);

// True for the WM_COMMAND notifications after which a child of that class
// repaints over its background: edits scrolled or changed, list selections,
// combo selections and focus loss.
bool NotificationChangesBackground(const std::string& className, int code);
// True for the tree-view notifications of an item expanding or expanded.
bool IsTreeExpansion(int code);

// The frame's and the containers' shared handling of colour messages:
// the answer (a brush) when the message is taken, or nothing when it goes
// on to the saved procedure. The colour switches are checked here.
bool AnswerColourMessage(SkinnedWindow& w, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& answer);

}  // namespace skin
