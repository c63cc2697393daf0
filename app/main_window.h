// The program's one window: a borderless 512 x 394 window holding the name
// label and the photo box in a group box, and the Start and Stop buttons.
#pragma once

#include <windows.h>

namespace app {

constexpr char kMainWindowClass[] = "RollCallMainWindow";
constexpr int kMainWindowWidth = 512;
constexpr int kMainWindowHeight = 394;

// Control identifiers.
enum ControlId : int {
  kGroupBoxId = 1,     // 分组框1
  kPictureBoxId = 2,   // 图片框1
  kLabelId = 3,        // 透明标签1
  kStartButtonId = 4,  // 按钮1
  kStopButtonId = 5,   // 按钮2
};

struct MainWindowControls {
  HWND window = nullptr;
  HWND groupBox = nullptr;
  HWND pictureBox = nullptr;
  HWND label = nullptr;
  HWND startButton = nullptr;
  HWND stopButton = nullptr;
};

// Creates the window centred on the screen with all its controls, runs the
// creation handler, then shows it. Returns the window, or null.
HWND CreateMainWindow();

// The controls of the window made by CreateMainWindow (null handles before).
const MainWindowControls& MainWindow();

// The creation handler: rounds the photo box, creates pz.ini when missing,
// skins the window, loads the roster and reads the settings.
void OnMainWindowCreated();

// Places the controls as MainLayoutFor(width, height) says, the label's font
// included; at 512 x 394 the form's own layout and font come back.
void ApplyMainLayout(int width, int height);

// Asks the main window to close; it is destroyed when the request is handled.
void CloseMainWindow(int x, int y, int keys);

// True from the moment the main window is asked to close.
bool MainWindowClosing();

// Gives `window` a rounded region of its client size with corner ellipses
// w x h; the window owns the region afterwards.
void ApplyRoundedRegion(HWND window, int w, int h);

}  // namespace app
