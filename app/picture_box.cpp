#include "app/picture_box.h"

#include <algorithm>

#include "app/upright_picture.h"
#include "graphics/bitmap.h"
#include "graphics/graphics.h"
#include "platform/handles.h"
#include "skin/drawing/colours.h"

namespace app {
namespace {

constexpr UINT kSetPicture = WM_USER + 1;  // lParam = const std::vector<uint8_t>*
constexpr UINT kHasPicture = WM_USER + 2;

// The box keeps its picture as a pattern brush: a tile of the picture's own
// size (cut to the box, since nothing beyond it is ever seen), filled from
// the box's top-left corner, which repeats it right and down.
struct PictureBoxState {
  platform::UniqueBrush brush;  // null: no picture
  std::vector<uint8_t> bytes;   // the picture, to cut a new tile when the box is resized
};

PictureBoxState* StateOf(HWND box) {
  return reinterpret_cast<PictureBoxState*>(::GetWindowLongPtrA(box, GWLP_USERDATA));
}

Gdiplus::ARGB BoxBackground() { return skin::MakeArgb(::GetSysColor(COLOR_BTNFACE)); }

// Decodes `bytes` and draws the part of the picture that can show in a box of
// `boxSize` into a bitmap, over the box's background colour.
platform::UniqueBitmap MakeTile(const std::vector<uint8_t>& bytes, SIZE boxSize) {
  if (bytes.empty()) return {};
  graphics::Bitmap picture;
  if (!picture.CreateBitmapFromStream(bytes)) return {};
  TurnUpright(picture, bytes);  // a failed turn shows the photo as stored
  const int64_t width = picture.GetImageWidth();
  const int64_t height = picture.GetImageHeight();
  if (width <= 0 || height <= 0 || width * height > kMaxPicturePixels) return {};

  const int tileWidth = static_cast<int>(std::min<int64_t>(width, boxSize.cx));
  const int tileHeight = static_cast<int>(std::min<int64_t>(height, boxSize.cy));
  graphics::Bitmap tile;
  if (!tile.CreateBitmap(tileWidth, tileHeight)) return {};
  {
    graphics::Graphics g;
    if (!g.GetImageGraphicsContext(tile)) return {};
    g.GraphicsClear(BoxBackground());
    // Pixel for pixel, whatever resolution the file states.
    if (!g.DrawImageRectRectI(picture, 0, 0, static_cast<int>(width), static_cast<int>(height)))
      return {};
  }
  platform::UniqueBitmap result;
  if (!tile.CreateHBITMAPFromBitmap(result, BoxBackground())) return {};
  return result;
}

bool OnSetPicture(HWND box, PictureBoxState& state, const std::vector<uint8_t>& bytes) {
  if (&bytes != &state.bytes) state.bytes = bytes;
  RECT client;
  ::GetClientRect(box, &client);
  state.brush.reset();
  // The brush keeps its own copy of the tile.
  platform::UniqueBitmap tile = MakeTile(bytes, SIZE{client.right, client.bottom});
  if (tile) state.brush.reset(::CreatePatternBrush(tile.get()));
  if (!state.brush) state.bytes.clear();
  ::InvalidateRect(box, nullptr, TRUE);
  return static_cast<bool>(state.brush);
}

void Paint(HWND box, HDC dc, const PictureBoxState& state) {
  RECT client;
  ::GetClientRect(box, &client);
  if (state.brush) {
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::FillRect(dc, &client, state.brush.get());
  } else {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  }
}

void OnPaint(HWND box, const PictureBoxState& state) {
  platform::PaintScope paint(box);
  Paint(box, paint.dc(), state);
}

LRESULT CALLBACK PictureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  PictureBoxState* state = StateOf(box);
  switch (message) {
    case WM_NCCREATE:
      ::SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureBoxState));
      break;
    case WM_NCDESTROY:
      delete state;
      ::SetWindowLongPtrA(box, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers the whole box
    case WM_PAINT:
      if (state) {
        OnPaint(box, *state);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (state) Paint(box, reinterpret_cast<HDC>(wParam), *state);
      return 0;
    case kSetPicture:
      return state &&
             OnSetPicture(box, *state, *reinterpret_cast<const std::vector<uint8_t>*>(lParam));
    case kHasPicture: return state && state->brush;
    case WM_SIZE:
      if (state && !state->bytes.empty()) OnSetPicture(box, *state, state->bytes);
      return 0;
  }
  return ::DefWindowProcA(box, message, wParam, lParam);
}

}  // namespace

void RegisterPictureBoxClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  if (::GetClassInfoExA(instance, kPictureBoxClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = PictureBoxProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kPictureBoxClass;
  ::RegisterClassExA(&wc);
}

HWND CreatePictureBox(HWND parent, int id, const RECT& b) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterPictureBoxClass(instance);
  return ::CreateWindowExA(0, kPictureBoxClass, "", WS_CHILD | WS_VISIBLE, b.left, b.top,
                           b.right - b.left, b.bottom - b.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

bool SetPicture(HWND box, const std::vector<uint8_t>& bytes) {
  return ::SendMessageA(box, kSetPicture, 0, reinterpret_cast<LPARAM>(&bytes)) != 0;
}

bool HasPicture(HWND box) { return ::SendMessageA(box, kHasPicture, 0, 0) != 0; }

}  // namespace app
