// A GDI+ graphics path: figures of lines, curves and shapes.
#pragma once

#include <string>
#include <vector>

#include "graphics/matrix.h"
#include "graphics/status.h"

namespace graphics {

class FontFamily;
class Graphics;
class Pen;
class StringFormat;

// The points of a path and their point types, as GDI+ returns them.
struct PathData {
  std::vector<PointF> points;
  std::vector<BYTE> types;
};

class Path {
 public:
  Path() = default;
  ~Path();                     // 0
  Path(const Path&) = delete;  // 1
  Path& operator=(const Path&) = delete;
  Path(Path&& other) noexcept;
  Path& operator=(Path&& other) noexcept;

  Gdiplus::GpPath* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, deleting the path held before.
  void SetNative(Gdiplus::GpPath* native);                               // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }      // 5
  static void Free(void* block) { graphics::Free(block); }               // 6
  bool DeletePath();                                                     // 7
  bool CreatePath(Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);  // 8
  bool CreatePath2(const std::vector<PointF>& points, const std::vector<BYTE>& types,
                   Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);  // 9
  bool CreatePath2I(const std::vector<Point>& points, const std::vector<BYTE>& types,
                    Gdiplus::FillMode mode = Gdiplus::FillModeAlternate);  // 10
  bool ClonePath(Path& clone) const;                                       // 11
  bool ResetPath();                                                        // 12
  Gdiplus::FillMode GetPathFillMode() const;                               // 13
  bool SetPathFillMode(Gdiplus::FillMode mode);                            // 14
  PathData GetPathData() const;                                            // 15
  std::vector<BYTE> GetPathTypes() const;                                  // 16
  std::vector<PointF> GetPathPoints() const;                               // 17
  std::vector<Point> GetPathPointsI() const;                               // 18
  bool StartPathFigure();                                                  // 19
  bool ClosePathFigure();                                                  // 20
  bool ClosePathFigures();                                                 // 21
  bool SetPathMarker();                                                    // 22
  bool ClearPathMarkers();                                                 // 23
  bool ReversePath();                                                      // 24
  PointF GetPathLastPoint() const;                                         // 25
  bool AddPathLine(float x1, float y1, float x2, float y2);                // 26
  bool AddPathLineI(int x1, int y1, int x2, int y2);                       // 27
  bool AddPathLine2(const std::vector<PointF>& points);                    // 28
  bool AddPathLine2I(const std::vector<Point>& points);                    // 29
  bool AddPathArc(float x, float y, float width, float height, float start_angle,
                  float sweep_angle);  // 30
  bool AddPathArcI(int x, int y, int width, int height, float start_angle,
                   float sweep_angle);  // 31
  bool AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                     float y4);                                                         // 32
  bool AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);  // 33
  bool AddPathBeziers(const std::vector<PointF>& points);                               // 34
  bool AddPathBeziersI(const std::vector<Point>& points);                               // 35
  bool AddPathCurve(const std::vector<PointF>& points);                                 // 36
  bool AddPathCurve2(const std::vector<PointF>& points, float tension);                 // 37
  bool AddPathCurve3(const std::vector<PointF>& points, int offset, int segments,
                     float tension);                                     // 38
  bool AddPathCurveI(const std::vector<Point>& points);                  // 39
  bool AddPathCurve2I(const std::vector<Point>& points, float tension);  // 40
  bool AddPathCurve3I(const std::vector<Point>& points, int offset, int segments,
                      float tension);                                          // 41
  bool AddPathClosedCurve(const std::vector<PointF>& points);                  // 42
  bool AddPathClosedCurve2(const std::vector<PointF>& points, float tension);  // 43
  bool AddPathClosedCurveI(const std::vector<Point>& points);                  // 44
  bool AddPathClosedCurve2I(const std::vector<Point>& points, float tension);  // 45
  bool AddPathRectangle(float x, float y, float width, float height);          // 46
  // A closed rectangle with elliptic corners, each corner ellipse `percent` of
  // the width by `percent` of the height (percent clamped to 1..100).
  bool AddRoundedRectangle(float x, float y, float width, float height, int percent);  // 47
  bool AddPathRectangles(const std::vector<RectF>& rects);                             // 48
  bool AddPathRectangleI(int x, int y, int width, int height);                         // 49
  bool AddPathRectanglesI(const std::vector<Rect>& rects);                             // 50
  bool AddPathEllipse(float x, float y, float width, float height);                    // 51
  bool AddPathEllipseI(int x, int y, int width, int height);                           // 52
  bool AddPathPie(float x, float y, float width, float height, float start_angle,
                  float sweep_angle);  // 53
  bool AddPathPieI(int x, int y, int width, int height, float start_angle,
                   float sweep_angle);                     // 54
  bool AddPathPolygon(const std::vector<PointF>& points);  // 55
  bool AddPathPolygonI(const std::vector<Point>& points);  // 56
  bool AddPathPath(const Path& other, bool connect);       // 57
  bool AddPathString(const std::string& text, const FontFamily& family, int style, float em_size,
                     const RectF& layout, const StringFormat* format);  // 58
  bool AddPathString(const std::wstring& text, const FontFamily& family, int style, float em_size,
                     const RectF& layout, const StringFormat* format);  // 59
  bool AddPathStringI(const std::string& text, const FontFamily& family, int style, float em_size,
                      const Rect& layout, const StringFormat* format);  // 60
  bool AddPathStringI(const std::wstring& text, const FontFamily& family, int style, float em_size,
                      const Rect& layout, const StringFormat* format);                       // 61
  bool TransformPath(const Matrix& matrix);                                                  // 62
  RectF GetPathWorldBounds(const Matrix* matrix = nullptr, const Pen* pen = nullptr) const;  // 63
  Rect GetPathWorldBoundsI(const Matrix* matrix = nullptr, const Pen* pen = nullptr) const;  // 64
  bool FlattenPath(const Matrix* matrix = nullptr, float flatness = 0.25f);                  // 65
  bool WidenPath(const Pen& pen, const Matrix* matrix = nullptr, float flatness = 0.25f);    // 66
  bool WindingModeOutline(const Matrix* matrix = nullptr, float flatness = 0.25f);           // 67
  bool WarpPath(const Matrix* matrix, const std::vector<PointF>& destination, const RectF& source,
                Gdiplus::WarpMode mode = Gdiplus::WarpModePerspective,
                float flatness = 0.25f);                                                     // 68
  int GetPointCount() const;                                                                 // 69
  bool IsVisiblePathPoint(float x, float y, const Graphics* graphics, bool& visible) const;  // 70
  bool IsVisiblePathPointI(int x, int y, const Graphics* graphics, bool& visible) const;     // 71
  bool IsOutlineVisiblePathPoint(float x, float y, const Pen& pen, const Graphics* graphics,
                                 bool& visible) const;  // 72
  bool IsOutlineVisiblePathPointI(int x, int y, const Pen& pen, const Graphics* graphics,
                                  bool& visible) const;  // 73

  // Gives the native path up without deleting it.
  Gdiplus::GpPath* Detach() { return detail::Detach(native_); }

 private:
  Gdiplus::GpPath* native_ = nullptr;
};

}  // namespace graphics
