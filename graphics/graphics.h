// A GDI+ drawing surface over a device context, a window or an image.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/brush.h"
#include "graphics/font.h"
#include "graphics/image.h"
#include "graphics/matrix.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "graphics/region.h"
#include "graphics/status.h"
#include "graphics/string_format.h"

namespace graphics {

// What MeasureString reports besides the bounding box.
struct TextMeasure {
  RectF bounds;
  int codepoints_fitted = 0;
  int lines_filled = 0;
};

class Graphics {
 public:
  using Order = Gdiplus::MatrixOrder;
  static constexpr Order kPrepend = Gdiplus::MatrixOrderPrepend;

  Graphics() = default;
  ~Graphics();                         // 0
  Graphics(const Graphics&) = delete;  // 1
  Graphics& operator=(const Graphics&) = delete;
  Graphics(Graphics&& other) noexcept;
  Graphics& operator=(Graphics&& other) noexcept;

  Gdiplus::GpGraphics* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the graphics held before.
  void SetNative(Gdiplus::GpGraphics* native);                                   // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }              // 5
  static void Free(void* block) { graphics::Free(block); }                       // 6
  bool DeleteGraphics();                                                         // 8
  bool Flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush);  // 9
  bool CreateFromHWND(HWND window, bool icm = false);                            // 10
  bool CreateFromHDC(HDC dc, std::optional<HANDLE> device = {});                 // 11
  // Draws into `image` (which must outlive this object).
  bool GetImageGraphicsContext(const Image& image);  // 12
  // A device context for GDI drawing; give it back with ReleaseDC.
  HDC GetDC();                                                                // 13
  bool ReleaseDC(HDC dc);                                                     // 14
  Point GetRenderingOrigin() const;                                           // 15
  bool SetRenderingOrigin(int x, int y);                                      // 16
  Gdiplus::CompositingMode GetCompositingMode() const;                        // 17
  bool SetCompositingMode(Gdiplus::CompositingMode mode);                     // 18
  Gdiplus::CompositingQuality GetCompositingQuality() const;                  // 19
  bool SetCompositingQuality(Gdiplus::CompositingQuality quality);            // 20
  bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint);                 // 21
  Gdiplus::TextRenderingHint GetTextRenderingHint() const;                    // 22
  bool SetTextContrast(UINT contrast);                                        // 23
  UINT GetTextContrast() const;                                               // 24
  bool SetInterpolationMode(Gdiplus::InterpolationMode mode);                 // 25
  Gdiplus::InterpolationMode GetInterpolationMode() const;                    // 26
  bool SetSmoothingMode(Gdiplus::SmoothingMode mode);                         // 27
  Gdiplus::SmoothingMode GetSmoothingMode() const;                            // 28
  bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);                     // 29
  Gdiplus::PixelOffsetMode GetPixelOffsetMode() const;                        // 30
  bool SetWorldTransform(const Matrix& matrix);                               // 31
  Matrix GetWorldTransform() const;                                           // 32
  bool ResetWorldTransform();                                                 // 33
  bool MultiplyWorldTransform(const Matrix& matrix, Order order = kPrepend);  // 34
  bool TranslateWorldTransform(float dx, float dy, Order order = kPrepend);   // 35
  bool ScaleWorldTransform(float sx, float sy, Order order = kPrepend);       // 36
  bool ScaleWorldTransformAt(float sx, float sy, const PointF& centre,
                             Order order = kPrepend);                                      // 37
  bool RotateWorldTransform(float angle, Order order = kPrepend);                          // 38
  bool RotateWorldTransformAt(float angle, const PointF& centre, Order order = kPrepend);  // 39
  bool SetPageUnit(Gdiplus::Unit unit);                                                    // 40
  Gdiplus::Unit GetPageUnit() const;                                                       // 41
  bool SetPageScale(float scale);                                                          // 42
  float GetPageScale() const;                                                              // 43
  float GetDpiX() const;                                                                   // 44
  float GetDpiY() const;                                                                   // 45
  bool TransformPoints(Gdiplus::CoordinateSpace to, Gdiplus::CoordinateSpace from,
                       std::vector<PointF>& points) const;  // 46
  bool TransformPointsI(Gdiplus::CoordinateSpace to, Gdiplus::CoordinateSpace from,
                        std::vector<Point>& points) const;                // 47
  ARGB GetNearestColor(ARGB colour) const;                                // 48
  bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);  // 49
  bool DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2);         // 50
  bool DrawLines(const Pen& pen, const std::vector<PointF>& points);      // 51
  bool DrawLinesI(const Pen& pen, const std::vector<Point>& points);      // 52
  bool DrawArc(const Pen& pen, float x, float y, float width, float height, float start_angle,
               float sweep_angle);  // 53
  bool DrawArcI(const Pen& pen, int x, int y, int width, int height, float start_angle,
                float sweep_angle);  // 54
  bool DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                  float x4, float y4);  // 55
  bool DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                   int y4);                                                         // 56
  bool DrawBeziers(const Pen& pen, const std::vector<PointF>& points);              // 57
  bool DrawBeziersI(const Pen& pen, const std::vector<Point>& points);              // 58
  bool DrawRectangle(const Pen& pen, float x, float y, float width, float height);  // 59
  bool DrawRectangleI(const Pen& pen, int x, int y, int width, int height);         // 60
  bool DrawRectangles(const Pen& pen, const std::vector<RectF>& rects);             // 61
  bool DrawRectanglesI(const Pen& pen, const std::vector<Rect>& rects);             // 62
  bool DrawEllipse(const Pen& pen, float x, float y, float width, float height);    // 63
  bool DrawEllipseI(const Pen& pen, int x, int y, int width, int height);           // 64
  bool DrawPie(const Pen& pen, float x, float y, float width, float height, float start_angle,
               float sweep_angle);  // 65
  bool DrawPieI(const Pen& pen, int x, int y, int width, int height, float start_angle,
                float sweep_angle);                                                   // 66
  bool DrawPolygon(const Pen& pen, const std::vector<PointF>& points);                // 67
  bool DrawPolygonI(const Pen& pen, const std::vector<Point>& points);                // 68
  bool DrawPath(const Pen& pen, const Path& path);                                    // 69
  bool DrawCurve(const Pen& pen, const std::vector<PointF>& points);                  // 70
  bool DrawCurveI(const Pen& pen, const std::vector<Point>& points);                  // 71
  bool DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);  // 72
  bool DrawCurve2I(const Pen& pen, const std::vector<Point>& points, float tension);  // 73
  bool DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset, int segments,
                  float tension);  // 74
  bool DrawCurve3I(const Pen& pen, const std::vector<Point>& points, int offset, int segments,
                   float tension);                                                          // 75
  bool DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points);                  // 76
  bool DrawClosedCurveI(const Pen& pen, const std::vector<Point>& points);                  // 77
  bool DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);  // 78
  bool DrawClosedCurve2I(const Pen& pen, const std::vector<Point>& points, float tension);  // 79
  bool GraphicsClear(ARGB colour);                                                          // 80
  bool FillRectangle(const Brush& brush, float x, float y, float width, float height);      // 81
  bool FillRectangle(const Brush& brush, const RectF& rect);                                // 82
  bool FillRectangleI(const Brush& brush, int x, int y, int width, int height);             // 83
  bool FillRectangles(const Brush& brush, const std::vector<RectF>& rects);                 // 84
  bool FillRectanglesI(const Brush& brush, const std::vector<Rect>& rects);                 // 85
  bool FillPolygon(const Brush& brush, const std::vector<PointF>& points,
                   Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);  // 86
  bool FillPolygonI(const Brush& brush, const std::vector<Point>& points,
                    Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);             // 87
  bool FillEllipse(const Brush& brush, float x, float y, float width, float height);  // 88
  bool FillEllipseI(const Brush& brush, int x, int y, int width, int height);         // 89
  bool FillPie(const Brush& brush, float x, float y, float width, float height, float start_angle,
               float sweep_angle);  // 90
  bool FillPieI(const Brush& brush, int x, int y, int width, int height, float start_angle,
                float sweep_angle);                                             // 91
  bool FillPath(const Brush& brush, const Path& path);                          // 92
  bool FillClosedCurve(const Brush& brush, const std::vector<PointF>& points);  // 93
  bool FillClosedCurve2(const Brush& brush, const std::vector<PointF>& points, float tension,
                        Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);   // 94
  bool FillClosedCurveI(const Brush& brush, const std::vector<Point>& points);  // 95
  bool FillClosedCurve2I(const Brush& brush, const std::vector<Point>& points, float tension,
                         Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);  // 96
  bool FillRegion(const Brush& brush, const Region& region);                    // 97
  // Text in the code page, or (second form) already in UTF-16; `format` may be null.
  bool DrawString(const std::string& text, const Font& font, const RectF& layout,
                  const StringFormat* format, const Brush& brush);  // 98
  bool DrawString(const std::wstring& text, const Font& font, const RectF& layout,
                  const StringFormat* format, const Brush& brush);  // 99
  TextMeasure MeasureString(const std::string& text, const Font& font, const RectF& layout,
                            const StringFormat* format) const;  // 100
  TextMeasure MeasureString(const std::wstring& text, const Font& font, const RectF& layout,
                            const StringFormat* format) const;  // 101
  // One region per measurable range of `format`.
  bool MeasureCharacterRanges(const std::string& text, const Font& font, const RectF& layout,
                              const StringFormat& format,
                              std::vector<Region>& regions) const;  // 102
  bool MeasureCharacterRanges(const std::wstring& text, const Font& font, const RectF& layout,
                              const StringFormat& format,
                              std::vector<Region>& regions) const;  // 103
  // One position per character, or only the first with DriverStringOptionsRealizedAdvance.
  bool DrawDriverString(const std::string& text, const Font& font, const Brush& brush,
                        const std::vector<PointF>& positions, int flags,
                        const Matrix* matrix = nullptr);  // 104
  bool DrawDriverString(const std::wstring& text, const Font& font, const Brush& brush,
                        const std::vector<PointF>& positions, int flags,
                        const Matrix* matrix = nullptr);                 // 105
  bool DrawImage(const Image& image, float x, float y);                  // 106
  bool DrawImageI(const Image& image, int x, int y);                     // 107
  bool DrawCachedBitmap(Gdiplus::GpCachedBitmap* cached, int x, int y);  // 108
  // The whole image into the destination rectangle.
  bool DrawImageRectRect(const Image& image, float x, float y, float width, float height,
                         Gdiplus::Unit source_unit = Gdiplus::UnitPixel);  // 109
  bool DrawImageRectRectI(const Image& image, int x, int y, int width, int height,
                          Gdiplus::Unit source_unit = Gdiplus::UnitPixel);      // 110
  bool DrawImagePoints(const Image& image, const std::vector<PointF>& points);  // 111
  bool DrawImagePointsI(const Image& image, const std::vector<Point>& points);  // 112
  bool DrawImagePointRect(const Image& image, float x, float y, float src_x, float src_y,
                          float src_width, float src_height,
                          Gdiplus::Unit source_unit = Gdiplus::UnitPixel);  // 113
  bool DrawImagePointRectI(const Image& image, int x, int y, int src_x, int src_y, int src_width,
                           int src_height,
                           Gdiplus::Unit source_unit = Gdiplus::UnitPixel);  // 114
  bool DrawImageRectRect(const Image& image, float x, float y, float width, float height,
                         float src_x, float src_y, float src_width, float src_height,
                         Gdiplus::Unit source_unit = Gdiplus::UnitPixel,
                         Gdiplus::GpImageAttributes* attributes = nullptr,
                         Gdiplus::DrawImageAbort callback = nullptr,
                         void* callback_data = nullptr);  // 115
  bool DrawImageRectRectI(const Image& image, int x, int y, int width, int height, int src_x,
                          int src_y, int src_width, int src_height,
                          Gdiplus::Unit source_unit = Gdiplus::UnitPixel,
                          Gdiplus::GpImageAttributes* attributes = nullptr,
                          Gdiplus::DrawImageAbort callback = nullptr,
                          void* callback_data = nullptr);  // 116
  bool DrawImagePointsRect(const Image& image, const std::vector<PointF>& points, float src_x,
                           float src_y, float src_width, float src_height,
                           Gdiplus::Unit source_unit = Gdiplus::UnitPixel,
                           Gdiplus::GpImageAttributes* attributes = nullptr,
                           Gdiplus::DrawImageAbort callback = nullptr,
                           void* callback_data = nullptr);  // 117
  bool DrawImagePointsRectI(const Image& image, const std::vector<Point>& points, int src_x,
                            int src_y, int src_width, int src_height,
                            Gdiplus::Unit source_unit = Gdiplus::UnitPixel,
                            Gdiplus::GpImageAttributes* attributes = nullptr,
                            Gdiplus::DrawImageAbort callback = nullptr,
                            void* callback_data = nullptr);  // 118
  // Metafile playback, record by record through `callback`.
  bool EnumerateMetafileDestPoint(const Image& metafile, const PointF& destination,
                                  Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
                                  Gdiplus::GpImageAttributes* attributes = nullptr);  // 119
  bool EnumerateMetafileDestPointI(const Image& metafile, const Point& destination,
                                   Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
                                   Gdiplus::GpImageAttributes* attributes = nullptr);  // 120
  bool EnumerateMetafileDestPoints(const Image& metafile, const std::vector<PointF>& destination,
                                   Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
                                   Gdiplus::GpImageAttributes* attributes = nullptr);  // 121
  bool EnumerateMetafileDestPointsI(const Image& metafile, const std::vector<Point>& destination,
                                    Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
                                    Gdiplus::GpImageAttributes* attributes = nullptr);  // 122
  bool EnumerateMetafileDestRect(const Image& metafile, const RectF& destination,
                                 Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
                                 Gdiplus::GpImageAttributes* attributes = nullptr);  // 123
  bool EnumerateMetafileDestRectI(const Image& metafile, const Rect& destination,
                                  Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
                                  Gdiplus::GpImageAttributes* attributes = nullptr);  // 124
  bool EnumerateMetafileSrcRectDestPoint(const Image& metafile, const PointF& destination,
                                         const RectF& source, Gdiplus::Unit source_unit,
                                         Gdiplus::EnumerateMetafileProc callback,
                                         void* data = nullptr,
                                         Gdiplus::GpImageAttributes* attributes = nullptr);  // 125
  bool EnumerateMetafileSrcRectDestPointI(const Image& metafile, const Point& destination,
                                          const Rect& source, Gdiplus::Unit source_unit,
                                          Gdiplus::EnumerateMetafileProc callback,
                                          void* data = nullptr,
                                          Gdiplus::GpImageAttributes* attributes = nullptr);  // 126
  bool EnumerateMetafileSrcRectDestPoints(const Image& metafile,
                                          const std::vector<PointF>& destination,
                                          const RectF& source, Gdiplus::Unit source_unit,
                                          Gdiplus::EnumerateMetafileProc callback,
                                          void* data = nullptr,
                                          Gdiplus::GpImageAttributes* attributes = nullptr);  // 127
  bool EnumerateMetafileSrcRectDestPointsI(
      const Image& metafile, const std::vector<Point>& destination, const Rect& source,
      Gdiplus::Unit source_unit, Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
      Gdiplus::GpImageAttributes* attributes = nullptr);  // 128
  bool EnumerateMetafileSrcRectDestRect(const Image& metafile, const RectF& destination,
                                        const RectF& source, Gdiplus::Unit source_unit,
                                        Gdiplus::EnumerateMetafileProc callback,
                                        void* data = nullptr,
                                        Gdiplus::GpImageAttributes* attributes = nullptr);  // 129
  bool EnumerateMetafileSrcRectDestRectI(const Image& metafile, const Rect& destination,
                                         const Rect& source, Gdiplus::Unit source_unit,
                                         Gdiplus::EnumerateMetafileProc callback,
                                         void* data = nullptr,
                                         Gdiplus::GpImageAttributes* attributes = nullptr);  // 130
  bool SetClipGraphics(const Graphics& other,
                       Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);  // 131
  bool SetClipPath(const Path& path,
                   Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);  // 132
  bool SetClipRect(float x, float y, float width, float height,
                   Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);  // 133
  bool SetClipRectI(int x, int y, int width, int height,
                    Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);  // 134
  bool SetClipRegion(const Region& region,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);             // 135
  bool SetClipHrgn(HRGN region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);  // 136
  bool ResetClip();                                                                        // 137
  bool TranslateClip(float dx, float dy);                                                  // 138
  bool TranslateClipI(int dx, int dy);                                                     // 139
  Region GetClip() const;                                                                  // 140
  RectF GetClipBounds() const;                                                             // 141
  Rect GetClipBoundsI() const;                                                             // 142
  RectF GetVisibleClipBounds() const;                                                      // 143
  Rect GetVisibleClipBoundsI() const;                                                      // 144
  bool IsClipEmpty(bool& empty) const;                                                     // 145
  bool IsVisibleClipEmpty(bool& empty) const;                                              // 146
  bool IsVisiblePoint(float x, float y, bool& visible) const;                              // 147
  bool IsVisiblePointI(int x, int y, bool& visible) const;                                 // 148
  bool IsVisibleRect(float x, float y, float width, float height, bool& visible) const;    // 149
  bool IsVisibleRectI(int x, int y, int width, int height, bool& visible) const;           // 150
  bool SaveGraphics(Gdiplus::GraphicsState& state);                                        // 151
  bool RestoreGraphics(Gdiplus::GraphicsState state);                                      // 152
  bool BeginContainer(const RectF& destination, const RectF& source, Gdiplus::Unit unit,
                      Gdiplus::GraphicsContainer& state);  // 153
  bool BeginContainerI(const Rect& destination, const Rect& source, Gdiplus::Unit unit,
                       Gdiplus::GraphicsContainer& state);  // 154
  bool BeginContainer2(Gdiplus::GraphicsContainer& state);  // 155
  bool EndContainer(Gdiplus::GraphicsContainer state);      // 156
  bool Comment(const std::vector<uint8_t>& data);           // 157

  // Gives the native graphics up without deleting it.
  Gdiplus::GpGraphics* Detach() { return detail::Detach(native_); }

 private:
  Gdiplus::GpGraphics* native_ = nullptr;
};

}  // namespace graphics
