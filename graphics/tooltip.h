// A tooltip window that shows tip texts for rectangles of an owner window.
//
// Tools are identified by a number the caller picks. The tooltip window is not
// destroyed with the object: it lives until the program ends (or its owner's
// thread goes).
#pragma once

#include <windows.h>

#include <string>

namespace graphics {

class Tooltip {
 public:
  Tooltip() = default;
  ~Tooltip() = default;               // 0
  Tooltip(const Tooltip&) = default;  // 1
  Tooltip& operator=(const Tooltip&) = default;

  HWND Create(HWND owner, bool balloon = false);  // 2
  // `rect` in the owner's client coordinates.
  void AddTool(const RECT& rect, const std::string& text, UINT id);  // 3
  // The tooltip asks the owner for the text (TTN_GETDISPINFO) when it shows.
  void AddCallbackTool(const RECT& rect, UINT id);     // 4
  void SetBackColour(COLORREF colour);                 // 5
  void SetTextColour(COLORREF colour);                 // 6
  void SetMaxWidth(int width);                         // 7
  void DeleteTool(UINT id);                            // 8
  void SetToolRect(UINT id, const RECT& rect);         // 9
  void SetToolText(UINT id, const std::string& text);  // 10
  HWND GetWindow() const { return tip_window_; }       // 11

  HWND GetOwner() const { return owner_; }

 private:
  void SendTool(UINT message, UINT id, const RECT* rect, const char* text) const;

  HWND tip_window_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace graphics
